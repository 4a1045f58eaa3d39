#pragma once
// The layout of the load echo text ECHO_L<ext>.TXT: its keywords and where
// the entry of each load case begins and ends.
//
//   LOAD CASES                      first line of the file
//   LC <n>                          an entry per load case, in the order of
//   <points> <line loads> <origin>  their first store
//   TITLE
//   <title>
//   then, as the load case has them: GRAVITYLOAD, LINELOADS, POINTLOADS,
//   TEMPERATURE, SETTLEMENT, PRESTRESS, each keyword on a line of its own
//   followed by its lines.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "common/echo/echo_text.h"

namespace pundf {

// Line kinds of the keywords (0 is any other line, "LOAD CASES" included).
enum LoadEchoKeyword : int {
  kEchoLc = 1,
  kEchoTitle = 2,
  kEchoGravity = 3,
  kEchoLineLoads = 4,
  kEchoPointLoads = 5,
  kEchoTemperature = 6,
  kEchoSettlement = 7,
  kEchoPrestress = 8,
};

inline constexpr const char* kLoadEchoHeader = "LOAD CASES";

// The reading rules of the load echo text: the eight keywords, "TITLE" as the
// title keyword, every line converted from the OEM code page unless the text
// is ANSI.
const common::echo::EchoTextRules& LoadEchoRules();

// One load case's entry: lines first..last (0-based, inclusive).
struct EchoEntry {
  int number = 0;
  std::size_t first = 0;
  std::size_t last = 0;
};

// The entries of the lines of an echo text. An entry begins at a line whose
// first field is "LC" and whose second field reads as a whole number other
// than 0; the line after a line whose first field is "TITLE" never begins one
// (a title "LC 3" stays a title). An entry ends before the next one begins, the
// last at the last line.
std::vector<EchoEntry> FindLoadEchoEntries(std::span<const std::string> lines);

}  // namespace pundf
