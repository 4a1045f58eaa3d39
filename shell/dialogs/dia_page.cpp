#include "shell/dialogs/dia_page.h"

#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "shell/dialogs/printer_fields.h"

namespace quentaris {
namespace {

constexpr PrinterFieldIds kIds{1005, 1002, 1008, 1009};
constexpr int kStyleCount = 5;

}  // namespace

CDiaPage::CDiaPage(const ShellState& state, plat::Window* owner)
    : ShellDialog(kDiaPageTemplate, "Pages", owner), state_(state) {}

std::string CDiaPage::NumberingPath() const { return state_.position_folder + common::kPageNumberingFile; }

void CDiaPage::BuildLayout(plat::DialogLayout& layout) {
  auto top = layout.Row();
  auto numbering = top.Group("&Numbering");
  numbering.RadioButton("Page ___", 1003, true);
  numbering.RadioButton("Sheet ___", 1004);
  numbering.RadioButton("Sheet ___  Page ___", 1006);
  numbering.RadioButton("Sheet ___  Page ", 1007);
  numbering.RadioButton("Page ___  Sheet", 1025);
  auto right = top.Column();
  auto numbers = right.Form();
  numbers.Field("Number first &page:").EditBox(1000, 0x0080, 6);
  numbers.Field("Number first &sheet:").EditBox(1001, 0x0080, 6);
  right.CheckBox("Print &date", 1023);
  auto printer = layout.Form();
  printer.Field("F&ont:").EditBox(kIds.face, 0x0080, 30);
  printer.Field("Font si&ze:").EditBox(kIds.size, 0x0080, 6);
  printer.Field("&Left margin (mm):").EditBox(kIds.left, 0x0080, 6);
  printer.Field("&Upper edge (mm):").EditBox(kIds.upper, 0x0080, 6);
  layout.OkCancel("OK", "Cancel");
}

bool CDiaPage::OnInitDialog() {
  stored_ = common::ReadPageNumberingFile(NumberingPath());
  page = std::to_string(stored_.page);
  sheet = std::to_string(stored_.sheet);
  style = stored_.style >= 0 && stored_.style < kStyleCount ? stored_.style : -1;
  print_date = stored_.print_date == 1 ? 1 : 0;
  printer = ReadShellPrinterSettings(state_);
  return ShellDialog::OnInitDialog();
}

void CDiaPage::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, 1000, page);
  plat::DDX_Text(dx, 1001, sheet);
  plat::DDX_Radio(dx, 1003, style);
  plat::DDX_Check(dx, 1023, print_date);
  ExchangePrinterFields(dx, kIds, printer);
}

void CDiaPage::OnOK() {
  if (!UpdateData(true)) return;
  EndDialog(plat::IDOK);
  common::PageNumbering numbering;
  numbering.page = FieldToInt16(page);
  numbering.sheet = FieldToInt16(sheet);
  // A stored style that no button shows stays as it was.
  numbering.style = style >= 0 ? static_cast<std::int16_t>(style) : stored_.style;
  numbering.print_date = print_date == 1 ? 1 : 0;
  if (!state_.position_folder.empty() && !common::WritePageNumberingFile(NumberingPath(), numbering)) {
    ShowCannotWrite(NumberingPath());
  }
  WriteShellPrinterSettings(state_, printer);
}

}  // namespace quentaris
