#include "common/dialogs/about_dialog.h"

#include "platform/dialogs/dialog_layout.h"

namespace common {

AboutDialog::AboutDialog(const std::string& program, std::string version, plat::Window* owner)
    : Dialog(kAboutDialogTemplate, "About " + program, owner),
      version_(version.empty() ? program + " Version 1.0" : std::move(version)) {}

void AboutDialog::BuildLayout(plat::DialogLayout& layout) {
  auto row = layout.Row();
  row.Text(version_, kAboutVersionText);
  row.Stretch();
  row.DefPushButton("OK", plat::IDOK);
}

}  // namespace common
