#pragma once
// The reset's part for the outputs of a position: the text listings D<n> of FILES and the pictures
// G<n> of GRAPHICFILES.TXT.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/position/position.h"
#include "shell/positions/folder_cleaner.h"
#include "shell/positions/reset_position.h"

namespace quentaris {

// The number of a name made of `letter` and decimal digits only ("D12": 12); nullopt otherwise.
std::optional<int> NumberedName(std::string_view name, char letter);

// The listing named by a FILES line: from its first "D" to the next blank. Nullopt when that is
// not "D" and digits.
std::optional<std::string> ListingOfLine(std::string_view line);
// The picture named by a GRAPHICFILES.TXT line: from its first "G" to the point of its extension
// (or the next blank). Nullopt when that is not "G" and digits.
std::optional<std::string> PictureOfLine(std::string_view line);

// Replaces the list FILES at `path` with these lines (ended by CR LF); false, with the file named
// in the report, when it cannot be written (it keeps its old bytes).
bool RewriteOutputList(const std::string& path, const std::vector<std::string>& lines, ResetReport& report);

// With LASTD above 0: deletes every listing of FILES but D1 and D2 (D<n>, D<n>.TXT, D<n>.PDF),
// replaces FILES with the last D1 and the last D2 line and writes LASTD 2.
void ResetListings(const common::Position& position, FolderCleaner& cleaner, ResetReport& report);

// With the low 16 bits of CLIP<ext> above 0: deletes the pictures of GRAPHICFILES.TXT (.bmp, .jpg,
// .emf); then deletes GRAPHICFILES.TXT and CLIP<ext>.
void ResetPictures(const common::Position& position, FolderCleaner& cleaner);

}  // namespace quentaris
