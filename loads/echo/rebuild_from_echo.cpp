#include "loads/echo/rebuild_from_echo.h"

#include <span>

#include "common/records/capacities.h"
#include "loads/echo/diary_echo.h"
#include "loads/echo/load_echo_reader.h"
#include "loads/echo/load_echo_writer.h"
#include "loads/echo/rebuild_load_case.h"
#include "loads/store/load_case_log.h"
#include "loads/model/diary.h"
#include "loads/store/staged_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace pundf {
namespace {

// Writes entries first..last of the text back into the echo text unchanged.
void KeepEntries(const LoadModel& model, const LoadEchoText& echo, std::size_t first, std::size_t last,
                 std::vector<common::Result>& messages) {
  const auto& lines = echo.text.lines;
  const std::size_t from = echo.entries[first].first;
  const std::size_t to = echo.entries[last].last + 1;
  if (auto r = AppendLoadEchoLines(model.position, std::span(lines).subspan(from, to - from), model.staged); !r) {
    messages.push_back(r);
  }
}

// The staged echo text completed with the load cases of the diary it lacks, its copy and D2LOG
// following it.
void CompleteEcho(StagedFiles& staged, const LoadModel& model, std::vector<common::Result>& messages) {
  const common::Position& pos = model.position;
  const std::string path = pos.TextFile("ECHO_L");
  const std::string* held = staged.Held(path);
  DiaryEcho echo = CompletedEcho(model, held ? plat::SplitLines(*held) : std::vector<std::string>{});
  for (auto& m : echo.messages) messages.push_back(std::move(m));
  std::string bytes;
  for (const std::string& line : echo.lines) bytes += TextBytes(line + "\n");
  staged.Set(pos.FolderFile("D2LOG"), LoadCaseLogBytes(EchoLoadCaseNumbers(echo.lines)));
  staged.Set(path, bytes, plat::Sync::kYes);
  staged.Set(pos.FolderFile("ECHO_L.TXT"), std::move(bytes), plat::Sync::kYes);
}

// A load case was not rebuilt: the echo text stays as it is, byte for byte (with its copy and
// D2LOG following it), until every load case of it is rebuilt.
void KeepEchoAsItIs(StagedFiles& staged, const LoadModel& model, const LoadEchoText& echo) {
  const common::Position& pos = model.position;
  staged.Drop(pos.TextFile("ECHO_L"));
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
  // read as missing, so that the stores write it anew.
  const common::LoadCaseDiary diary_before = model.diary;
  const LoadCase load_case_before = model.load_case;
  model.diary = *diary;
  StagedFiles staged;
  staged.HoldMissing(path);
  model.staged = &staged;
  model.rebuilding = true;
  bool refused = false;
  for (std::size_t k = 1; k <= echo->readable; ++k) {
    StoreReport report = RebuildLoadCase(model, *echo, k);
    if (!report.ok()) {
      refused = true;
      messages.push_back(
          common::Result::Fail(report.refused.text() + " Its entry stays in the echo text.", report.refused.caption()));
      KeepEntries(model, *echo, k - 1, k - 1, messages);
    }
    for (auto& message : report.messages) messages.push_back(std::move(message));
  }
  if (echo->cut()) KeepEntries(model, *echo, echo->readable, echo->entries.size() - 1, messages);
  model.staged = nullptr;
  model.rebuilding = false;
  if (refused) {
    KeepEchoAsItIs(staged, model, *echo);
  } else {
    CompleteEcho(staged, model, messages);
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
