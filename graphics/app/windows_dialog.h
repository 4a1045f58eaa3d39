#pragma once
// 131 "Windows": the document windows by their captions; Activate and Close
// act on the one selected.
#include <vector>

#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog.h"
#include "platform/frames/mdi_frame.h"

namespace revuzavi {

inline constexpr plat::UINT kWindowList = 1000;
inline constexpr plat::UINT kActivateWindow = 1001;
inline constexpr plat::UINT kCloseWindow = 1002;

class WindowsDialog : public plat::Dialog {
 public:
  explicit WindowsDialog(plat::MDIFrameWnd& frame);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  void FillList();
  plat::MDIChildWnd* Selected() const;

  plat::MDIFrameWnd& frame_;
  std::vector<plat::MDIChildWnd*> children_;
  plat::ListBox list_;
};

}  // namespace revuzavi
