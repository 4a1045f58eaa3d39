#pragma once
// The view of the load editor: the load picture of the load case being
// edited, the commands New, Store and End, the steps through the load cases,
// the wheel, the pick modes, printing and the copy to the clipboard.
#include <memory>
#include <optional>

#include "loads/dialogs/dia_delete.h"
#include "loads/editor/editor_session.h"
#include "loads/tables/table_state.h"
#include "platform/dc/mapping.h"
#include "platform/frames/view.h"

namespace pundf {

class CPUNDWView : public plat::View {
 public:
  CPUNDWView();

  EditorSession& session();

  void OnNew();
  void OnStore();
  void OnEnd();
  // Up (true) and Down through the diary.
  void OnStep(bool up);

 protected:
  void OnDraw(plat::Dc& dc) override;
  void OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  bool OnMouseWheel(plat::UINT flags, short delta, plat::Point point) override;
  void OnMouseMove(plat::UINT flags, plat::Point point) override;
  void OnXButtonDown(plat::UINT flags, plat::UINT button, plat::Point point) override;

 private:
  // The caption of the main frame from the session's title.
  void ShowTitle();
  // Posts WM_QUIT when a command ends the program, else shows the title and repaints.
  void Finish(std::optional<int> quit_code);
  void OnEchoCheck();
  void TogglePick(bool point_loads);
  // One of the load case's tables, modal; the picture follows its OK.
  template <class TableDialog>
  void OnTable();
  void OnCopyToClipboard();
  void OnPickMode();
  void EndPickMode();

  // The mapping of the last drawing on the screen, for the mouse's coordinates.
  std::optional<plat::Mapping> screen_mapping_;
  // The column kinds, links and mode of the table open.
  tables::TableState table_state_;
  // The window of the pick mode, while it is on.
  std::unique_ptr<CDiaDelete> pick_window_;
};

}  // namespace pundf
