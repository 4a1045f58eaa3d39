#include "geometry/app/store_from_echo.h"

#include "common/position/position.h"
#include "common/position/position_lock.h"
#include "common/settings.h"
#include "geometry/app/show_messages.h"
#include "geometry/echo/echo_file.h"
#include "geometry/position/load_old_data.h"
#include "geometry/position/load_position_files.h"
#include "geometry/position/store_position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/whole_file.h"
#include "platform/message_box.h"

namespace kelmf {
namespace {

// Puts the echo text's bytes from before the store back, replaced whole and
// synced, when the store changed them.
void RestoreEchoText(const std::string& path, const std::vector<std::byte>& before) {
  if (plat::ReadWholeFile(path) == before) return;
  if (plat::ReplaceWholeFile(path, before.data(), before.size(), plat::Sync::kYes)) return;
  plat::MessageBox("The echo text " + path + " cannot be put back as it was before the store.", "Error",
                   plat::MB_OK);
}

}  // namespace

int StoreFromEcho(const std::string& data_path, const std::string& name) {
  const common::Position position(data_path, common::PositionExt(name));
  if (CheckEchoFile(position) != 3) {
    plat::MessageBox("No geometry to store: the file " + EchoFilePath(position) + " is missing or empty.",
                     "Missing input", plat::MB_OK);
    return 1;
  }
  const common::SettingsContext settings = common::SettingsContext::Discover();
  // The rebuild of the model files and the store under one hold of the position's lock.
  common::PositionLock lock;
  if (common::Result held = common::HoldPositionLock(lock, position); !held) {
    ShowMessages({held});
    return 1;
  }
  FrameModel model;
  const LoadReport load = LoadPositionFilesLocked(model, position, settings);
  ShowMessages(load.messages);
  if (load.ends_program || !load.rebuilt_from_echo) return 1;

  const std::optional<std::vector<std::byte>> typed = plat::ReadWholeFile(EchoFilePath(position));
  const CheckReport store = StorePositionLocked(model, position, settings);
  ShowMessages(store.messages);
  if (!store.stored() && typed) RestoreEchoText(EchoFilePath(position), *typed);
  return store.stored() ? 0 : 1;
}

}  // namespace kelmf
