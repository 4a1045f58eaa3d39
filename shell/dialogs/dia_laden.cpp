#include "shell/dialogs/dia_laden.h"

#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace quentaris {

CDiaLaden::CDiaLaden(plat::Window* owner) : ShellDialog(kDiaLadenTemplate, "Load from archive", owner) {}

void CDiaLaden::BuildLayout(plat::DialogLayout& layout) {
  layout.Form().Field("&Make it position:").EditBox(1000, 0x0080, 30);
  layout.OkCancel("OK", "Cancel");
}

void CDiaLaden::DoDataExchange(plat::DataExchange& dx) { plat::DDX_Text(dx, 1000, position); }

}  // namespace quentaris
