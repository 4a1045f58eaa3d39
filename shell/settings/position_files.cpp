#include "shell/settings/position_files.h"

#include <array>

namespace quentaris {
namespace {

common::Result Missing(const std::string& path) { return common::Result::Fail("The file " + path + " is missing"); }

}  // namespace

common::Outcome<FilePtr> OpenPositionFile(std::string_view mode, bool required, std::string_view part1,
                                          std::string_view part2, std::string_view part3, std::string_view part4) {
  std::string path;
  for (std::string_view part : std::array{part1, part2, part3, part4}) path += part;
  std::string open_mode;
  for (char c : mode) {
    if (c != 't') open_mode += c;  // no text mode here: text is written through plat::TextWriter
  }
  FilePtr file(std::fopen(path.c_str(), open_mode.c_str()));
  if (!file && required) return Missing(path);
  return file;
}

common::Result EnsureFileExists(const std::string& path) {
  if (FilePtr file(std::fopen(path.c_str(), "rb")); !file) return Missing(path);
  return common::Result::Ok();
}

}  // namespace quentaris
