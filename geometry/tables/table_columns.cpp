#include "geometry/tables/table_columns.h"

namespace kelmf {
namespace {

constexpr common::CellType kFloat = common::CellType::kFloat;
constexpr common::CellType kInt16 = common::CellType::kInt16;
constexpr common::CellType kInt32 = common::CellType::kInt32;

// The widest texts of the formats the tables fill their cells with.
constexpr const char* kRowNumber = "888";
constexpr const char* kFixed2 = "-888.88";      // "%.2f"
constexpr const char* kFixed3 = "-88.888";      // "%.3f"
constexpr const char* kExponent3 = "-8.888E-08";  // "%.3E", "%5.3E"
constexpr const char* kExponent4 = "-8.8888E-08";  // "%.4E" of the cross-section step
constexpr const char* kWhole = "88";

}  // namespace

const std::vector<TableColumn>& ElementColumns() {
  static const std::vector<TableColumn> columns = {
      {"Element", 0, kFloat, kRowNumber}, {"xa [m]", 1, kFloat, kFixed2}, {"ya [m]", 1, kFloat, kFixed2},
      {"xb [m]", 1, kFloat, kFixed2},     {"yb [m]", 1, kFloat, kFixed2}, {"Mat.", 3, kInt16, kWhole},
      {"Sect.", 3, kInt16, kWhole},       {"C", 3, kInt16, kWhole},       {"T", 3, kInt16, kWhole},
      {"H left", 3, kInt16, kWhole},      {"H right", 3, kInt16, kWhole}};
  return columns;
}

const std::vector<TableColumn>& NodeColumns() {
  static const std::vector<TableColumn> columns = {
      {"Nodes", 0, kFloat, kRowNumber}, {"x", 2, kFloat, kFixed2},     {"y", 2, kFloat, kFixed2},
      {"u", 2, kFloat, kExponent3},     {"v", 2, kFloat, kExponent3}, {"phi", 2, kFloat, kExponent3}};
  return columns;
}

const std::vector<TableColumn>& CrossSectionColumns() {
  static const std::vector<TableColumn> columns = {
      {"Nr.", 0, kFloat, kRowNumber},        {"width [m]", 1, kFloat, kFixed3}, {"height [m]", 1, kFloat, kFixed3},
      {"Area [m2]", 2, kFloat, kExponent4}, {"I [m4]", 2, kFloat, kExponent4}};
  return columns;
}

const std::vector<TableColumn>& MaterialColumns() {
  static const std::vector<TableColumn> columns = {
      {"", 0, kFloat, kRowNumber}, {"Nr.", 10, kInt16, "C100/115"}, {"E-Modulus [kN/m2]", 2, kFloat, kExponent3}};
  return columns;
}

const std::vector<TableColumn>& SpanColumns() {
  static const std::vector<TableColumn> columns = {{"Span", 0, kFloat, kRowNumber}, {"x [m]", 2, kFloat, kFixed2}};
  return columns;
}

// Heights and spacings take decimals ("3,5"); the number of piers is whole.
const std::vector<TableColumn>& StoreyColumns() {
  static const std::vector<TableColumn> columns = {{"Floor", 0, kFloat, kRowNumber},
                                                   {"Floor height [m]", 2, kFloat, kFixed3},
                                                   {"Number of columns", 3, kInt32, kWhole},
                                                   {"Spacing [m]", 2, kFloat, kFixed3}};
  return columns;
}

}  // namespace kelmf
