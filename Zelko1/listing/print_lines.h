#pragma once
// The listing to print: its lines as the page printer shows them, without
// their line ends, each at most 118 characters.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace zevril {

// Longer pieces of a physical line go on as the next table line.
inline constexpr std::size_t kLinePieceLength = 126;
// A line of more visible characters is cut to this many.
inline constexpr std::size_t kMaxPrintedLength = 118;

struct PrintLineTable {
  std::vector<std::string> lines;
  int count() const { return static_cast<int>(lines.size()); }
};

// The table lines of a listing's bytes: every physical line loses its CR LF or
// LF; a line longer than 126 characters goes on as the next table line; a
// table line of 119 visible characters or more is cut to 118. A last line
// without an end counts.
PrintLineTable SplitPrintLines(std::span<const char> bytes);

// Fills the table from a file; false (and an empty table) when it cannot be read.
bool LoadPrintFile(const std::string& path, PrintLineTable& table);

}  // namespace zevril
