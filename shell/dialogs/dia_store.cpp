#include "shell/dialogs/dia_store.h"

#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog_layout.h"

namespace quentaris {

CDiaStore::CDiaStore(StoreMode mode, ArchiveCopyReport report, plat::Window* owner)
    : SideButtonDialog(kTemplateId, mode == StoreMode::kSave ? "Saved data" : "Load", owner),
      mode_(mode),
      report_(std::move(report)) {}

void CDiaStore::BuildLayout(plat::DialogLayout& layout) {
  layout.List(kList, plat::WS_VSCROLL | plat::WS_HSCROLL | plat::WS_BORDER | plat::LBS_NOINTEGRALHEIGHT, 90, 10);
  layout.OkCancel("OK", "&Stop");
}

bool CDiaStore::OnInitDialog() {
  SideButtonDialog::OnInitDialog();
  auto* list = static_cast<plat::ListBox*>(GetDlgItem(kList));
  for (const std::string& line : report_.lines) list->AddString(line);
  return true;
}

}  // namespace quentaris
