#include "common/text_to_float.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace common {
namespace {
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}
}  // namespace

float TextToFloat(std::string_view text) {
  char buffer[121];
  std::size_t n = 0;
  for (char c : text) {
    if (n == 120 || c == '\0') break;
    buffer[n++] = c == ',' ? '.' : c;
  }
  buffer[n] = '\0';
  if (n == 0) return 0.0f;
  return static_cast<float>(strtod_l(buffer, nullptr, CLocale()));
}

}  // namespace common
