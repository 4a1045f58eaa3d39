#include "geometry/tables/table_numbers.h"

#include <algorithm>

namespace kelmf {

common::Outcome<TableNumbers> ReadTableNumbers(const TableCells& cells, int count,
                                               const std::vector<TableColumn>& columns,
                                               const std::function<bool(int, const std::string&)>& keep_text) {
  TableNumbers numbers;
  const int rows = std::min(count, static_cast<int>(cells.size()));
  for (int r = 1; r <= rows; ++r) {
    const std::vector<std::string>& texts = cells[static_cast<std::size_t>(r - 1)];
    std::vector<double> row(texts.size(), 0.0);
    for (std::size_t i = 0; i < texts.size() && i + 1 < columns.size(); ++i) {
      const int column = static_cast<int>(i) + 1;
      if (keep_text && keep_text(column, texts[i])) continue;
      const TableColumn& kind = columns[i + 1];
      common::Outcome<double> value = common::ReadCellNumber(texts[i], kind.type, r, kind.header);
      if (!value) return value.failure();
      row[i] = *value;
    }
    numbers.push_back(std::move(row));
  }
  return numbers;
}

}  // namespace kelmf
