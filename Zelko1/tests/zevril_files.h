#pragma once
// Small files of the page printer's tests: listings of numbered lines, the
// page counter and whole files as text.
#include <string>
#include <string_view>

namespace zevril::testing {

// "LINE 001" .. in CR LF lines.
std::string NumberedLines(int count);
bool WriteAll(const std::string& path, std::string_view text);
// The file's bytes; empty when it is missing.
std::string ReadAll(const std::string& path);
// Blanks, tabs and line ends as one blank; none at the ends.
std::string Normalised(std::string_view text);

}  // namespace zevril::testing
