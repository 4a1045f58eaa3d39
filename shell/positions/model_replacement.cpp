#include "shell/positions/model_replacement.h"

#include "platform/binary_io.h"
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

common::Result ForgetResultsOfReplacedModel(const common::Position& position, const StoredEchoTexts& before) {
  const StoredEchoTexts now = ReadStoredEchoTexts(position);
  if (now.geometry == before.geometry && now.load == before.load) return common::Result::Ok();
  const ResetReport report = ResetPosition(position, true);
  return report.ok() ? common::Result::Ok() : report.problems.front();
}

}  // namespace quentaris
