#pragma once
// The files behind the texts dialog's lines: the file a line shows, copies and
// deletes, and the rewrite of the lists and counters after a delete.
#include <string>
#include <vector>

#include "shell/texts/texts_lines.h"

namespace quentaris {

// The file of a line in `position_folder`, found without regard to case: a
// listing's <name>.txt, a picture's <name> with its extension; empty when the
// line names neither.
std::string TextsLineFile(const std::string& position_folder, const std::string& line);

// The listing file ZEVRIL prints: <name>.TXT when it exists (any case), else
// the bare <name>; empty when the line names no listing.
std::string ZevrilListingFile(const std::string& position_folder, const std::string& line);

// Source and target of the copy of a line to `target_folder`; empty when the
// line has no name. A listing copies its .pdf with `pdf`, else its .txt.
struct TextsCopy {
  std::string source;
  std::string target;
};
TextsCopy TextsCopyPaths(const std::string& position_folder, const std::string& line, const std::string& target_folder,
                         const std::string& preamble, bool pdf);

// Deletes the files of the chosen lines, removes those lines from `lines` and
// rewrites FILES, GRAPHICFILES.TXT, LASTD (the highest remaining listing, never
// below 2) and `picture_counter_file` (the highest remaining picture, 0 when
// none). Returns the paths that could not be written (files it could not
// delete keep their lines).
std::vector<std::string> DeleteTextsLines(const std::string& position_folder, const std::string& picture_counter_file,
                                          std::vector<std::string>& lines, const std::vector<int>& chosen);

}  // namespace quentaris
