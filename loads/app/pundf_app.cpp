#include "loads/app/pundf_app.h"

#include "common/position/position_lock.h"
#include "loads/app/command_line.h"
#include "loads/echo/rebuild_from_echo.h"
#include "loads/manage/check_load_echo_file.h"
#include "loads/manage/load_position_data.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace pundf {
namespace {

void Show(const common::Result& message) { plat::MessageBox(message.text(), message.caption(), plat::MB_OK); }

}  // namespace

int RunPundf(std::string_view command_line) {
  const auto line = ParseCommandLine(command_line);
  if (!line) {
    plat::MessageBox(kMissingInputText, kMissingInputCaption, plat::MB_OK);
    return -1;
  }
  LoadModel model;
  const ReadOutcome start =
      LoadPositionData(model, StartRequest{line->data_path, line->ext, line->load_case, line->rebuild});
  if (!start.ok()) {
    Show(start.message());
    if (start.ends_program()) return start.exit_code();
  }
  // An echo text that is there but cannot be read must not leave the old load cases to be computed.
  if (common::Result readable = line->rebuild ? CheckLoadEchoReadable(model.position) : common::Result::Ok();
      !readable) {
    Show(readable);
    return -1;
  }
  if (line->rebuild && CheckLoadEchoFile(model.position) && plat::FileExists(model.position.TextFile("ECHO_L"))) {
    common::PositionLock lock;
    if (common::Result held = common::HoldPositionLock(lock, model.position); !held) {
      Show(held);
      return -1;
    }
    bool failed = false;
    for (const common::Result& message : RebuildAllLoadCases(model)) {
      Show(message);
      failed = failed || message.caption() == "Error";
    }
    if (failed) return -1;  // an error is never reported as success
  }
  return 0;
}

}  // namespace pundf
