#include "graphics/reanalysis/reanalysis_state.h"

#include <algorithm>

namespace revuzavi {
namespace {

std::int32_t& Entry(std::vector<std::int32_t>& table, int s) {
  const std::size_t index = static_cast<std::size_t>(std::max(s, 0));
  if (table.size() <= index) table.resize(index + 1, 0);
  return table[index];
}

}  // namespace

bool PickList::Contains(int item) const { return std::find(items_.begin(), items_.end(), item) != items_.end(); }

bool PickList::Add(int item) {
  if (count() >= kRoom || Contains(item)) return false;
  items_.push_back(item);
  return true;
}

void PickList::Truncate(int n) {
  if (n >= 0 && n < count()) items_.resize(static_cast<std::size_t>(n));
}

std::int32_t& StepTable::element_count(int s) { return Entry(elements, s); }
std::int32_t& StepTable::node_count(int s) { return Entry(nodes, s); }

void StepTable::Clear() {
  std::fill(elements.begin(), elements.end(), 0);
  std::fill(nodes.begin(), nodes.end(), 0);
}

}  // namespace revuzavi
