#include "shell/positions/model_replacement.h"

#include "platform/binary_io.h"
#include "platform/files.h"
#include "shell/positions/load_case_files.h"
#include "shell/positions/reset_position.h"

namespace quentaris {
namespace {

std::string EchoPath(const common::Position& position, const char* kind) {
  return position.folder() + kind + position.ext() + ".TXT";
}

}  // namespace

StoredEchoTexts ReadStoredEchoTexts(const common::Position& position) {
  return {plat::ReadWholeFile(EchoPath(position, "ECHO_G")), plat::ReadWholeFile(EchoPath(position, "ECHO_L"))};
}

common::Result ForgetFormerModel(const common::Position& position, const StoredEchoTexts& before, bool load_copied) {
  common::Result load_gone = common::Result::Ok();
  const std::string load = EchoPath(position, "ECHO_L");
  if (!load_copied && plat::FileExists(load) && !plat::RemoveFile(load)) {
    load_gone = common::Result::Fail("The file " + load + " cannot be deleted.", "Error");
  }
  const StoredEchoTexts now = ReadStoredEchoTexts(position);
  if (now.geometry == before.geometry && now.load == before.load) return load_gone;
  ResetReport report = ResetPosition(position, true);
  ForgetLoadCases(position, report);
  if (!load_gone) return load_gone;
  return report.ok() ? common::Result::Ok() : report.problems.front();
}

}  // namespace quentaris
