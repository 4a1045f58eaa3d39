#include "shell/settings/position_list.h"

#include <algorithm>

#include "common/trim.h"
#include "platform/text_file.h"
#include "shell/settings/settings_names.h"

namespace quentaris {

PositionList ReadPositionList(const std::string& path) {
  PositionList list;
  const auto lines = plat::ReadLines(path);
  if (!lines) return list;
  for (std::size_t i = 0; i < lines->size() && list.entries.size() < kMaxListedPositions; i += 2) {
    PositionList::Entry entry{common::TrimTrailingWhiteSpace((*lines)[i]), {}};
    if (i + 1 < lines->size()) entry.data_path = common::TrimTrailingWhiteSpace((*lines)[i + 1]);
    list.entries.push_back(std::move(entry));
  }
  return list;
}

namespace {

bool StoreEntries(const ShellState& state) {
  std::string text;
  for (const PositionList::Entry& entry : state.positions.entries) text += entry.name + "\n" + entry.data_path + "\n";
  return plat::WriteTextFile(state.SettingsWritePath(kPositionListFile), text);
}

}  // namespace

bool WritePositionList(ShellState& state, Duplicates duplicates) {
  const PositionList::Entry current{state.position_name, state.data_path_without_slash()};
  auto& entries = state.positions.entries;
  entries.insert(entries.begin(), current);
  if (entries.size() > kMaxListedPositions) entries.resize(kMaxListedPositions);
  if (duplicates == Duplicates::kDrop) {
    entries.erase(std::remove(entries.begin() + 1, entries.end(), current), entries.end());
  }
  state.positions.changed = true;
  return StoreEntries(state);
}

bool RemoveFromPositionList(ShellState& state, const std::string& name) {
  const PositionList::Entry gone{name, state.data_path_without_slash()};
  auto& entries = state.positions.entries;
  entries.erase(std::remove(entries.begin(), entries.end(), gone), entries.end());
  state.positions.changed = true;
  return StoreEntries(state);
}

}  // namespace quentaris
