#include "common/echo/column_kind.h"

namespace common::echo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool In(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether a column of `kind` keeps `c` (already upper-cased where the kind asks).
bool Keeps(ColumnKind kind, char c) {
  switch (kind) {
    case ColumnKind::kPrintable: {
      const auto byte = static_cast<unsigned char>(c);
      return byte > ' ' && byte != 0x7F;
    }
    case ColumnKind::kDecimal: return IsDigit(c) || c == '-' || c == '.';
    case ColumnKind::kReal: return IsDigit(c) || In(c, "+-.E");
    case ColumnKind::kWhole: return IsDigit(c);
    case ColumnKind::kLettersJN: return In(c, "JN");
    case ColumnKind::kLettersEMKVS: return In(c, "EMKVS");
    case ColumnKind::kLettersMV: return In(c, "MV");
    case ColumnKind::kLettersVH: return In(c, "VH");
    case ColumnKind::kAlphanumeric: return IsDigit(c) || IsUpper(c);
    case ColumnKind::kLetterQ: return c == 'Q';
    case ColumnKind::kLettersXYNT: return In(c, "XYNT");
  }
  return false;
}

}  // namespace

bool IsNumberKind(ColumnKind kind) {
  return kind == ColumnKind::kDecimal || kind == ColumnKind::kReal || kind == ColumnKind::kWhole;
}

std::string FilterField(std::string_view field, ColumnKind kind) {
  const bool decimal_comma = kind == ColumnKind::kDecimal || kind == ColumnKind::kReal;
  std::string column(field.size(), ' ');
  for (std::size_t i = 0; i < field.size(); ++i) {
    char c = field[i];
    if (kind != ColumnKind::kPrintable) c = Upper(c);
    if (decimal_comma && c == ',') c = '.';
    if (Keeps(kind, c)) column[i] = c;
  }
  return column;
}

}  // namespace common::echo
