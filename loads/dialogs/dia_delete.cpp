#include "loads/dialogs/dia_delete.h"

#include "loads/editor/editor_ids.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf {

CDiaDelete::CDiaDelete(plat::Window* owner) : plat::Dialog(kTemplateId, "Pick", owner), owner_(owner) {}

void CDiaDelete::BuildLayout(plat::DialogLayout& layout) {
  auto buttons = layout.Row();
  buttons.DefPushButton("OK", kOk);
  buttons.PushButton("Cancel", plat::IDCANCEL);
}

void CDiaDelete::Post(plat::WPARAM wParam) {
  if (owner_ != nullptr) owner_->PostMessage(ids::kEndPick, wParam);
}

bool CDiaDelete::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kOk) {
    UpdateData(true);
    Post(1);
    return true;
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

void CDiaDelete::OnOK() { Post(1); }
void CDiaDelete::OnCancel() { Post(2); }

}  // namespace pundf
