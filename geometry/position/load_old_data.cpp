#include "geometry/position/load_old_data.h"

#include <string>

#include "common/position/file_names.h"
#include "common/position/model_defaults.h"
#include "common/records/record_files.h"
#include "geometry/echo/echo_file.h"
#include "geometry/echo/echo_reader.h"
#include "geometry/echo/text_input.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/model_files.h"
#include "platform/files.h"

namespace kelmf {
namespace {

// The name of the text in the position folder; the first choice when none of
// them exists, so that the reader's message names it.
std::string ChooseText(const common::Position& position, TextInput input) {
  if (input == TextInput::kEditedEcho) return EchoEditFileName();
  const std::string name = EchoFileName(position);
  const std::string plain = "ECHO_G" + position.ext();
  if (!plat::FileExists(position.folder() + name) && plat::FileExists(position.folder() + plain)) return plain;
  return name;
}

}  // namespace

int CheckEchoFile(const common::Position& position) {
  const auto size = plat::FileSize(EchoFilePath(position));
  return size && *size > 0 ? 3 : 0;
}

LoadReport LoadOldData(FrameModel& model, const common::Position& position, TextInput input) {
  namespace names = common::file_names;
  LoadReport report;
  const std::string name = ChooseText(position, input);

  common::ResetFrameParams(model.params);
  const std::string params_path = position.File(names::kFrameParams);
  auto params = common::ReadBlockRecord<common::FrameParams>(params_path);
  if (params.status.ok()) model.params = params.record;
  report.Show(common::CheckFile(params_path, params.status));

  auto text = ReadEchoLines(position, name);
  if (!text) {
    report.Show(text.failure());
  } else {
    const common::Result converted = ConvertTextInput(model, *text, position);
    report.rebuilt_from_echo = converted.ok();
    report.Show(converted);
  }

  report.Show(ReadDrawingExtents(model, position));
  return report;
}

}  // namespace kelmf
