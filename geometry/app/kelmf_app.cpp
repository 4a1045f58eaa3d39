#include "geometry/app/kelmf_app.h"

#include "common/position/position.h"
#include "common/settings.h"
#include "geometry/app/command_line.h"
#include "geometry/app/show_messages.h"
#include "geometry/position/load_position_files.h"
#include "platform/message_box.h"

namespace kelmf {

int RunKelmf(std::string_view command_line) {
  const auto line = ParseCommandLine(command_line);
  if (!line || line->ext.empty() || line->data_path.empty()) {
    plat::MessageBox(kMissingInputText, kMissingInputCaption, plat::MB_OK);
    return -1;
  }
  const common::SettingsContext settings = common::SettingsContext::Discover();
  const common::Position position(line->data_path, line->ext);
  FrameModel model;
  const LoadReport load = LoadPositionFiles(model, position, settings, line->rebuild);
  ShowMessages(load.messages);
  return 0;
}

}  // namespace kelmf
