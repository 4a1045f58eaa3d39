#include "Quon/results/result_files.h"

#include "platform/binary_io.h"

namespace zedir {

std::string StateLineFile(const Run& run, std::string_view base, int line_load) {
  return run.position.FolderFile(std::string(base) + std::to_string(line_load) + run.load_case_text);
}

std::string SourceLineFile(const Run& run, std::string_view base, int point_load, int element) {
  return run.position.FolderFile(std::string(base) + std::to_string(point_load) + "ELM" + std::to_string(element) +
                                 run.load_case_text);
}

std::string CurveFile(const Run& run, char letter, int element) {
  return run.position.File(std::string(1, letter) + run.load_case_text + "E" + std::to_string(element));
}

bool WriteSampleLine(const std::string& path, const mechanics::SampleLine& line) {
  return plat::WriteBlock(path, line.data(), mechanics::kSamples * sizeof(float));
}

}  // namespace zedir
