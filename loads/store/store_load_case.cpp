#include "loads/store/store_load_case.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/position/file_names.h"
#include "common/position/output_list.h"
#include "common/records/capacities.h"
#include "common/records/record_files.h"
#include "loads/echo/load_echo_writer.h"
#include "loads/integration/line_load_integration.h"
#include "loads/model/diary.h"
#include "loads/model/load_checks.h"
#include "loads/store/gravity_loads.h"
#include "loads/store/load_case_log.h"
#include "loads/store/load_listing.h"
#include "loads/store/pending_texts.h"
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

void Written(bool ok, const std::string& path, StoreReport& report) {
  if (!ok) report.messages.push_back(common::Result::Fail("The file " + path + " cannot be written.", "Error"));
}

// Closes a text file; false when it did not open or a write failed.
bool Finish(plat::TextWriter& writer) {
  const bool opened = writer.is_open();
  return writer.Close() && opened;
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

void AppendHistory(const common::Position& pos, int number, StoreReport& report) {
  std::array<std::byte, 256> record{};
  const std::int64_t now = plat::NowSeconds();
  std::memcpy(record.data(), &now, sizeof now);
  const std::string text = "Input LC " + std::to_string(number);
  std::memcpy(record.data() + 12, text.data(), text.size());
  const std::string path = pos.FolderFile("TTABLE");
  Written(plat::AppendBlock(path, record.data(), record.size()), path, report);
}

// The page counter of the listings: 1 becomes 2.
void AdvancePageCounter(const common::Position& pos, StoreReport& report) {
  const common::PageCount page = common::ReadPageCounter(pos);
  if (page.status.ok() && page.value == 1) {
    Written(common::WritePageCounter(pos, 2), pos.FolderFile(common::kPageCounterFile), report);
  }
}

void WriteListing(const LoadModel& model, int number, StoreReport& report) {
  const common::Position& pos = model.position;
  const std::string listing = pos.FolderFile("D2.TXT");
  if (!TextFileExists(model.pending_texts, listing)) {
    Written(common::AppendOutputList(pos, common::OutputListEntry("D2", "                                Load cases       ")),
            pos.FolderFile(common::kOutputListFile), report);
  }
  const LogEntry entry = UpdateD2LogW(pos, number, report.messages);
  if (entry.found) {
    if (auto r = ReplaceListingCase(model, number, entry.following); !r) report.messages.push_back(r);
    return;
  }
  plat::TextWriter file;
  OpenTextFile(file, model.pending_texts, listing, plat::TextWriter::Mode::kAppend);
  WriteLoadListing(file, model, number, true);
  Written(Finish(file), listing, report);
}

void WriteEcho(const LoadModel& model, int number, StoreReport& report) {
  const common::Position& pos = model.position;
  const std::string echo = pos.TextFile("ECHO_L");
  const LogEntry entry = UpdateD2Log(pos, number, report.messages);
  if (entry.found) {
    if (auto r = ReplaceLoadEchoCase(model, number); !r) report.messages.push_back(r);
  } else {
    // The new entry goes into the text held in memory (here when no rebuild holds it), which then
    // replaces the echo text whole.
    PendingTexts own;
    PendingTexts* texts = model.pending_texts ? model.pending_texts : &own;
    if (!TextFileExists(texts, echo)) {
      plat::TextWriter header;
      OpenTextFile(header, texts, echo, plat::TextWriter::Mode::kReplace);
      header.Write("LOAD CASES\n");
      Finish(header);
    }
    plat::TextWriter file;
    OpenTextFile(file, texts, echo, plat::TextWriter::Mode::kAppend);
    WriteLoadEchoCase(file, model, number);
    Finish(file);
    if (texts == &own && !WriteHeldEchoText(pos, *own.Held(echo))) {
      Written(false, echo, report);
      return;
    }
  }
  // The copy without the position's extension in its name.
  const std::string copy = pos.FolderFile("ECHO_L.TXT");
  if (const std::string* held = model.pending_texts ? model.pending_texts->Held(echo) : nullptr) {
    model.pending_texts->Set(copy, *held);
  } else if (auto bytes = plat::ReadWholeFile(echo)) {
    Written(plat::ReplaceWholeFile(copy, bytes->data(), bytes->size()), copy, report);
  }
}

}  // namespace

StoreReport WriteLoadCaseFiles(LoadModel& model) {
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

  const std::string diary = pos.File(fn::kDiary);
  Written(common::WriteBlockRecord(diary, model.diary), diary, report);

  const int points = lc.point_loads.count();
  if (points > 0) {
    const std::string path = pos.LoadCaseFile(fn::kPointLoads, number);
    Written(common::WriteRecords(path, lc.point_loads), path, report);
    const std::string notes = pos.LoadCaseFile(fn::kPointLoadNotes, number);
    Written(common::WriteRecords(notes, NotesFor(lc.point_notes, points)), notes, report);
  }
  if (line_loads->count() > 0) {
    const std::string path = pos.LoadCaseFile(fn::kLineLoads, number);
    Written(common::WriteRecords(path, *line_loads), path, report);
    // The gravity loads carry empty notes.
    const std::string notes = pos.LoadCaseFile(fn::kLineLoadNotes, number);
    auto file_notes = NotesFor(lc.line_notes, users);
    file_notes.SetCount(line_loads->count());
    Written(common::WriteRecords(notes, file_notes), notes, report);
  }
  if (p.settlement_flag() != 0) {
    const std::string path = pos.LoadCaseFile(fn::kSupports, number);
    Written(common::WriteTable(path, lc.settlements), path, report);
  }
  // The dialogs change the temperatures and the prestress in memory: they are
  // written under the number stored, with the load case's other files.
  if (p.temperature_flag() != 0) {
    const std::string path = pos.LoadCaseFile(fn::kTemperatures, number);
    Written(common::WriteRecords(path, lc.temperatures), path, report);
  }
  if (p.prestress_flag() != 0) {
    p.set_prestress_count(static_cast<std::int16_t>(lc.prestress.count()));
    const std::string path = pos.LoadCaseFile(fn::kPrestress, number);
    Written(common::WritePrestressFile(path, lc.prestress), path, report);
  }
  const std::string params = pos.LoadCaseFile(fn::kLoadCaseParams, number);
  Written(common::WriteBlockRecord(params, p), params, report);
  return report;
}

StoreReport StoreLoadCase(LoadModel& model) {
  model.load_case.params.set_field_26(0);
  StoreReport report = WriteLoadCaseFiles(model);
  if (!report.ok()) return report;
  const int number = model.load_case.number();
  WriteListing(model, number, report);
  AdvancePageCounter(model.position, report);
  AppendHistory(model.position, number, report);
  WriteEcho(model, number, report);
  return report;
}

}  // namespace pundf
