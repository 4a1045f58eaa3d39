#include "graphics/app/line_width_dialog.h"

#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace revuzavi {

CDiaLines::CDiaLines(int width, plat::Window* owner) : plat::Dialog(2081, "Line width", owner), width_(width) {}

void CDiaLines::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("1,2,...").EditBox(kWidth, 0x0080, 6);
  layout.Text("or: Alt + mouse wheel");
  layout.OkCancel("OK", "Stop");
}

bool CDiaLines::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  if (plat::Window* edit = GetDlgItem(kWidth)) GotoDlgCtrl(edit);
  return false;
}

void CDiaLines::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, kWidth, width_);
  plat::DDV_MinMaxInt(dx, width_, 1, 10);
}

}  // namespace revuzavi
