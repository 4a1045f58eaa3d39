#pragma once
// The lines of the texts dialog: the position's listings (from FILES) and its
// exported pictures (from GRAPHICFILES.TXT), each with a background colour
// index of the coloured list, and the names the commands take from a line.
#include <optional>
#include <string>
#include <vector>

namespace quentaris {

inline constexpr const char* kTextsHeader = "  File   Load case                  Contents";
inline constexpr const char* kPictureListFile = "GRAPHICFILES.TXT";
// Lines of FILES and GRAPHICFILES.TXT are read up to this many characters.
inline constexpr std::size_t kTextsLineLimit = 119;
// The prefix the programs write before a list entry.
inline constexpr std::size_t kTextsPrefix = 12;

struct TextsLine {
  std::string text;
  int colour = 1;  // background index into the list's colour table
};

// The whole list of `position_folder` (ends with "/"): the header, the
// listings coloured by load case, and the pictures after a "Files in" line.
std::vector<TextsLine> FillTextsLines(const std::string& position_folder);

// The line's name: its text without the first two characters, leading blanks
// removed, up to the end; empty for a "Files in" line.
std::string TextsLineName(const std::string& line);
// "D<n>" of a listing line; empty when the line names no listing.
std::string ListingName(const std::string& line);
// "G<i>" of a picture line; empty when the line names no picture.
std::string PictureName(const std::string& line);
// The <n> of a listing's name.
std::optional<int> ListingNumber(const std::string& line);
// The <i> of a picture's name.
std::optional<int> PictureNumber(const std::string& line);
// ".jpg" or ".bmp" when the line holds it, else ".emf".
std::string PictureExtension(const std::string& line);

}  // namespace quentaris
