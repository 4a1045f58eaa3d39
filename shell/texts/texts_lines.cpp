#include "shell/texts/texts_lines.h"

#include <cmath>
#include <string_view>

#include "common/text_to_float.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "shell/files/numbered_name.h"

namespace quentaris {
namespace {

constexpr std::size_t kLoadCaseColumn = 4;
constexpr std::size_t kLoadCaseWidth = 15;
constexpr int kPlainColour = 1;
constexpr int kEvenColour = 8;
constexpr int kNewLoadCaseColour = 9;

// The lines of a list file, each cut to the limit and stripped of trailing
// blanks, without the programs' prefix; empty when the file is missing.
std::vector<std::string> ReadListFile(const std::string& path) {
  std::vector<std::string> lines;
  plat::LineReader reader(path);
  if (!reader.is_open()) return lines;
  std::string line;
  while (reader.Next(line, kTextsLineLimit)) {
    const std::size_t end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    if (line.size() > kTextsPrefix) line.erase(0, kTextsPrefix);
    lines.push_back(line);
  }
  return lines;
}

// The load-case number of an entry: 15 characters from column 5 after the
// leading blanks; 0 when there is none.
int LoadCaseOf(const std::string& entry) {
  const std::size_t start = entry.find_first_not_of(' ');
  if (start == std::string::npos) return 0;
  const std::string_view rest = std::string_view(entry).substr(start);
  if (rest.size() <= kLoadCaseColumn) return 0;
  const float value = common::TextToFloat(rest.substr(kLoadCaseColumn, kLoadCaseWidth));
  if (!std::isfinite(value) || value < 0.0f || value > 1e9f) return 0;
  return static_cast<int>(value);
}

std::string LeadingRun(const std::string& line, std::string_view allowed) {
  const std::string name = TextsLineName(line);
  const std::size_t end = name.find_first_not_of(allowed);
  return name.substr(0, end);
}

// Listing and picture numbers: up to five digits.
std::optional<int> NumberOf(const std::string& name) { return NumberAfterLetter(name, 5); }

}  // namespace

std::string TextsLineName(const std::string& line) {
  if (line.find("Files in") != std::string::npos || line.size() < 2) return {};
  const std::size_t start = line.find_first_not_of(' ', 2);
  return start == std::string::npos ? std::string() : line.substr(start);
}

std::string ListingName(const std::string& line) {
  const std::string name = LeadingRun(line, "D0123456789");
  return NumberOf(name) && name[0] == 'D' ? name : std::string();
}

std::string PictureName(const std::string& line) {
  const std::string name = LeadingRun(line, "GD0123456789");
  return NumberOf(name) && name[0] == 'G' ? name : std::string();
}

std::optional<int> ListingNumber(const std::string& line) { return NumberOf(ListingName(line)); }

std::optional<int> PictureNumber(const std::string& line) { return NumberOf(PictureName(line)); }

std::string PictureExtension(const std::string& line) {
  if (line.find(".jpg") != std::string::npos) return ".jpg";
  if (line.find(".bmp") != std::string::npos) return ".bmp";
  return ".emf";
}

std::vector<TextsLine> FillTextsLines(const std::string& position_folder) {
  std::vector<TextsLine> lines{{kTextsHeader, kPlainColour}};
  int previous = 0;
  bool new_load_case = false;
  for (std::string& entry : ReadListFile(position_folder + "FILES")) {
    const int load_case = LoadCaseOf(entry);
    const bool odd = lines.size() % 2 == 1;
    int colour = odd ? kPlainColour : kEvenColour;
    if (load_case > 0) {
      new_load_case = load_case != previous;
      if (new_load_case) colour = kNewLoadCaseColour;
      previous = load_case;
    } else if (new_load_case) {
      colour = kNewLoadCaseColour;
    }
    lines.push_back({std::move(entry), colour});
  }
  std::vector<std::string> pictures;
  if (plat::FileSize(position_folder + kPictureListFile).value_or(0) > 0) pictures = ReadListFile(position_folder + kPictureListFile);
  if (!pictures.empty()) {
    std::string folder = position_folder;
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    lines.push_back({" ", kPlainColour});
    lines.push_back({"  Files in " + folder, kPlainColour});
    lines.push_back({" ", kPlainColour});
    for (std::string& picture : pictures) lines.push_back({std::move(picture), kPlainColour});
  }
  return lines;
}

}  // namespace quentaris
