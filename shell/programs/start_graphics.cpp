#include "shell/programs/start_graphics.h"

#include "common/position/file_names.h"
#include "common/settings_files.h"
#include "platform/message_box.h"
#include "platform/process.h"

namespace quentaris {

bool HasStoredFrame(const common::Position& position) {
  return common::ReadInt32File(position.File(common::file_names::kGeometryMarker)) == 1;
}

bool StartGraphics(const ShellState& state) {
  if (!state.has_position() || !HasStoredFrame(state.position())) {
    plat::MessageBox("Frame data are missing.");
    return false;
  }
  const common::Result started =
      plat::StartDetached(plat::SiblingProgram("REVUZAVI"), {state.position_ext, "@" + state.data_path});
  if (!started) {
    plat::MessageBox(started.text(), "REVUZAVI.EXE", plat::MB_OK | plat::MB_ICONINFORMATION);
    return false;
  }
  return true;
}

}  // namespace quentaris
