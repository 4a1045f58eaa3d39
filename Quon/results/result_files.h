#pragma once
// Names of the result files of the load case in work, in the position folder.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Quon/run/run.h"
#include "common/position/file_names.h"
#include "mechanics/sample_lines.h"

namespace zedir {

// State lines of line load i: base + i + lc, without the position's extension.
inline constexpr const char* kNormalStateLine = common::file_names::kNormalStateLine;
inline constexpr const char* kMomentStateLine = common::file_names::kMomentStateLine;
inline constexpr const char* kShearStateLine = common::file_names::kShearStateLine;
std::string StateLineFile(const Run& run, std::string_view base, int line_load);

// State lines of point load k on element e: base + k + "ELM" + e + lc.
inline constexpr const char* kNormalSourceLine = common::file_names::kNormalSourceLine;
inline constexpr const char* kShearSourceLine = common::file_names::kShearSourceLine;
std::string SourceLineFile(const Run& run, std::string_view base, int point_load, int element);

// The curves of element e: letter + lc + "E" + e + ext ("M012E7.7").
std::string CurveFile(const Run& run, char letter, int element);

inline constexpr const char* kEnergiesFile = common::file_names::kEnergies; // + lc + ext, and + lc + ".TXT"
inline constexpr const char* kReactionsFile = common::file_names::kReactions; // + lc + ext
inline constexpr const char* kDisplacementCopyFile = "U";          // + lc + ext
inline constexpr const char* kReactionTextFile = "MATH_SUPPORTS";  // + lc + ".TXT"
inline constexpr const char* kOriginalStiffnessFile = common::file_names::kOriginalStiffness;  // + ext

// A line on the sample grid in one write: 204 bytes, the value at sample i at byte 4 (i - 1).
// False when the file cannot be created.
bool WriteSampleLine(const std::string& path, const mechanics::SampleLine& line);

// A line and the file it goes to.
struct SampleLineFile {
  std::string path;
  mechanics::SampleLine line;
};

// Writes every line as WriteSampleLine does, several files at a time: the system's work for each
// file (finding, opening and dating it) is the cost of the many small result files, and it runs
// side by side for different files. Entry k is 1 when file k was written.
std::vector<char> WriteSampleLines(std::span<const SampleLineFile> files);
// CannotStore of the first file that `written` (of WriteSampleLines) marks as not written.
common::Result FirstUnwritten(std::span<const SampleLineFile> files, const std::vector<char>& written);

}  // namespace zedir
