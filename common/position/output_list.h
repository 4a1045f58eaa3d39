#pragma once
// The numbered text listings of a position: the page counter LASTD (one int16, the number of the
// last page D<n>.TXT handed out) and the output list FILES (one text line per page), to which
// every computing program adds its pages.
#include <optional>
#include <string>
#include <string_view>

#include "common/position/position.h"
#include "common/records/record_files.h"

namespace common {

inline constexpr const char* kOutputListFile = "FILES";
inline constexpr const char* kPageCounterFile = "LASTD";

// A new page counter holds this: pages 1 and 2 are the geometry and the load listings.
inline constexpr int kFirstCounterValue = 2;

struct PageCount {
  FileStatus status;  // missing, damaged (shorter than an int16), or ok with the value
  int value = 0;
};

// Reads LASTD of the position.
PageCount ReadPageCounter(const Position& position);
// Writes LASTD (value 0..32767); false when it cannot be written.
bool WritePageCounter(const Position& position, int value);

// The next page: a missing LASTD is created holding 2, then its value is read and raised by 1.
// The result holds the new value, or why there is none: LASTD missing after its creation (or not
// creatable), or damaged (shorter than an int16, negative, or at 32767 with no number left).
// LASTD keeps its value: the caller writes the new one once the page is written, so that LASTD
// never names a page that is not there.
PageCount NextPage(const Position& position);
// NextPage, written back at once; missing when it cannot be written.
PageCount AdvancePageCounter(const Position& position);

// "D<n>".
std::string PageLabel(int page);
// Position folder + label + ".TXT".
std::string PageFile(const Position& position, std::string_view label);

// A line of the output list without its end: 14 blanks, the page label, then `rest`.
std::string OutputListEntry(std::string_view label, std::string_view rest);

// The line of a page of a load case: 14 blanks, the label filled with blanks to 10 characters (8
// blanks behind a label of any other length than 2..5), the load-case number filled with blanks
// to 18 characters, 2 blanks and the contents text.
std::string LoadCasePageEntry(std::string_view label, int load_case, std::string_view contents);

// The number of a name made of `letter` and 1 to 5 decimal digits ("D12": 12); nullopt otherwise.
std::optional<int> NumberedName(std::string_view name, char letter);
// The numbered name in a line of a list: from its first `letter` up to the first of `ends` after
// it, when that is `letter` and digits; nullopt otherwise.
std::optional<std::string> NumberedNameOfLine(std::string_view line, char letter, std::string_view ends);
// The listing a FILES line names: from its first "D" to the next blank ("D12"); nullopt when that
// is not "D" and digits.
std::optional<std::string> ListingOfLine(std::string_view line);
// The load case of a FILES line that starts (after blanks) with its listing: the whole number
// that follows the listing name after blanks; nullopt when there is none (D1, D2, a header).
std::optional<int> LoadCaseOfLine(std::string_view line);
// The listing of the first FILES line of load case `load_case` ("D5"); nullopt when no line is
// of that load case or FILES cannot be read.
std::optional<std::string> FindLoadCaseListing(const Position& position, int load_case);

// Appends the line and a line end to FILES; false when FILES cannot be opened or written.
bool AppendOutputList(const Position& position, std::string_view line);

}  // namespace common
