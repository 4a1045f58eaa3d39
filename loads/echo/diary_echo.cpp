#include "loads/echo/diary_echo.h"

#include <set>

#include "common/records/capacities.h"
#include "loads/echo/load_echo_entries.h"
#include "loads/echo/load_echo_writer.h"
#include "loads/model/read_load_case.h"
#include "platform/text_file.h"

namespace pundf {
namespace {

std::vector<int> DiaryNumbers(const common::LoadCaseDiary& diary) {
  std::vector<int> numbers;
  const int count = diary.has_valid_count() ? diary.count() : 0;
  for (int k = 1; k <= count; ++k) numbers.push_back(diary.load_case(k));
  return numbers;
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines, std::size_t first,
            std::size_t last) {
  for (std::size_t k = first; k <= last && k < lines.size(); ++k) to.push_back(lines[k]);
}

void AppendText(std::vector<std::string>& to, const std::string& text) {
  for (std::string& line : plat::SplitLines(text)) to.push_back(std::move(line));
}

// The entry of load case `number` from its stored files; nullopt, with the reason, when they do
// not read.
std::optional<std::string> StoredEntry(const LoadModel& model, int number, std::string& why) {
  LoadCase lc;
  const ReadOutcome read = ReadLoadCaseFiles(model.position, model.geometry, number, lc);
  if (!read.ok()) {
    why = read.message().text();
    return std::nullopt;
  }
  return LoadEchoEntry(lc, number);
}

common::Result NoEntry(const LoadModel& model, int number, const std::string& why) {
  return common::Result::Fail("Load case " + std::to_string(number) + " has no entry in the echo text " +
                                  model.position.TextFile("ECHO_L") + ": " + why,
                              "Hint");
}

}  // namespace

DiaryEcho EchoOfDiary(const LoadModel& model, const std::vector<std::string>& old_lines) {
  DiaryEcho out;
  const auto entries = FindLoadEchoEntries(old_lines);
  if (old_lines.empty()) {
    out.lines.push_back(kLoadEchoHeader);
  } else if (entries.empty()) {
    out.lines = old_lines;
  } else if (entries.front().first > 0) {
    Append(out.lines, old_lines, 0, entries.front().first - 1);
  }
  const std::vector<int> diary = DiaryNumbers(model.diary);
  const std::set<int> in_diary(diary.begin(), diary.end());
  const int current = model.load_case.number();
  for (int number : diary) {
    if (number == current) {
      AppendText(out.lines, LoadEchoEntry(model.load_case, number));
      continue;
    }
    std::string why;
    if (const auto entry = StoredEntry(model, number, why)) {
      AppendText(out.lines, *entry);
      continue;
    }
    bool kept = false;
    for (const EchoEntry& e : entries) {
      if (e.number != number) continue;
      Append(out.lines, old_lines, e.first, e.last);
      kept = true;
    }
    if (!kept) out.messages.push_back(NoEntry(model, number, why));
  }
  for (const EchoEntry& e : entries) {
    if (!in_diary.contains(e.number)) Append(out.lines, old_lines, e.first, e.last);
  }
  return out;
}

DiaryEcho CompletedEcho(const LoadModel& model, const std::vector<std::string>& lines) {
  DiaryEcho out;
  out.lines = lines.empty() ? std::vector<std::string>{kLoadEchoHeader} : lines;
  std::set<int> present;
  for (const EchoEntry& e : FindLoadEchoEntries(lines)) present.insert(e.number);
  for (int number : DiaryNumbers(model.diary)) {
    if (present.contains(number)) continue;
    std::string why;
    if (const auto entry = StoredEntry(model, number, why)) {
      AppendText(out.lines, *entry);
    } else {
      out.messages.push_back(NoEntry(model, number, why));
    }
  }
  return out;
}

std::vector<int> EchoLoadCaseNumbers(const std::vector<std::string>& lines) {
  std::vector<int> numbers;
  std::set<int> seen;
  for (const EchoEntry& e : FindLoadEchoEntries(lines)) {
    if (e.number >= 1 && e.number <= common::kMaxLoadCases && seen.insert(e.number).second) {
      numbers.push_back(e.number);
    }
  }
  return numbers;
}

}  // namespace pundf
