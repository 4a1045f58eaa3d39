#include "graphics/settings/print_scales.h"

#include <algorithm>
#include <cmath>

#include "common/position/file_names.h"
#include "common/print_scales_file.h"

namespace revuzavi {

common::Result ReadPrintScales(ViewerState& state) {
  const std::string path = common::JoinSettingsPath(state.settings, common::file_names::kPrintScales);
  const std::string write_path = common::SettingsWritePath(state.settings, common::file_names::kPrintScales);
  common::Result damaged = common::Result::Ok();
  if (auto read = common::ReadPrintScalesFile(path)) {
    state.print_scales = *read;
    const double factor = state.print_scales.text_scale();
    if (!std::isfinite(factor)) {
      damaged = common::Result::Fail(
          "The file " + path + " is damaged: its text factor is not a finite number. The factor 1 is drawn.", "Error");
      state.print_scales.set_text_scale(1.0);  // in memory: the file keeps its bytes until the Font dialog writes
    } else if (factor < 0.1) {
      state.print_scales.set_text_scale(1.0);
    } else {
      state.print_scales.set_text_scale(std::min(factor, kLargestTextFactor));
    }
  } else {
    state.print_scales = common::PrintScales::Default();
    if (!common::WritePrintScalesFile(write_path, state.print_scales)) {
      damaged = common::CannotWriteSetting(write_path);  // the defaults hold for this run
    }
  }
  state.text_scale = static_cast<float>(state.print_scales.text_scale());
  state.second_print_factor = 1.0;
  return damaged;
}

float DrawableTextFactor(double factor) {
  if (!(factor > 0.0)) return 0.0f;  // 0 and what is not a number: no texts
  return static_cast<float>(std::clamp(factor, 0.1, kLargestTextFactor));
}

}  // namespace revuzavi
