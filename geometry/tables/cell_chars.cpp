#include "geometry/tables/cell_chars.h"

#include <array>
#include <cctype>

namespace kelmf {
namespace {

constexpr std::array<std::string_view, 13> kKindChars = {
    "",                                // 0: every character
    "0123456789-,.+",                  // 1
    "0123456789-,.+Ee ",               // 2
    "0123456789",                      // 3
    "jnJN",                            // 4
    "gGbB",                            // 5
    "dDeEfFgGmMqQsStTrRuUvVwW&IiYy",   // 6
    "kKsS",                            // 7
    "wWsSuUfF",                        // 8
    " dDgGeEfF",                       // 9
    " 1234567890cCbB/",                // 10
    "UuoO",                            // 11
    "0123",                            // 12
};

}  // namespace

bool IsCellCharAllowed(char ch, int kind) {
  if (kind == 0) return true;
  if (kind < 0 || kind >= static_cast<int>(kKindChars.size()) || ch == '\0') return false;
  return kKindChars[static_cast<std::size_t>(kind)].find(ch) != std::string_view::npos;
}

std::string CleanCellText(std::string_view text, int kind) {
  std::string out;
  for (char ch : text) {
    if (ch == ',') ch = '.';
    if (!IsCellCharAllowed(ch, kind)) continue;
    if (kind != 0) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    out.push_back(ch);
  }
  return out;
}

}  // namespace kelmf
