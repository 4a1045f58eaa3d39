#pragma once
// The position a name typed into the position combo stands for.
#include <string>
#include <string_view>

namespace quentaris {

// The typed text without blanks and tabs at both ends.
std::string TrimmedName(std::string_view typed);

struct PositionChoice {
  std::string name;   // the spelling of the existing folder, else the typed name
  bool is_new = true; // no position folder of that name under the data path
};

// An existing folder "SDIR<name>" of `data_path` whose name matches `typed`
// without regard to case keeps its own spelling; otherwise the name is new.
PositionChoice ChoosePosition(const std::string& data_path, const std::string& typed);

}  // namespace quentaris
