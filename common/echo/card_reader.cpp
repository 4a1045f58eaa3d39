#include "common/echo/card_reader.h"

#include <cfloat>
#include <cmath>

#include "common/echo/fields.h"
#include "common/echo/number_reader.h"

namespace common::echo {

Column ReadColumn(std::string_view field, ColumnKind kind) {
  Column column;
  column.text = FilterField(field, kind);
  column.read = column.text.find_first_not_of(' ') != std::string::npos;
  if (!column.read) return column;
  if (kind == ColumnKind::kWhole) {
    column.whole = ReadWhole(column.text);
  } else {
    column.real = ReadReal(column.text);
  }
  return column;
}

const Column& Card::operator[](std::size_t i) const {
  static const Column kEmpty;
  return i < columns_.size() ? columns_[i] : kEmpty;
}

std::optional<std::string> Card::FirstUnfitNumber() const {
  for (const Column& column : columns_) {
    if (!std::isfinite(column.real) || std::fabs(column.real) > FLT_MAX) {
      const auto first = column.text.find_first_not_of(' ');
      const auto last = column.text.find_last_not_of(' ');
      return column.text.substr(first, last - first + 1);
    }
  }
  return std::nullopt;
}

std::string UnfitNumberProblem(std::string_view number, std::string_view line) {
  return "the number " + std::string(number) + " in the line \"" + std::string(line) + "\" is too large";
}

Card ReadCard(std::string_view line, std::span<const ColumnKind> kinds) {
  const std::vector<std::string_view> split = SplitFields(line);
  const std::vector<std::string_view> fields = DropSurplusFields(split, kinds);
  std::vector<Column> columns;
  columns.reserve(kinds.size());
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    columns.push_back(ReadColumn(i < fields.size() ? fields[i] : std::string_view("0"), kinds[i]));
  }
  return Card(std::move(columns), split.size());
}

int ReadCount(std::string_view line) {
  static constexpr ColumnKind kCount[] = {ColumnKind::kWhole};
  return ReadCard(line, kCount)[0].whole;
}

}  // namespace common::echo
