#include "loads/editor/load_editor_settings.h"

#include <cmath>

#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace pundf {
namespace {

// The value when it is a finite number above 0, else the default.
float Positive(float value, float fallback) { return std::isfinite(value) && value > 0.0f ? value : fallback; }

}  // namespace

LoadEditorSettings LoadEditorSettings::Defaults() {
  LoadEditorSettings s;
  s.set_gamma(25.0f);
  s.set_covering(1.5f);
  s.set_text_size(1.0f);
  s.set_load_scale(1.0f);
  s.set_global_zoom(1.0f);
  return s;
}

LoadEditorSettings ReadLoadEditorSettings(const common::SettingsContext& settings) {
  LoadEditorSettings read;
  const LoadEditorSettings defaults = LoadEditorSettings::Defaults();
  if (!plat::ReadBlock(common::JoinSettingsPath(settings, kLoadEditorSettingsFile), read.bytes().data(),
                       LoadEditorSettings::kSize)) {
    return defaults;
  }
  read.set_gamma(Positive(read.gamma(), defaults.gamma()));
  read.set_covering(Positive(read.covering(), defaults.covering()));
  read.set_text_size(Positive(read.text_size(), defaults.text_size()));
  read.set_load_scale(Positive(read.load_scale(), defaults.load_scale()));
  read.set_global_zoom(Positive(read.global_zoom(), defaults.global_zoom()));
  return read;
}

common::Result WriteLoadEditorSettings(const common::SettingsContext& settings, const LoadEditorSettings& values) {
  const std::string path = common::SettingsWritePath(settings, kLoadEditorSettingsFile);
  if (plat::ReplaceWholeFile(path, values.bytes().data(), LoadEditorSettings::kSize)) return common::Result::Ok();
  return common::CannotWriteSetting(path);
}

}  // namespace pundf
