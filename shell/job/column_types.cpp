#include "shell/job/column_types.h"

#include "platform/controls/edit_text.h"

namespace quentaris {

namespace {

// The characters of each type; nullptr keeps any.
const char* AllowedCharacters(int type) {
  switch (type) {
    case 0: return nullptr;
    case 1: return "0123456789-,.+";
    case 2: return "0123456789-,.+Ee";
    case 3: return "0123456789";
    case 4: return "jnJN";
    case 5: return "hHvV";
    case 6: return "123456789, ";
    case 7: return "123456789GAVEgave";
    case 8: return "uUoO";
    case 9:
    case 14: return "IERWKierwk";
    case 10: return "aAbBgGqQpPsSvVwW123456789";
    case 11: return "aAgG123456789";
    case 12: return "0123456789vVnNgGbBsStTwW";
    case 15: return "IERier";
    default: return "";
  }
}

}  // namespace

bool TypeAllows(int type, char c) {
  const char* allowed = AllowedCharacters(type);
  if (allowed == nullptr) return true;
  return c != '\0' && std::string_view(allowed).find(c) != std::string_view::npos;
}

std::string CleanEditedText(std::string_view text, int type) {
  const bool keeps_separators = type == 1 || type == 6;
  bool separator_seen = false;
  std::string cleaned;
  for (char c : text) {
    if (!keeps_separators && (c == '.' || c == ',')) {
      if (separator_seen) continue;
      separator_seen = true;
      c = '.';
    }
    if (TypeAllows(type, c)) cleaned += c;
  }
  if (type != 0) {
    for (char& c : cleaned) c = plat::UpperCp1252(c);
  }
  return cleaned;
}

}  // namespace quentaris
