#pragma once
// The view of the geometry editor: the frame picture from memory, the
// commands Store, Print and End, and the messages of the main frame.
#include <optional>

#include "geometry/editor/editor_session.h"
#include "platform/frames/view.h"

namespace kelmf {

class CKELMWView : public plat::View {
 public:
  CKELMWView();

  EditorSession& session();

  // Store (Ctrl+S): ends the program after a completed model check, else redraws.
  void OnStore();
  // End ("x", the X button, the close box): the echo text, then the program ends.
  void OnEnd();

 protected:
  void OnDraw(plat::Dc& dc) override;
  void OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnXButtonDown(plat::UINT flags, plat::UINT button, plat::Point point) override;
  void OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;

 private:
  // Escape: ends a zoom; else twice within a second ends the editor.
  void OnEscape();
  // Posts WM_QUIT when a command ends the program, else redraws.
  void Finish(std::optional<int> quit_code);
};

}  // namespace kelmf
