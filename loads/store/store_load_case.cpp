#include "loads/store/store_load_case.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "common/position/file_names.h"
#include "common/position/output_list.h"
#include "common/records/capacities.h"
#include "common/records/record_files.h"
#include "loads/echo/diary_echo.h"
#include "loads/echo/load_echo_writer.h"
#include "loads/echo/rebuilt_echo.h"
#include "loads/integration/line_load_integration.h"
#include "loads/model/diary.h"
#include "loads/model/load_checks.h"
#include "loads/store/gravity_loads.h"
#include "loads/store/load_case_log.h"
#include "loads/store/load_listing.h"
#include "loads/store/staged_files.h"
#include "platform/binary_io.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"

namespace pundf {
namespace fn = common::file_names;
namespace {

common::Result Refusal(int number, const std::string& why) {
  return common::Result::Fail("Load case " + std::to_string(number) + " cannot be stored: " + why + ".", "Error");
}

common::Result CannotRead(const std::string& path) {
  return common::Result::Fail("The file " + path + " cannot be read.", "Error");
}

// The notes of slots 1..count.
template <class Notes>
Notes NotesFor(const Notes& notes, int count) {
  Notes out;
  for (int k = 1; k <= count; ++k) out.Append(notes[k]);
  return out;
}

}  // namespace

common::Result CheckStorable(const LoadModel& model) {
  const LoadCase& lc = model.load_case;
  const int number = lc.number();
  if (number < 1 || number > common::kMaxLoadCases) {
    return Refusal(number, "load cases are numbered 1 to 99");
  }
  if (FindInDiary(model.diary, number) == 0 &&
      (!model.diary.has_valid_count() || model.diary.count() >= common::LoadCaseDiary::kMaxEntries)) {
    return Refusal(number, "the diary holds 99 load cases");
  }
  Problem problem = CheckPointLoads(lc.point_loads, model.geometry);
  if (!problem) problem = CheckLineLoads(lc.line_loads, model.geometry);
  if (!problem && lc.params.settlement_flag() != 0) problem = CheckSettlements(lc.settlements, model.geometry);
  if (problem) return Refusal(number, *problem);
  if (lc.params.gravity_flag() != 0) {
    if (auto gravity = GravityLoads(model.geometry, lc.params, lc.line_loads.count()); !gravity) {
      return gravity.failure();
    }
  }
  return common::Result::Ok();
}

namespace {

// The records of LLOAD: the user loads, then the gravity loads, integrated.
common::Outcome<common::LineLoadTable> FileLineLoads(const LoadModel& model) {
  const LoadCase& lc = model.load_case;
  common::LineLoadTable loads = lc.line_loads;
  if (lc.params.gravity_flag() != 0) {
    auto gravity = GravityLoads(model.geometry, lc.params, loads.count());
    if (!gravity) return gravity.failure();
    for (const auto& load : gravity->used()) loads.Append(load);
  }
  IntegrateLineLoads(loads, model.geometry.elements, model.geometry.nodes);
  return loads;
}

std::string Bytes(std::span<const std::byte> bytes) {
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

template <class Record>
std::string RecordBytes(const Record& record) {
  return Bytes(std::span<const std::byte>(record.bytes()));
}

// A file of records 1..count without a count.
template <class Tab>
std::string RecordsBytes(const Tab& table) {
  return Bytes(table.used_bytes());
}

// A file of an int16 count and its records.
template <class Tab>
std::string CountedBytes(const Tab& table) {
  const auto count = static_cast<std::int16_t>(table.count());
  return std::string(reinterpret_cast<const char*>(&count), sizeof count) + Bytes(table.used_bytes());
}

std::string PrestressBytes(const common::PrestressTable& table) {
  const std::int32_t count = table.count();
  return std::string(reinterpret_cast<const char*>(&count), sizeof count) + Bytes(table.used_bytes());
}

void AppendHistory(StagedFiles& staged, const common::Position& pos, int number) {
  std::array<char, 256> record{};
  const std::int64_t now = plat::NowSeconds();
  std::memcpy(record.data(), &now, sizeof now);
  const std::string text = "Input LC " + std::to_string(number);
  std::memcpy(record.data() + 12, text.data(), text.size());
  staged.ForAppend(pos.FolderFile("TTABLE")).append(record.data(), record.size());
}

// The page counter of the listings: 1 becomes 2.
void AdvancePageCounter(StagedFiles& staged, const common::Position& pos) {
  const std::string path = pos.FolderFile(common::kPageCounterFile);
  const auto bytes = staged.Bytes(path);
  std::int16_t page = 0;
  if (!bytes || bytes->size() < sizeof page) return;
  std::memcpy(&page, bytes->data(), sizeof page);
  if (page != 1) return;
  page = 2;
  std::string next = *bytes;
  std::memcpy(next.data(), &page, sizeof page);
  staged.Set(path, std::move(next));
}

// The texts a store rewrites, read before anything is staged, with the files it appends to checked:
// a file that cannot be read refuses the store with nothing staged.
struct OldTexts {
  std::string listing;                  // D2.TXT, else D2, else empty
  std::vector<std::string> echo_lines;  // the echo text; unread while every load case is rebuilt
};

common::Outcome<OldTexts> ReadOldTexts(const StagedFiles& staged, const LoadModel& model) {
  const common::Position& pos = model.position;
  // The files the store extends: read as empty they would lose what they hold.
  std::vector<std::string> extended{pos.FolderFile("D2LOGW"), pos.FolderFile("TTABLE")};
  if (!staged.Exists(pos.FolderFile("D2.TXT"))) extended.push_back(pos.FolderFile(common::kOutputListFile));
  for (const std::string& path : extended) {
    if (!staged.Readable(path)) return CannotRead(path);
  }
  OldTexts old;
  auto listing = ReadListingText(staged, model.position);
  if (!listing) return listing.failure();
  old.listing = std::move(*listing);
  const std::string echo = model.position.TextFile("ECHO_L");
  if (!model.rebuilt_echo && staged.Exists(echo)) {
    auto read = TextFileLines(&staged, echo);
    if (!read) return CannotRead(echo);
    old.echo_lines = std::move(*read);
  }
  return old;
}

void StageListing(StagedFiles& staged, const LoadModel& model, int number, const std::string& old_listing,
                  std::vector<common::Result>& messages) {
  const common::Position& pos = model.position;
  const std::string listing = pos.FolderFile("D2.TXT");
  const bool new_listing = !staged.Exists(listing);
  const LogEntry entry = UpdateD2LogW(staged, pos, number, messages);
  // D2LOG keeps its place beside D2LOGW; its numbers follow the echo text.
  const std::string echo_log = pos.FolderFile("D2LOG");
  staged.Set(echo_log, staged.Bytes(echo_log).value_or(std::string()));
  if (entry.found) {
    staged.Set(listing, ListingWithCase(old_listing, model, number, entry.following));
  } else {
    // A new section goes after the listing's bytes as they are.
    std::string text = new_listing ? std::string() : old_listing;
    plat::TextWriter file;
    file.OpenText(text);
    WriteLoadListing(file, model, number, true);
    file.Close();
    staged.Set(listing, std::move(text));
  }
  if (new_listing) {
    staged.ForAppend(pos.FolderFile(common::kOutputListFile)) +=
        TextBytes(common::OutputListEntry("D2", "                                Load cases       ") + "\n");
  }
}

// The echo text with its copy without the position's extension, D2LOG and TIMELW.
void StageEcho(StagedFiles& staged, const LoadModel& model, int number, const std::vector<std::string>& old_lines,
               std::vector<common::Result>& messages) {
  const common::Position& pos = model.position;
  if (model.rebuilt_echo) {
    model.rebuilt_echo->PutEntry(number, LoadEchoEntry(model, number));
  } else {
    DiaryEcho text = EchoOfDiary(model, old_lines);
    for (auto& m : text.messages) messages.push_back(std::move(m));
    StageEchoText(staged, pos, text.lines);
  }
  (void)WriteEchoTimeMark(pos, &staged);  // staged: cannot fail
}

// The load case's own files and DIARY, staged; model changes as the store's contract says.
StoreReport StageLoadCaseFiles(StagedFiles& staged, LoadModel& model) {
  StoreReport report;
  if (auto r = CheckStorable(model); !r) {
    report.refused = r;
    return report;
  }
  LoadCase& lc = model.load_case;
  const int number = lc.number();
  auto line_loads = FileLineLoads(model);
  if (!line_loads) {
    report.refused = line_loads.failure();
    return report;
  }
  if (Problem problem = CheckFiniteNumbers(lc, *line_loads)) {
    report.refused = Refusal(number, *problem);
    return report;
  }
  const common::Position& pos = model.position;
  common::LoadCaseParams& p = lc.params;
  const int users = lc.line_loads.count();

  EnterInDiary(model.diary, number, p.origin());
  p.set_field_22_flag(p.field_22() > 0 ? 1 : 0);
  p.set_point_load_count(static_cast<std::int16_t>(lc.point_loads.count()));
  p.set_user_line_load_count(static_cast<std::int16_t>(users));
  p.set_line_load_record_count(static_cast<std::int16_t>(line_loads->count()));
  if (p.gravity_flag() != 0) p.set_gravity_line_load_count(static_cast<std::int16_t>(line_loads->count() - users));
  for (int k = 1; k <= users; ++k) lc.line_loads[k] = (*line_loads)[k];

  const int points = lc.point_loads.count();
  if (points > 0) {
    staged.Set(pos.LoadCaseFile(fn::kPointLoads, number), RecordsBytes(lc.point_loads));
    staged.Set(pos.LoadCaseFile(fn::kPointLoadNotes, number), RecordsBytes(NotesFor(lc.point_notes, points)));
  }
  if (line_loads->count() > 0) {
    staged.Set(pos.LoadCaseFile(fn::kLineLoads, number), RecordsBytes(*line_loads));
    // The gravity loads carry empty notes.
    auto file_notes = NotesFor(lc.line_notes, users);
    file_notes.SetCount(line_loads->count());
    staged.Set(pos.LoadCaseFile(fn::kLineLoadNotes, number), RecordsBytes(file_notes));
  }
  if (p.settlement_flag() != 0) staged.Set(pos.LoadCaseFile(fn::kSupports, number), CountedBytes(lc.settlements));
  // The dialogs change the temperatures and the prestress in memory: they are
  // written under the number stored, with the load case's other files.
  if (p.temperature_flag() != 0) {
    staged.Set(pos.LoadCaseFile(fn::kTemperatures, number), RecordsBytes(lc.temperatures));
  }
  if (p.prestress_flag() != 0) {
    p.set_prestress_count(static_cast<std::int16_t>(lc.prestress.count()));
    staged.Set(pos.LoadCaseFile(fn::kPrestress, number), PrestressBytes(lc.prestress));
  }
  staged.Set(pos.LoadCaseFile(fn::kLoadCaseParams, number), RecordBytes(p));
  staged.Set(pos.File(fn::kDiary), RecordBytes(model.diary));
  return report;
}

// Every file of the store, staged; nothing staged when it is refused.
StoreReport StageLoadCase(StagedFiles& staged, LoadModel& model) {
  model.load_case.params.set_field_26(0);
  auto old = ReadOldTexts(staged, model);
  if (!old) {
    StoreReport report;
    report.refused = old.failure();
    return report;
  }
  StoreReport report = StageLoadCaseFiles(staged, model);
  if (!report.ok()) return report;
  // The steps below read what the steps before them staged.
  const int number = model.load_case.number();
  StageListing(staged, model, number, old->listing, report.messages);
  AdvancePageCounter(staged, model.position);
  AppendHistory(staged, model.position, number);
  StageEcho(staged, model, number, old->echo_lines, report.messages);
  return report;
}

}  // namespace

StoreReport StoreLoadCase(LoadModel& model) {
  StagedFiles* outer = model.staged;
  StagedFiles own;
  StagedFiles& staged = outer ? *outer : own;
  const common::LoadCaseDiary diary = model.diary;
  const LoadCase load_case = model.load_case;
  model.staged = &staged;
  StoreReport report = StageLoadCase(staged, model);
  model.staged = outer;
  if (report.ok() && !outer) report.refused = own.Commit();
  if (!report.ok()) {
    model.diary = diary;
    model.load_case = load_case;
  }
  return report;
}

}  // namespace pundf
