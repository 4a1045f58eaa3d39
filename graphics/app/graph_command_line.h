#pragma once
// The command line with which the shell starts the results viewer:
// "<suffix> @<data path>", optionally " @<load case to show first>".
#include <optional>
#include <string>
#include <string_view>

namespace revuzavi {

struct GraphCommandLine {
  std::string ext;          // PositionExt, ".0"
  std::string data_path;    // as passed, "/d/"
  int start_load_case = 0;  // the third part as a whole number; 0 the diary's first
};

// nullopt for an empty line or one without "@" ("Missing input").
std::optional<GraphCommandLine> ParseGraphCommandLine(std::string_view text);

inline constexpr const char* kMissingInputText = "Command line: .POS @PathData/ ";
inline constexpr const char* kMissingInputCaption = "Missing input";

}  // namespace revuzavi
