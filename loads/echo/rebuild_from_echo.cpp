#include "loads/echo/rebuild_from_echo.h"

#include <span>

#include "common/records/capacities.h"
#include "loads/echo/load_echo_reader.h"
#include "loads/echo/load_echo_writer.h"
#include "loads/echo/rebuild_load_case.h"
#include "loads/store/load_case_log.h"
#include "loads/store/load_listing.h"
#include "loads/store/pending_texts.h"
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
  if (auto r = AppendLoadEchoLines(model.position, std::span(lines).subspan(from, to - from), model.pending_texts);
      !r) {
    messages.push_back(r);
  }
  for (std::size_t k = first; k <= last; ++k) {
    const int number = echo.entries[k].number;
    if (number >= 1 && number <= common::kMaxLoadCases) UpdateD2Log(model.position, number, messages);
  }
}

void WriteHeldTexts(const common::Position& pos, const PendingTexts& pending, std::vector<common::Result>& messages) {
  for (const auto& [path, bytes] : pending.files()) {
    common::Result written = common::Result::Ok();
    if (path == pos.TextFile("ECHO_L")) {
      written = WriteHeldEchoText(pos, bytes);
    } else if (path == pos.FolderFile("D2.TXT")) {
      written = WriteHeldListing(pos, bytes);
    } else if (!plat::ReplaceWholeFile(path, bytes)) {
      written = common::Result::Fail("The file " + path + " cannot be written.", "Error");
    }
    if (!written) messages.push_back(written);
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
  if (echo->cut()) messages.push_back(TooLargeMessage(path));
  // The echo text and the listing are held while the load cases are stored, and written at the
  // end; the echo text on disk stays as it is until its new text is whole.
  PendingTexts pending;
  pending.HoldMissing(path);
  model.pending_texts = &pending;
  for (std::size_t k = 1; k <= echo->readable; ++k) {
    StoreReport report = RebuildLoadCase(model, *echo, k);
    if (!report.ok()) {
      messages.push_back(
          common::Result::Fail(report.refused.text() + " Its entry stays in the echo text.", report.refused.caption()));
      KeepEntries(model, *echo, k - 1, k - 1, messages);
    }
    for (auto& message : report.messages) messages.push_back(std::move(message));
  }
  if (echo->cut()) KeepEntries(model, *echo, echo->readable, echo->entries.size() - 1, messages);
  model.pending_texts = nullptr;
  WriteHeldTexts(pos, pending, messages);
  if (auto r = WriteEchoTimeMark(pos); !r) messages.push_back(r);
  return messages;
}

}  // namespace pundf
