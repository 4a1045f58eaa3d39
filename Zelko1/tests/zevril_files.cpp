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

std::string Normalised(std::string_view text) {
  std::string out;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out += blank ? ' ' : c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

}  // namespace zevril::testing
