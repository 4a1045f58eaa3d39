#include "Zelko1/tests/zevril_files.h"

#include <cstdio>

#include "platform/binary_io.h"

namespace zevril::testing {

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "LINE %03d\r\n", i);
    text += line;
  }
  return text;
}

bool WriteAll(const std::string& path, std::string_view text) { return plat::WriteBlock(path, text.data(), text.size()); }

std::string ReadAll(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

}  // namespace zevril::testing
