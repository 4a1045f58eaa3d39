#include "graphics/diagrams/element_curve_file.h"

#include <cstdio>

namespace revuzavi {

std::string ElementCurveFileName(const ViewerState& state, char letter, int e) {
  return state.position.FolderFile(std::string(1, letter) + std::to_string(e) + state.current_load_case_text);
}

bool WriteElementCurveFile(const ViewerState& state, char letter, int e, const mechanics::CurveLine& values) {
  const mechanics::SampleLine line = values.Rounded();
  std::FILE* f = std::fopen(ElementCurveFileName(state, letter, e).c_str(), "wb");
  if (f == nullptr) return false;
  const bool whole = std::fwrite(line.data(), sizeof(float), mechanics::kSamples, f) == mechanics::kSamples;
  return std::fclose(f) == 0 && whole;
}

}  // namespace revuzavi
