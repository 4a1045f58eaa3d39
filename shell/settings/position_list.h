#pragma once
// LISTP.TXT in the settings folder: the recently used positions, newest first,
// two lines each: the name and the data path without its final "/".
#include <string>

#include "shell/state/shell_state.h"

namespace quentaris {

inline constexpr std::size_t kMaxListedPositions = 20;

// At most 20 entries; lines are read whole with trailing white space trimmed;
// a name without a path line has an empty path. Empty when the file is missing.
PositionList ReadPositionList(const std::string& path);

enum class Duplicates {
  kDrop,  // the current position's other entries go
  kKeep,  // the new-position dialog keeps them
};

// Puts the current position first (the oldest of 20 falls off), then drops
// its other entries unless told to keep them, and rewrites LISTP.TXT; false
// when the file cannot be written.
bool WritePositionList(ShellState& state, Duplicates duplicates = Duplicates::kDrop);

// Drops every entry of the position `name` under the current data path (a
// deleted position) and rewrites LISTP.TXT; false when it cannot be written.
bool RemoveFromPositionList(ShellState& state, const std::string& name);

}  // namespace quentaris
