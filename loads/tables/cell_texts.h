#pragma once
// A table's cell texts as the OK steps read them, row 0 the headings, and how
// a refused row is reported.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pundf::tables {

using CellTexts = std::vector<std::vector<std::string>>;

// The text of (row, col) as it stands; empty outside the table.
std::string CellRaw(const CellTexts& cells, int row, int col);
// The text of (row, col), trimmed of blanks; empty outside the table.
std::string CellText(const CellTexts& cells, int row, int col);

// Why an OK step took nothing: the message, its caption and the cell to show.
struct Refusal {
  std::string message;
  std::string caption;
  int row = 0;
  int col = 0;
};

// A whole number of digits only ("12"); nullopt for anything else.
std::optional<int> CellInteger(std::string_view text);

// `rows` rows of as many cells as `heading` has: row 0 the heading, column 0
// the row numbers 1.., the rest empty.
CellTexts EmptyTable(int rows, std::vector<std::string> heading);

// A number as printf's `format` writes it ("%.2f", "%5.2E").
std::string FormatNumber(const char* format, double value);

// "Row r: <what> <value> ..." for a refusal.
Refusal RefuseCell(int row, int col, const std::string& what, const std::string& value, const std::string& why);

// The number typed in (row, col) as the float it is stored in (a blank cell
// reads 0): common::ReadCellNumber under the column's heading `column`, so that
// a text that is no number, or a number too large for the files, refuses the
// table naming row, column and text. Nothing is written to `value` then.
std::optional<Refusal> CellFloat(const CellTexts& cells, int row, int col, std::string_view column, float& value);

}  // namespace pundf::tables
