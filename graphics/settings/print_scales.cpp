#include "graphics/settings/print_scales.h"

#include "common/position/file_names.h"
#include "common/print_scales_file.h"

namespace revuzavi {

void ReadPrintScales(ViewerState& state) {
  const std::string path = common::JoinSettingsPath(state.settings, common::file_names::kPrintScales);
  if (auto read = common::ReadPrintScalesFile(path)) {
    state.print_scales = *read;
    if (state.print_scales.text_scale() < 0.1) state.print_scales.set_text_scale(1.0);
  } else {
    state.print_scales = common::PrintScales::Default();
    (void)common::WritePrintScalesFile(path, state.print_scales);  // a settings folder that cannot be written: defaults
  }
  state.text_scale = static_cast<float>(state.print_scales.text_scale());
  state.second_print_factor = 1.0;
}

}  // namespace revuzavi
