#include "loads/tables/table_state.h"

#include "grid/cell_filter.h"

namespace pundf::tables {
namespace {

std::string_view AllowedCharacters(int kind) {
  switch (kind) {
    case 1: return "0123456789-,.+L";
    case 2: return "0123456789-,.+Ee";
    case 3: return "0123456789";
    case 4: return "jnJN";
    case 5: return "kKmMvV";
    case 6: return "fFhHKmMvVnN";
    case 7: return "xXyYnNtT";
    default: return "";
  }
}

}  // namespace

void TableState::Reset(int columns) {
  kinds.fill(0);
  links.fill(0);
  for (int c = 1; c < columns && c < kMaxTableColumns; ++c) kinds[static_cast<std::size_t>(c)] = 1;
}

void TableState::SetKind(int col, int kind) {
  if (col >= 0 && col < kMaxTableColumns) kinds[static_cast<std::size_t>(col)] = kind;
}

std::string CleanCellText(int kind, std::string_view text) {
  if (kind == 0) return std::string(text);
  return grid::KeepAllowedCharacters(text, AllowedCharacters(kind));
}

}  // namespace pundf::tables
