#include "geometry/position/editor_settings.h"

#include <cstdlib>
#include <span>
#include <string>

#include "common/position/file_names.h"
#include "common/settings_files.h"
#include "geometry/model/model_files.h"
#include "platform/binary_io.h"

namespace kelmf {
namespace {

// Reads numbers of a text file into `values` in order; the first that is
// missing or does not read ends the reading, it and the rest keep their value.
void ReadNumbers(const std::string& path, std::span<float> values) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return;
  const std::string text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  const char* at = text.c_str();
  for (float& value : values) {
    char* end = nullptr;
    const float read = std::strtof(at, &end);
    if (end == at) return;
    value = read;
    at = end;
  }
}

}  // namespace

void ReadEditorSettings(EditorState& editor, const common::SettingsContext& settings) {
  editor.pen_width = common::ReadPenWidthFile(common::JoinSettingsPath(settings, common::file_names::kPenWidth));
  editor.margin = 0.05f;
  ReadNumbers(common::JoinSettingsPath(settings, "FMARGIN"), std::span<float>(&editor.margin, 1));
  editor.fangen[0] = 0.05f;
  editor.fangen[1] = 1.0f;
  ReadNumbers(common::JoinSettingsPath(settings, "FANGEN"), editor.fangen);
}

common::Result WritePenWidth(const EditorState& editor, const common::SettingsContext& settings) {
  const std::string path = common::SettingsWritePath(settings, common::file_names::kPenWidth);
  return common::WriteInt32File(path, editor.pen_width) ? common::Result::Ok() : CannotStore(path);
}

}  // namespace kelmf
