#include "shell/view/view_actions.h"

#include <algorithm>
#include <cctype>

#include "common/position/file_names.h"
#include "common/print_scales_file.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "shell/settings/settings_names.h"

namespace quentaris {
namespace {

constexpr double kWheelFactor = 1.1;

// The place (1-based) of `number` in the diary's list, 0 when it is not there.
int PlaceInDiary(const common::LoadCaseDiary& diary, int number, int count) {
  for (int k = 1; k <= count; ++k) {
    if (diary.load_case(k) == number) return k;
  }
  return 0;
}

std::string UpperName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name;
}

}  // namespace

common::Result StepLoadCase(ShellState& state, bool up) {
  const int count = state.diary.has_valid_count() ? state.diary.count() : 0;
  const int current = state.load_case.load_case();
  const int place = PlaceInDiary(state.diary, current, count);
  int next = current;
  if (up) {
    if (place < count) next = state.diary.load_case(place + 1);
  } else {
    next = place >= 2 ? state.diary.load_case(place - 1) : 0;
  }
  if (next == current) return common::Result::Ok();
  if (next == 0 || PlaceInDiary(state.diary, next, count) == 0 || !state.has_position()) {
    state.load_case.set_load_case(static_cast<std::int16_t>(next));
    return common::Result::Ok();
  }
  const std::string path = state.position().LoadCaseFile(common::file_names::kLoadCaseParams, next);
  auto read = common::ReadBlockRecord<common::LoadCaseParams>(path);
  common::Result checked = common::CheckFile(path, read.status);
  state.load_case = read.status.ok() ? read.record : common::LoadCaseParams{};
  state.load_case.set_load_case(static_cast<std::int16_t>(next));
  return checked;
}

bool ApplyWheelStep(ShellState& state, int delta, WheelKeys keys) {
  if (delta == 0) return true;
  const bool forward = delta > 0;
  const auto scaled = [forward](double value) { return forward ? value * kWheelFactor : value / kWheelFactor; };
  bool written = true;
  common::PrintScales& block = state.print_scales.block;
  if (keys.alt) {
    state.pen_width = std::clamp(state.pen_width + (forward ? 1 : -1), kMinPenWidth, kMaxPenWidth);
    written = common::WriteInt32File(state.SettingsWritePath(kPenWidthFile), state.pen_width);
  } else if (keys.ctrl && keys.shift) {
    block.set_text_scale(scaled(block.text_scale()));
  } else if (keys.shift) {
    state.print_scales.second_factor = static_cast<float>(scaled(state.print_scales.second_factor));
  } else {
    state.picture_factor = static_cast<float>(scaled(state.picture_factor));
  }
  const bool scales =
      common::WritePrintScalesSettings(state.SettingsWritePath(common::file_names::kPrintScales), state.print_scales);
  return written && scales;
}

std::optional<std::string> FirstEchoFile(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    const std::string name = UpperName(path);
    if (name.starts_with("ECHO_G.") || name.starts_with("ACADGEO.")) return path;
  }
  return std::nullopt;
}

}  // namespace quentaris
