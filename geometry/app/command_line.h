#pragma once
// The command line of the geometry input: ".12 @/data/" or ".12 @/data/ @G".
#include <optional>
#include <string>
#include <string_view>

namespace kelmf {

struct CommandLine {
  std::string ext;        // the position suffix, ".12"; empty when "@" comes first
  std::string data_path;  // the data path as given
  bool rebuild = false;   // a third part beginning with a capital "G": rebuild from the echo text
};

// Parses the joined command line (common::SplitCommandLine); any third part
// but one beginning with "G" is ignored. nullopt for an empty text or one
// without "@".
std::optional<CommandLine> ParseCommandLine(std::string_view text);

// The message of a missing or unusable command line.
inline constexpr const char* kMissingInputText = "Command line: .POS @PathData\\ ";
inline constexpr const char* kMissingInputCaption = "Missing input";

}  // namespace kelmf
