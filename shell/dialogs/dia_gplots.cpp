#include "shell/dialogs/dia_gplots.h"

#include <cstdio>

#include "common/position/file_names.h"
#include "common/print_scales_file.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace quentaris {
namespace {

constexpr int kChoiceCount = 2;

std::string TwoDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

}  // namespace

CDiaGPlots::CDiaGPlots(const ShellState& state, plat::Window* owner)
    : ShellDialog(kDiaGPlotsTemplate, "Plot scales", owner), state_(state) {}

void CDiaGPlots::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("&First setting:").EditBox(1000, 0x0080, 8);
  form.Field("&Second setting:").EditBox(1008, 0x0080, 8);
  form.Field("Scale &1:").EditBox(1005, 0x0080, 8);
  form.Field("Scale &2:").EditBox(1002, 0x0080, 8);
  form.Field("Scale &3:").EditBox(1001, 0x0080, 8);
  form.Field("&Pen factor:").EditBox(1009, 0x0080, 8);
  auto groups = layout.Row();
  auto flag = groups.Group("Flag");
  flag.RadioButton("&Off", 1003, true);
  flag.RadioButton("O&n", 1004);
  auto choice = groups.Group("Choice");
  choice.RadioButton("Choice &A", 1006, true);
  choice.RadioButton("Choice &B", 1007);
  layout.OkCancel("OK", "Cancel");
}

bool CDiaGPlots::OnInitDialog() {
  if (auto stored = common::ReadPrintScalesFile(state_.SettingsPath(common::file_names::kPrintScales))) scales = *stored;
  first_ = std::to_string(scales.At<std::int16_t, 0>());
  second_ = std::to_string(scales.At<std::int16_t, 2>());
  scale56_ = TwoDecimals(scales.At<double, 56>());
  scale64_ = TwoDecimals(scales.At<double, 64>());
  scale72_ = TwoDecimals(scales.At<double, 72>());
  factor92_ = TwoDecimals(scales.pen_factor());
  flag_ = scales.At<std::uint8_t, 96>() == 1 ? 1 : 0;
  const int stored_choice = scales.At<std::int16_t, 88>() - 1;
  choice_ = stored_choice >= 0 && stored_choice < kChoiceCount ? stored_choice : -1;
  return ShellDialog::OnInitDialog();
}

void CDiaGPlots::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, 1000, first_);
  plat::DDX_Text(dx, 1008, second_);
  plat::DDX_Text(dx, 1005, scale56_);
  plat::DDX_Text(dx, 1002, scale64_);
  plat::DDX_Text(dx, 1001, scale72_);
  plat::DDX_Text(dx, 1009, factor92_);
  plat::DDX_Radio(dx, 1003, flag_);
  plat::DDX_Radio(dx, 1006, choice_);
}

void CDiaGPlots::OnOK() {
  if (!UpdateData(true)) return;
  scales.SetAt<std::int16_t, 0>(FieldToInt16(first_));
  scales.SetAt<std::int16_t, 2>(FieldToInt16(second_));
  scales.SetAt<double, 56>(FieldToDouble(scale56_));
  scales.SetAt<double, 64>(FieldToDouble(scale64_));
  scales.SetAt<double, 72>(FieldToDouble(scale72_));
  scales.set_pen_factor(FieldToDouble(factor92_));
  if (flag_ >= 0) scales.SetAt<std::uint8_t, 96>(static_cast<std::uint8_t>(flag_));
  // A stored choice that no button shows stays as it was.
  if (choice_ >= 0) scales.SetAt<std::int16_t, 88>(static_cast<std::int16_t>(choice_ + 1));
  const std::string path = state_.SettingsWritePath(common::file_names::kPrintScales);
  if (!common::WritePrintScalesFile(path, scales)) ShowCannotWrite(path);
  EndDialog(plat::IDOK);
}

}  // namespace quentaris
