#pragma once
// The listing to print: its lines as the page printer shows them, without
// their line ends.
#include <span>
#include <string>
#include <vector>

namespace zevril {

struct PrintLineTable {
  std::vector<std::string> lines;
  int count() const { return static_cast<int>(lines.size()); }
};

// The table lines of a listing's bytes: every physical line, whole, without
// its CR LF or LF (the pages break a long one, LayOutListing). A last line
// without an end counts.
PrintLineTable SplitPrintLines(std::span<const char> bytes);

// Fills the table from a file; false (and an empty table) when it cannot be read.
bool LoadPrintFile(const std::string& path, PrintLineTable& table);

}  // namespace zevril
