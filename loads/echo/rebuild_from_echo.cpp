#include "loads/echo/rebuild_from_echo.h"

#include <span>

#include "common/records/capacities.h"
#include "loads/echo/diary_echo.h"
#include "loads/echo/load_echo_reader.h"
#include "loads/echo/load_echo_writer.h"
#include "loads/echo/rebuild_load_case.h"
#include "loads/echo/rebuilt_echo.h"
#include "loads/store/load_case_log.h"
#include "loads/model/diary.h"
#include "loads/store/staged_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace pundf {
namespace {

// Entries first..last of the text back into the rebuilt echo text unchanged.
void KeepEntries(RebuiltEcho& rebuilt, const LoadEchoText& echo, std::size_t first, std::size_t last) {
  const auto& lines = echo.text.lines;
  const std::size_t from = echo.entries[first].first;
  const std::size_t to = echo.entries[last].last + 1;
  rebuilt.Append(std::span(lines).subspan(from, to - from));
}

// The rebuilt echo text completed with the load cases of the diary it lacks, staged with its copy
// and D2LOG following it.
void CompleteEcho(StagedFiles& staged, const LoadModel& model, const RebuiltEcho& rebuilt,
                  std::vector<common::Result>& messages) {
  DiaryEcho echo = CompletedEcho(model, rebuilt.lines());
  for (auto& m : echo.messages) messages.push_back(std::move(m));
  StageEchoText(staged, model.position, echo.lines);
}

// A load case was not rebuilt: the echo text stays as it is, byte for byte (with its copy and
// D2LOG following it), until every load case of it is rebuilt.
void KeepEchoAsItIs(StagedFiles& staged, const LoadModel& model, const LoadEchoText& echo) {
  const common::Position& pos = model.position;
  staged.Set(pos.FolderFile("D2LOG"), LoadCaseLogBytes(EchoLoadCaseNumbers(echo.text.lines)));
  if (auto bytes = plat::ReadWholeFile(echo.path)) {
    staged.Set(pos.FolderFile("ECHO_L.TXT"), std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
               plat::Sync::kYes);
  }
}

}  // namespace

common::Result NoLoadCaseMessage(const std::string& path) {
  return common::Result::Fail("No load case (a line \"LC <number>\") was found in the file " + path +
                                  ". The file stays as it is; no load case was stored.",
                              "Error");
}

std::vector<common::Result> RebuildAllLoadCases(LoadModel& model) {
  std::vector<common::Result> messages;
  const common::Position& pos = model.position;
  const std::string path = pos.TextFile("ECHO_L");
  auto echo = ReadLoadEchoFile(path);
  if (!echo) {
    messages.push_back(echo.failure());
    return messages;
  }
  if (echo->entries.empty()) {
    messages.push_back(NoLoadCaseMessage(path));
    return messages;
  }
  // A load case whose "LC" line the rebuild cannot read would be lost with the rewritten text.
  if (const auto line = LineOfNoLoadCase(*echo)) {
    messages.push_back(common::Result::Fail("The echo text " + path + " is not rebuilt: its line " +
                                                std::to_string(*line + 1) + " \"" + echo->text.lines[*line] +
                                                "\" belongs to no load case.",
                                            "Error"));
    return messages;
  }
  auto diary = ReadDiary(pos);
  if (!diary) {
    messages.push_back(diary.failure());
    return messages;
  }
  if (echo->cut()) messages.push_back(TooLargeMessage(path));
  // Every store is staged, and the files take their places together at the end; the echo text is
  // made anew in memory from the stores' entries and staged once, at the end.
  const common::LoadCaseDiary diary_before = model.diary;
  const LoadCase load_case_before = model.load_case;
  model.diary = *diary;
  StagedFiles staged;
  RebuiltEcho rebuilt;
  model.staged = &staged;
  model.rebuilt_echo = &rebuilt;
  bool refused = false;
  for (std::size_t k = 1; k <= echo->readable; ++k) {
    StoreReport report = RebuildLoadCase(model, *echo, k);
    if (!report.ok()) {
      refused = true;
      messages.push_back(
          common::Result::Fail(report.refused.text() + " Its entry stays in the echo text.", report.refused.caption()));
      KeepEntries(rebuilt, *echo, k - 1, k - 1);
    }
    for (auto& message : report.messages) messages.push_back(std::move(message));
  }
  if (echo->cut()) KeepEntries(rebuilt, *echo, echo->readable, echo->entries.size() - 1);
  model.staged = nullptr;
  model.rebuilt_echo = nullptr;
  if (refused) {
    KeepEchoAsItIs(staged, model, *echo);
  } else {
    CompleteEcho(staged, model, rebuilt, messages);
  }
  (void)WriteEchoTimeMark(pos, &staged);
  if (auto r = staged.Commit(); !r) {
    messages.push_back(r);
    model.diary = diary_before;
    model.load_case = load_case_before;
  }
  return messages;
}

}  // namespace pundf
