#pragma once
// The command line of the load input: ".12 @/data/ @3" or ".12 @/data/ @G".
#include <optional>
#include <cstddef>
#include <string>
#include <string_view>

namespace pundf {

struct CommandLine {
  std::string ext;        // the position suffix, ".12"
  std::string data_path;  // the data path as given
  bool rebuild = false;   // third part beginning with "G": rebuild the load cases and end
  int load_case = 0;      // any other third part read as a decimal number; 0 when none
};

// Parses the joined command line: the suffix is the text before the first "@"
// without its last character (the blank); the data path is the text between
// the first and a second "@" without its last character, or all the text
// after the first "@"; the third part follows the second "@". nullopt (missing
// input) for a text without "@", with an empty suffix or data path, or with
// one longer than kMaxCommandPart (the settings files EXTR and DPATH hold 240).
inline constexpr std::size_t kMaxCommandPart = 240;
std::optional<CommandLine> ParseCommandLine(std::string_view text);

// The message of a missing or unusable command line.
inline constexpr const char* kMissingInputText = "Command line: .POS @PathDta\\ ";
inline constexpr const char* kMissingInputCaption = "Missing Input";

}  // namespace pundf
