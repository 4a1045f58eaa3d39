#pragma once
// The main view of the shell: the frame picture of the current position,
// zoomed by the wheel, load cases stepped by the arrow keys, the results
// viewer started by a right click, dropped echo files taken, the picture
// printed (and copied to the clipboard).
#include <memory>
#include <optional>

#include "platform/frames/view.h"
#include "platform/window/messages.h"
#include "shell/state/shell_state.h"

namespace quentaris {

// Posted to the main window: the status bar's coordinates; a dropped echo file
// to rebuild from (ShellState::start_file).
inline constexpr plat::UINT kMouseCoordinatesMessage = plat::WM_USER + 1;
inline constexpr plat::UINT kEchoDroppedMessage = plat::WM_USER + 41;
// The mouse moved before the picture was drawn (nothing handles it).
inline constexpr plat::UINT kNoPictureYetMessage = plat::WM_USER + 2008;
inline constexpr plat::UINT kContextMenuId = 119;

inline constexpr const char* kDataPathAdvice =
    "Advice: Click on Path Data and choose a shorter folder as your Path Data. The Path Data is the root directory "
    "of the single positions!\n\nThe current path\n\n %s \n\nis not easy accessible.\n ";

class CDiaTexte;

class CPView : public plat::View {
 public:
  explicit CPView(ShellState& state);
  ~CPView() override;

  // The texts dialog while it is open, else null.
  CDiaTexte* texts() { return texts_.get(); }

  // The mouse's last position in metres (valid once the picture was drawn).
  plat::PointD mouse_world() const { return mouse_world_; }
  // The view's picture drawn afresh at the client's size.
  plat::Bitmap ClientPicture();

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  void OnDraw(plat::Dc& dc) override;
  void OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  bool OnMouseWheel(plat::UINT flags, short delta, plat::Point point) override;
  void OnMouseMove(plat::UINT flags, plat::Point point) override;
  void OnRButtonDown(plat::UINT flags, plat::Point point) override;
  void OnContextMenu(plat::Window* window, plat::Point point) override;
  void OnDropFiles(const std::vector<std::string>& files, plat::Point point) override;
  void OnClose() override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  void DrawPicture(plat::Dc& dc, const plat::Rect& client);
  void OnPrintCommand(plat::UINT id);
  void OnStepLoadCase(bool up);
  void ShowAdvice();
  void PostToMain(plat::UINT message);

  ShellState& state_;
  std::optional<plat::Mapping> screen_mapping_;
  plat::PointD mouse_world_;
  bool advice_pending_ = true;
  std::unique_ptr<CDiaTexte> texts_;
};

}  // namespace quentaris
