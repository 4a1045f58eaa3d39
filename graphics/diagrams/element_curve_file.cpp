#include "graphics/diagrams/element_curve_file.h"

#include "platform/whole_file.h"

namespace revuzavi {

std::string ElementCurveFileName(const ViewerState& state, char letter, int e) {
  return state.position.FolderFile(std::string(1, letter) + std::to_string(e) + state.current_load_case_text);
}

bool WriteElementCurveFile(const ViewerState& state, char letter, int e, const mechanics::CurveLine& values) {
  const mechanics::SampleLine line = values.Rounded();
  // Written over in place when it keeps its size: a truncated and rewritten file is flushed to
  // disk at its close, which made a redraw of a large frame wait on the disk.
  return plat::ReplaceWholeFile(ElementCurveFileName(state, letter, e), line.data(),
                                sizeof(float) * mechanics::kSamples);
}

}  // namespace revuzavi
