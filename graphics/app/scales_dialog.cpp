#include "graphics/app/scales_dialog.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "graphics/app/font_dialog.h"
#include "graphics/app/viewer_help.h"
#include "graphics/app/report.h"
#include "graphics/diagrams/shape_drawing.h"
#include "graphics/reanalysis/iteration_report.h"
#include "graphics/reanalysis/scales.h"
#include "graphics/settings/small_settings_files.h"
#include "platform/controls/button.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"

namespace revuzavi {
namespace {

struct Preset {
  plat::UINT id;
  const char* k;
};
constexpr Preset kPresets[] = {{1063, "0.0"}, {1064, "0.1"}, {1065, "0.2"}, {1066, "0.3"}, {1067, "0.4"},
                               {1069, "0.5"}, {1070, "0.6"}, {1071, "0.7"}, {1072, "0.8"}, {1073, "0.9"},
                               {1074, "1.0"}, {1004, "2.0"}, {1005, "3.0"}, {1006, "0.001"}};

// The limit of node runs is five times this.
constexpr int kMostIterations = std::numeric_limits<std::int32_t>::max() / 5;

// A typed value refused: its message in a box without title.
void Refuse(const std::string& text) { plat::MessageBox(text, "", plat::MB_OK); }

}  // namespace

CDiaSkalen::CDiaSkalen(const ReanalysisParameters& start, plat::Window* owner)
    : plat::Dialog(kTemplateId, " Scale (Open this dialog with a right click)", owner), parameters_(start) {}

void CDiaSkalen::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("&k (stiffness factor of the picked elements)").EditBox(kFactor, 0x0080, 14);
  form.Field("&Error margin").EditBox(kErrorMargin, 0x0080, 14);
  form.Field("&Maximum iterations").EditBox(kIterationLimit, 0x0080, 14);
  auto solution = layout.Group("Solution");
  solution.RadioButton("Iterative solution", kIterative, true);
  solution.RadioButton("Direct solution", kDirect);
  auto presets = layout.Group("k =");
  for (std::size_t first = 0; first < std::size(kPresets); first += 7) {
    auto row = presets.Row();
    for (std::size_t i = first; i < first + 7 && i < std::size(kPresets); ++i) {
      row.PushButton(kPresets[i].k, kPresets[i].id);
    }
  }
  auto report = layout.Group("Remove elements one by one, with a report page");
  auto report_row = report.Row();
  report_row.PushButton("Zero compression", kZeroCompression);
  report_row.PushButton("Zero tension", kZeroTension);
  auto buttons = layout.Row();
  buttons.PushButton("Default", kDefault);
  buttons.PushButton("Help", kHelp);
  buttons.Stretch();
  buttons.DefPushButton("OK", kOk);
  buttons.PushButton("Stop", plat::IDCANCEL);
}

bool CDiaSkalen::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  parameters_.report_sense = 0;
  ShowValues("%.4f", parameters_.k, parameters_.scales.element_eps, parameters_.scales.element_limit);
  const bool iterative = parameters_.method == ReanalysisState::kIterative;
  CheckDlgButton(kIterative, iterative ? plat::BST_CHECKED : plat::BST_UNCHECKED);
  CheckDlgButton(kDirect, iterative ? plat::BST_UNCHECKED : plat::BST_CHECKED);
  GotoDlgCtrl(GetDlgItem(kFactor));
  return false;
}

void CDiaSkalen::ShowValues(const char* k_format, float k, float eps, int limit) {
  SetDlgItemText(kFactor, FormatValue(k_format, k));
  SetDlgItemText(kErrorMargin, FormatValue("%6.3E", eps));
  SetDlgItemText(kIterationLimit, std::to_string(limit));
}

bool CDiaSkalen::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  const plat::UINT id = plat::LOWORD(wParam);
  for (const Preset& preset : kPresets) {
    if (id == preset.id) {
      Confirm(0, preset.k);
      return true;
    }
  }
  switch (id) {
    case kOk: Confirm(0); return true;
    case kZeroCompression: Confirm(kFollowCompression); return true;
    case kZeroTension: Confirm(kFollowTension); return true;
    case kDefault: {
      const ScalesParams defaults;
      ShowValues("%.3f", 0.0f, defaults.element_eps, defaults.element_limit);
      return true;
    }
    case kHelp: OpenViewerHelp("SCALE.pdf", "SCALE.pdf"); return true;
    default: return plat::Dialog::OnCommand(wParam, lParam);
  }
}

bool CDiaSkalen::Confirm(int report_sense, const char* preset) {
  if (preset) SetDlgItemText(kFactor, preset);
  const std::string k_text = GetDlgItemText(kFactor);
  const std::optional<float> k = TypedFloat(k_text);
  if (!k) {
    Refuse("\"" + k_text + "\" is not a number the files can hold.");
    GotoDlgCtrl(GetDlgItem(kFactor));
    return false;
  }
  if (*k < 0.0f) {
    Refuse("No negative values");
    SetDlgItemText(kFactor, FormatValue("%.4f", 0.0));
    GotoDlgCtrl(GetDlgItem(kFactor));
    return false;
  }
  const std::optional<double> eps = ChoiceNumber(GetDlgItemText(kErrorMargin));
  // Its hundredth, the margin of node runs, must still be a float above 0.
  if (!eps || !std::isfinite(*eps) || *eps > FLT_MAX || !(static_cast<float>(*eps / 100.0) > 0.0f)) {
    Refuse("The error margin must be a number above 0.");
    GotoDlgCtrl(GetDlgItem(kErrorMargin));
    return false;
  }
  bool whole = false;
  const int limit = GetDlgItemInt(kIterationLimit, &whole);
  if (!whole || limit < 1 || limit > kMostIterations) {
    Refuse("The maximum iterations must be a whole number from 1 to " + std::to_string(kMostIterations) + ".");
    GotoDlgCtrl(GetDlgItem(kIterationLimit));
    return false;
  }
  parameters_.k = *k;
  parameters_.scales = ScalesParams{static_cast<float>(*eps), static_cast<float>(*eps / 100.0), limit, 5 * limit};
  parameters_.method = IsDlgButtonChecked(kIterative) ? ReanalysisState::kIterative : ReanalysisState::kDirect;
  parameters_.report_sense = report_sense;
  EndDialog(plat::IDOK);
  return true;
}

bool EditReanalysisParameters(ViewerSession& session, plat::Window* parent) {
  ViewerState& state = session.state;
  ReanalysisState& run = session.run;
  if (run.releases.count() > 0) {
    plat::MessageBox("First reset the frame (ESC-key) before you switch into the C-Mode!", "Reset necessary",
                     plat::MB_OK);
    return false;
  }
  ReadScales(state, run.scales);
  CDiaSkalen dialog(ReanalysisParameters{state.scales_factor, run.scales, run.method, 0}, parent);
  if (dialog.DoModal() != plat::IDOK) return false;
  const ReanalysisParameters& chosen = dialog.parameters();
  state.scales_factor = chosen.k;
  state.scales_factor_zero = !(std::fabs(chosen.k) >= 1e-6f);
  run.scales = chosen.scales;
  run.method = chosen.method;
  if (!WriteScales(state, run.scales)) {
    ShowFailure(common::Result::Fail(
        "The file " + state.position.FolderFile(kReanalysisScalesFile) + " cannot be written.", "Error"));
  }
  if (chosen.report_sense != 0) {
    ShowFailure(WriteIterationReport(state, run, session.picture, session.view, session.reanalysis_view,
                                     run.current_step, chosen.report_sense));
    run.report_written = true;
  }
  return true;
}

}  // namespace revuzavi
