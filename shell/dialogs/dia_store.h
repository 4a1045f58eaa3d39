#pragma once
// "Store input ": lists what a copy of the echo texts did, in the store to an archive ("Saved
// data") or the load from one ("Load"). The caller runs the copy (archive_store.h) and shows its
// report here.
#include "shell/dialogs/side_button_dialog.h"
#include "shell/positions/archive_store.h"

namespace quentaris {

enum class StoreMode {
  kSave = 1,  // the position into an archive folder
  kLoad = 2,  // an archive into a position
};

class CDiaStore : public SideButtonDialog {
 public:
  static constexpr plat::UINT kTemplateId = 155;
  static constexpr plat::UINT kList = 1015;

  CDiaStore(StoreMode mode, ArchiveCopyReport report, plat::Window* owner = nullptr);

  StoreMode mode() const { return mode_; }
  const ArchiveCopyReport& report() const { return report_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;

 private:
  StoreMode mode_;
  ArchiveCopyReport report_;
};

}  // namespace quentaris
