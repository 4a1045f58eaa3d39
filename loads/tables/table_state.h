#pragma once
// What PUNDF's table grids share while a table dialog is open: the character
// kind of every column (what the end of an edit keeps), the column that Enter
// copies into, and which table is open (its own Enter rules).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pundf::tables {

inline constexpr int kMaxTableColumns = 32;

// The table modes.
inline constexpr int kNoTableMode = 0;
inline constexpr int kLineLoadMode = 2;
inline constexpr int kPointLoadMode = 1000;

struct TableState {
  // Kind per column: 0 free text, 1 number, 2 number with exponent, 3 digits,
  // 4 "jnJN", 5 "kKmMvV", 6 point-load types, 7 directions.
  std::array<std::int32_t, kMaxTableColumns> kinds{};
  // Per column the column that Enter fills from it in the same row (0: none).
  std::array<std::int32_t, kMaxTableColumns> links{};
  int mode = kNoTableMode;

  int KindOf(int col) const { return col >= 0 && col < kMaxTableColumns ? kinds[static_cast<std::size_t>(col)] : 0; }
  int LinkOf(int col) const { return col >= 0 && col < kMaxTableColumns ? links[static_cast<std::size_t>(col)] : 0; }
  // Columns 1..columns-1 get kind 1, links are cleared.
  void Reset(int columns);
  void SetKind(int col, int kind);
};

// An edited cell's text cleaned by its column's kind: kind 0 keeps the text;
// any other keeps the first '.' or ',' as '.', drops every later one and every
// character the kind does not allow, and upper-cases the rest.
std::string CleanCellText(int kind, std::string_view text);

}  // namespace pundf::tables
