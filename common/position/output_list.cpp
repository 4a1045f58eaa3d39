#include "common/position/output_list.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/binary_io.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"

namespace common {
namespace {

FileStatus Status(plat::TableState state, std::string problem = {}) { return FileStatus{state, std::move(problem)}; }

}  // namespace

PageCount ReadPageCounter(const Position& position) {
  std::int16_t value = 0;
  const auto read = plat::ReadUpTo(position.FolderFile(kPageCounterFile), &value, sizeof value);
  if (!read) return PageCount{};
  if (*read < sizeof value) {
    return PageCount{Status(plat::TableState::kDamaged, "it holds " + std::to_string(*read) + " of its 2 bytes")};
  }
  return PageCount{Status(plat::TableState::kOk), value};
}

bool WritePageCounter(const Position& position, int value) {
  const auto stored = static_cast<std::int16_t>(value);
  return plat::ReplaceWholeFile(position.FolderFile(kPageCounterFile), &stored, sizeof stored);
}

PageCount NextPage(const Position& position) {
  PageCount count = ReadPageCounter(position);
  if (count.status.missing()) {
    if (!WritePageCounter(position, kFirstCounterValue)) return count;
    count = ReadPageCounter(position);
  }
  if (!count.status.ok()) return count;
  if (count.value < 0) {
    return PageCount{Status(plat::TableState::kDamaged, "its page number " + std::to_string(count.value) +
                                                            " is negative")};
  }
  if (count.value >= std::numeric_limits<std::int16_t>::max()) {
    return PageCount{Status(plat::TableState::kDamaged, "its page number " + std::to_string(count.value) +
                                                            " is the last one there is")};
  }
  ++count.value;
  return count;
}

PageCount AdvancePageCounter(const Position& position) {
  PageCount count = NextPage(position);
  if (count.status.ok() && !WritePageCounter(position, count.value)) return PageCount{};
  return count;
}

std::string PageLabel(int page) { return "D" + std::to_string(page); }

std::string PageFile(const Position& position, std::string_view label) {
  return position.FolderFile(std::string(label) + ".TXT");
}

std::string OutputListEntry(std::string_view label, std::string_view rest) {
  std::string line(14, ' ');
  line += label;
  line += rest;
  return line;
}

std::string LoadCasePageEntry(std::string_view label, int load_case, std::string_view contents) {
  const std::size_t fill = label.size() >= 2 && label.size() <= 5 ? 10 - label.size() : 8;
  std::string rest(fill, ' ');
  const std::string number = std::to_string(load_case);
  rest += number;
  if (number.size() < 18) rest.append(18 - number.size(), ' ');
  rest += "  ";
  rest += contents;
  return OutputListEntry(label, rest);
}

std::optional<int> NumberedName(std::string_view name, char letter) {
  if (name.size() < 2 || name.size() > 6 || name.front() != letter) return std::nullopt;
  int number = 0;
  for (char c : name.substr(1)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

std::optional<std::string> NumberedNameOfLine(std::string_view line, char letter, std::string_view ends) {
  const std::size_t start = line.find(letter);
  if (start == std::string_view::npos) return std::nullopt;
  const std::size_t end = line.find_first_of(ends, start);
  const std::string_view name =
      line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
  if (!NumberedName(name, letter)) return std::nullopt;
  return std::string(name);
}

std::optional<std::string> ListingOfLine(std::string_view line) { return NumberedNameOfLine(line, 'D', " "); }

std::optional<int> LoadCaseOfLine(std::string_view line) {
  const std::size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos || line[start] != 'D') return std::nullopt;
  const auto listing = ListingOfLine(line);
  if (!listing) return std::nullopt;
  line.remove_prefix(start + listing->size());
  const std::size_t number = line.find_first_not_of(' ');
  if (number == std::string_view::npos) return std::nullopt;
  line.remove_prefix(number);
  const std::size_t end = std::min(line.find(' '), line.size());
  constexpr std::size_t kMaxDigits = 9;  // every such number fits an int
  if (end > kMaxDigits) return std::nullopt;
  int load_case = 0;
  for (char c : line.substr(0, end)) {
    if (c < '0' || c > '9') return std::nullopt;
    load_case = load_case * 10 + (c - '0');
  }
  return load_case;
}

std::optional<std::string> FindLoadCaseListing(const Position& position, int load_case) {
  plat::LineReader files(position.FolderFile(kOutputListFile));
  if (!files.is_open()) return std::nullopt;
  constexpr std::size_t kLineLimit = 126;
  std::string line;
  while (files.Next(line, kLineLimit)) {
    if (LoadCaseOfLine(line) == load_case) return ListingOfLine(line);
  }
  return std::nullopt;
}

bool AppendOutputList(const Position& position, std::string_view line) {
  plat::TextWriter files(position.FolderFile(kOutputListFile), plat::TextWriter::Mode::kAppend);
  if (!files.is_open()) return false;
  files.Write(line);
  files.Write("\n");
  return files.Close();
}

}  // namespace common
