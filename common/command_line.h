#pragma once
// The command line with which the shell starts a program of a position:
// "<suffix> @<data path>", optionally followed by " @<third part>".
#include <optional>
#include <string>
#include <string_view>

namespace common {

struct CommandLineParts {
  std::string suffix;                // the text before the first "@" without its last character (the blank)
  std::string data_path;             // see SplitCommandLine
  std::optional<std::string> third;  // the text after a second "@", when there is one
};

// Splits the joined command line. The suffix is the text before the first "@"
// without its last character; empty when "@" comes first. With a second "@",
// the data path is the text between the two without its last character (the
// separating blank) and the third part is all the text after the second;
// without one, the data path is all the rest (a trailing blank stays in it).
// nullopt for a text without "@".
std::optional<CommandLineParts> SplitCommandLine(std::string_view text);

}  // namespace common
