#pragma once
// The card reader: one data line of an echo text read into typed columns.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/echo/column_kind.h"

namespace common::echo {

// One column of a card.
struct Column {
  std::string text;    // the field through FilterField of the column's kind
  bool read = false;   // the field held a kept character and was converted
  int whole = 0;       // the value of a kWhole column (ReadWhole)
  double real = 0.0;   // the value of a column of any other kind (ReadReal)
};

// A field read as a column of `kind`. Without a kept character the column is
// not read and both values stay 0.
Column ReadColumn(std::string_view field, ColumnKind kind);

// One line read as columns of the given kinds.
class Card {
 public:
  Card() = default;
  Card(std::vector<Column> columns, std::size_t field_count)
      : columns_(std::move(columns)), field_count_(field_count) {}

  // Column i (0-based); a column beyond those read is an empty, unread column.
  const Column& operator[](std::size_t i) const;
  std::size_t size() const { return columns_.size(); }
  // The number of fields the line held (before the surplus check).
  std::size_t field_count() const { return field_count_; }
  // The text of the first number column whose value is not finite or does not
  // fit a float (the records' type), nullopt when every value fits.
  std::optional<std::string> FirstUnfitNumber() const;

 private:
  std::vector<Column> columns_;
  std::size_t field_count_ = 0;
};

// Reads `line` as a card of kinds.size() columns: the line is split into fields
// (SplitFields); a line with more fields than columns goes through the surplus
// check (DropSurplusFields); field i fills column i through ReadColumn, and a
// missing field reads as the text "0". Fields beyond the columns are not used.
Card ReadCard(std::string_view line, std::span<const ColumnKind> kinds);

// The input error of a line that holds a number beyond a float: "the number
// <text> in the line "<line>" is too large", for the caller to put in its own
// message.
std::string UnfitNumberProblem(std::string_view number, std::string_view line);

// The count of a count line (the line after a section keyword): the line read
// as one kWhole column. 'n = 3' -> 3, '3 materials' -> 3, '1e2' -> 1, '-4' -> 4,
// an empty line or one without a digit -> 0. Never negative.
int ReadCount(std::string_view line);

}  // namespace common::echo
