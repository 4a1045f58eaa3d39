#pragma once
// How pasted or dropped text becomes cell texts: lines at "\n"; within a line,
// fields split at any run of tabs, commas and line feeds (empty fields between
// separators do not count), each trimmed of white space. An empty line that a
// "\n" ends gives one empty field; an empty last line gives none.
#include <string>
#include <string_view>
#include <vector>

namespace grid {

std::vector<std::vector<std::string>> SplitPastedText(std::string_view text);

}  // namespace grid
