#include "graphics/settings/small_settings_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace revuzavi {
namespace {

std::string NumberedFile(const ViewerState& state, const char* base, int number) {
  return state.position.File(std::string(base) + std::to_string(number));
}

}  // namespace

void ReadReanalysisScales(ViewerState& state) {
  const std::string path = state.position.FolderFile(kReanalysisScalesFile);
  float first = 0.0f;
  if (!plat::ReadBlock(path, &first, sizeof first)) {
    std::array<std::byte, 20> bytes{};
    const float floats[3] = {0.0f, 1e-7f, 1e-9f};
    const std::int32_t ints[2] = {100000, 500000};
    std::memcpy(bytes.data(), floats, sizeof floats);
    std::memcpy(bytes.data() + 12, ints, sizeof ints);
    (void)plat::WriteBlock(path, bytes.data(), bytes.size());  // unwritable: the defaults hold in memory
    first = 0.0f;
  }
  state.scales_factor = first;
  state.scales_factor_zero = !(std::fabs(first) >= 1e-6f);
}

void ReadPageCounters(ViewerState& state) {
  // Counted on by one at each page and picture: never beyond what an int counts on to.
  constexpr std::int32_t kLargestCount = 999999999;
  state.page_number = std::min(common::ReadInt32File(state.position.File(kPageNumberFile)).value_or(1), kLargestCount);
  state.picture_counter =
      std::min(common::ReadInt32File(state.position.File(kPictureCounterFile)).value_or(0), kLargestCount);
}

void ReadViewSettings(ViewerState& state) {
  std::int32_t widths[2] = {};
  if (!plat::ReadBlock(common::JoinSettingsPath(state.settings, kLineWidthsFile), widths, sizeof widths)) return;
  state.line_width = std::clamp(widths[0], 0, 912);  // the wheel's bounds
  state.second_line_width = std::clamp(widths[1], 0, 512);
}

common::Result WriteViewSettings(const ViewerState& state) {
  const std::int32_t widths[2] = {state.line_width, state.second_line_width};
  const std::string path = common::SettingsWritePath(state.settings, kLineWidthsFile);
  return plat::ReplaceWholeFile(path, widths, sizeof widths) ? common::Result::Ok() : common::CannotWriteSetting(path);
}

bool WriteRememberedScales(const ViewerState& state, int load_case, RememberedScales scales) {
  for (int k : {5, 8}) scales.set_field(k, std::clamp(scales.field(k), 0.001f, 1.0f));
  return plat::WriteBlock(NumberedFile(state, kRememberedScalesFile, load_case), scales.bytes().data(),
                          RememberedScales::kSize);
}

std::optional<std::array<float, 9>> ReadRememberedScales(const ViewerState& state, int load_case) {
  std::array<float, 9> f{};
  if (!plat::ReadBlock(NumberedFile(state, kRememberedScalesFile, load_case), f.data(), sizeof f)) {
    return std::nullopt;
  }
  if (!std::all_of(f.begin(), f.end(), [](float v) { return std::isfinite(v); })) return std::nullopt;
  // The diagram scales as small as Fit makes them for large values (a floor of
  // 0.01 undid its work on the next reading), never 0 or negative.
  for (int k : {0, 1, 2, 8}) f[k] = std::clamp(f[k], 1e-6f, 1000.0f);
  f[3] = std::max(f[3], 0.01f);
  for (int k : {4, 7}) f[k] = std::clamp(f[k], 0.001f, 1.0f);
  return f;
}

bool WritePageNumber(const ViewerState& state, const RememberedScales& scales) {
  const bool page = common::WriteInt32File(state.position.File(kPageNumberFile), state.page_number);
  const bool remembered = WriteRememberedScales(state, state.current_load_case, scales);
  return page && remembered;
}

bool WriteGreenScales(const ViewerState& state, int n, const std::array<float, 7>& scales) {
  return plat::WriteBlock(NumberedFile(state, kGreenScalesFile, n), scales.data(), sizeof scales);
}

bool ReadGreenScales(const ViewerState& state, int n, std::array<float, 7>& scales) {
  if (plat::ReadBlock(NumberedFile(state, kGreenScalesFile, n), scales.data(), sizeof scales)) return true;
  scales.fill(0.0f);
  return false;
}

}  // namespace revuzavi
