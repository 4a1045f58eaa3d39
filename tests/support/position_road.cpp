#include "tests/support/position_road.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "common/position/file_names.h"
#include "common/position/solver_job_file.h"
#include "common/records/load_case_diary.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "geometry/app/store_from_echo.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/message_box.h"
#include "platform/process.h"

namespace support {
namespace {

constexpr const char* kCaption = "compute-position";

// " Its messages: <texts>", or nothing without messages.
std::string Told(const std::string& messages) { return messages.empty() ? "" : " Its messages: " + messages; }

// The size of the PLAT_MESSAGES file: a step that grows it left a message.
long MessagesSize() {
  const char* log = std::getenv("PLAT_MESSAGES");
  if (!log || !*log) return 0;
  const auto size = plat::FileSize(log);
  return size ? static_cast<long>(*size) : 0;
}

common::Result Fail(std::string text) { return common::Result::Fail(std::move(text), kCaption); }

// The texts of the messages added to the PLAT_MESSAGES file after its first `from` bytes, one a
// line, without their captions.
std::string MessagesSince(long from) {
  const char* log = std::getenv("PLAT_MESSAGES");
  const auto bytes = log && *log ? plat::ReadWholeFile(log) : std::nullopt;
  if (!bytes || static_cast<long>(bytes->size()) <= from) return {};
  std::string texts;
  const std::string added(reinterpret_cast<const char*>(bytes->data()) + from, bytes->size() - static_cast<std::size_t>(from));
  for (const std::string& line : plat::SplitLines(added)) {
    const std::size_t tab = line.find('\t');
    if (!texts.empty()) texts += '\n';
    texts += tab == std::string::npos ? line : line.substr(tab + 1);
  }
  return texts;
}

}  // namespace

common::Result WritePositionSettings(const common::SettingsContext& settings, const common::Position& position) {
  for (const auto& [name, value] : {std::pair<const char*, std::string>{"EXTR", position.ext()},
                                    std::pair<const char*, std::string>{"DPATH", position.data_path()}}) {
    const std::string path = common::JoinSettingsPath(settings, name);
    if (!common::WriteTextBlock(path, value)) return Fail("The settings file " + path + " cannot be written.");
  }
  return common::Result::Ok();
}

common::Result StoreGeometry(const common::Position& position) {
  const long before = MessagesSize();
  const int code = kelmf::StoreFromEcho(position.data_path(), position.name());
  const std::string messages = MessagesSince(before);
  if (code != 0) return Fail("The geometry of position " + position.name() + " was not stored." + Told(messages));
  if (!messages.empty()) {
    return Fail("Storing the geometry of position " + position.name() + " gave a message: " + messages);
  }
  return common::Result::Ok();
}

common::Result WriteJobOfDiary(const common::Position& position) {
  const std::string path = position.File(common::file_names::kDiary);
  auto diary = common::ReadBlockRecord<common::LoadCaseDiary>(path);
  if (diary.status.missing()) return Fail("Position " + position.name() + " has no load cases: " + path + " is missing.");
  if (common::Result damaged = common::CheckFile(path, diary.status); !damaged) return damaged;
  if (!diary.record.has_valid_count()) {
    return Fail("The diary " + path + " claims " + std::to_string(diary.record.count()) + " load cases.");
  }
  std::vector<int> load_cases;
  for (int k = 1; k <= diary.record.count(); ++k) load_cases.push_back(diary.record.load_case(k));
  auto job = common::MakeSolverJob(load_cases);
  if (!job) return job.failure();
  return common::WriteSolverJob(position, *job);
}

common::Result RunSuiteProgram(const std::string& name, const std::vector<std::string>& args) {
  const long before = MessagesSize();
  std::string error;
  const auto code = plat::RunAndWait(plat::SiblingProgram(name), args, {}, &error);
  if (!code) return Fail(name + " could not be started: " + error);
  const std::string messages = MessagesSince(before);
  if (*code != 0) return Fail(name + " ended with exit code " + std::to_string(*code) + "." + Told(messages));
  if (!messages.empty()) return Fail(name + " gave a message: " + messages);
  return common::Result::Ok();
}

common::Result RebuildLoadCases(const common::Position& position) {
  return RunSuiteProgram("PUNDF", {position.ext(), "@" + position.data_path(), "@G"});
}

int ComputePosition(const std::string& data_path, const std::string& name) {
  const common::Position position(data_path, common::PositionExt(name));
  if (const char* log = std::getenv("PLAT_MESSAGES"); !log || !*log) {
    const std::string file = position.data_path() + "compute-position-messages.txt";
    setenv("PLAT_MESSAGES", file.c_str(), 1);
  }
  const common::SettingsContext settings = common::SettingsContext::Discover();
  common::Result result = WritePositionSettings(settings, position);
  if (result) result = StoreGeometry(position);
  if (result) result = RebuildLoadCases(position);
  if (result) result = WriteJobOfDiary(position);
  if (result) result = RunSuiteProgram("ZEDIR", {});
  if (result) return 0;
  std::fprintf(stderr, "%s: %s\n", kCaption, result.text().c_str());
  plat::MessageBox(result.text(), result.caption(), plat::MB_OK);
  return 1;
}

}  // namespace support
