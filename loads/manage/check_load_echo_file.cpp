#include "loads/manage/check_load_echo_file.h"

#include <cstdio>

#include "platform/files.h"
#include "platform/text_file.h"

namespace pundf {
namespace {

bool Opens(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return plat::FileExists(path);
}

}  // namespace

bool CheckLoadEchoFile(const common::Position& position) {
  if (Opens(position.TextFile("ECHO_L"))) return true;
  const std::string bare = position.File("ECHO_L");
  if (!plat::FileExists(bare) || plat::FileExists(position.FolderFile("D2.TXT"))) return false;
  const auto lines = plat::ReadLines(bare);
  if (!lines) return false;
  plat::TextWriter copy(position.File("ACADLOAD"));
  for (const std::string& line : *lines) copy.Write(line + "\n");
  copy.Close();
  return true;
}

common::Result CheckLoadEchoReadable(const common::Position& position) {
  const std::string path = position.TextFile("ECHO_L");
  const bool present = plat::FileExists(path) || plat::FolderExists(path);
  if (!present || Opens(path)) return common::Result::Ok();
  return common::Result::Fail("The file " + path + " cannot be read.", "Error");
}

}  // namespace pundf
