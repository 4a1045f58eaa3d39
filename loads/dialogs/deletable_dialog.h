#pragma once
// A load dialog with a "&Delete" button (1006) that marks the load for
// deletion: the mark alone, or the mark and the dialog's OK.
#include "platform/dialogs/dialog.h"

namespace pundf {

class DeletableDialog : public plat::Dialog {
 public:
  static constexpr plat::UINT kDelete = 1006;

  // After OK: whether "&Delete" was pressed.
  bool deleted() const { return deleted_; }

 protected:
  DeletableDialog(plat::UINT template_id, std::string caption, plat::Window* owner, bool delete_closes)
      : plat::Dialog(template_id, std::move(caption), owner), delete_closes_(delete_closes) {}

  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override {
    if (plat::LOWORD(wParam) != kDelete) return plat::Dialog::OnCommand(wParam, lParam);
    deleted_ = true;
    if (delete_closes_) OnOK();
    return true;
  }

 private:
  bool delete_closes_;
  bool deleted_ = false;
};

}  // namespace pundf
