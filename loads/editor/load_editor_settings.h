#pragma once
// The load editor's own settings, MPUNDW1 in the settings folder: 144 bytes,
// floats gamma at 0, covering at 4, text size at 8, load scale at 12 and
// global zoom at 16; the rest zero.
#include "common/records/byte_record.h"
#include "common/result.h"
#include "common/settings.h"

namespace pundf {

class LoadEditorSettings : public common::ByteRecord<144> {
 public:
  float gamma() const { return At<float, 0>(); }
  void set_gamma(float v) { SetAt<float, 0>(v); }
  float covering() const { return At<float, 4>(); }
  void set_covering(float v) { SetAt<float, 4>(v); }
  float text_size() const { return At<float, 8>(); }
  void set_text_size(float v) { SetAt<float, 8>(v); }
  float load_scale() const { return At<float, 12>(); }
  void set_load_scale(float v) { SetAt<float, 12>(v); }
  float global_zoom() const { return At<float, 16>(); }
  void set_global_zoom(float v) { SetAt<float, 16>(v); }

  // 25.0, 1.5, 1.0, 1.0, 1.0.
  static LoadEditorSettings Defaults();
};
static_assert(sizeof(LoadEditorSettings) == 144);

inline constexpr const char* kLoadEditorSettingsFile = "MPUNDW1";

// MPUNDW1 of the settings folder; a missing or short file gives the defaults,
// and each value that is not above 0 (or not a number) its default.
LoadEditorSettings ReadLoadEditorSettings(const common::SettingsContext& settings);

// Writes the 144 bytes into the settings folder only, replacing the file whole;
// a failure names the file.
common::Result WriteLoadEditorSettings(const common::SettingsContext& settings, const LoadEditorSettings& values);

}  // namespace pundf
