#pragma once
// GraphicsSettings: the 184-byte MMGRAFIKR1 block of the settings folder, the
// viewer's remembered picture settings. The fields marked as view settings are
// carried whole for the views and their dialogs.
#include <cstdint>

#include "common/records/byte_record.h"

namespace revuzavi {

class GraphicsSettings : public common::ByteRecord<184> {
 public:
  // What the viewer starts with when the file is missing.
  static GraphicsSettings Default();

  // A count setting of the views.
  std::int32_t view_count_setting() const { return At<std::int32_t, 0>(); }
  void set_view_count_setting(std::int32_t v) { SetAt<std::int32_t, 0>(v); }
  std::int32_t view_setting_12() const { return At<std::int32_t, 12>(); }
  void set_view_setting_12(std::int32_t v) { SetAt<std::int32_t, 12>(v); }
  // 1 position line, 2 page-head box, 3 heading from INC1.
  std::int32_t page_head_style() const { return At<std::int32_t, 20>(); }
  void set_page_head_style(std::int32_t v) { SetAt<std::int32_t, 20>(v); }
  // Picture export format switch.
  std::int32_t export_format() const { return At<std::int32_t, 28>(); }
  void set_export_format(std::int32_t v) { SetAt<std::int32_t, 28>(v); }
  // Scale factors.
  float scale_64() const { return At<float, 64>(); }
  void set_scale_64(float v) { SetAt<float, 64>(v); }
  float scale_68() const { return At<float, 68>(); }
  void set_scale_68(float v) { SetAt<float, 68>(v); }
  float scale_72() const { return At<float, 72>(); }
  void set_scale_72(float v) { SetAt<float, 72>(v); }
  float scale_100() const { return At<float, 100>(); }
  void set_scale_100(float v) { SetAt<float, 100>(v); }
  // Solid-band switch of the self-weight picture.
  std::uint8_t solid_band() const { return At<std::uint8_t, 116>(); }
  void set_solid_band(std::uint8_t v) { SetAt<std::uint8_t, 116>(v); }
  std::int32_t view_setting_124() const { return At<std::int32_t, 124>(); }
  void set_view_setting_124(std::int32_t v) { SetAt<std::int32_t, 124>(v); }
  std::int32_t view_setting_128() const { return At<std::int32_t, 128>(); }
  void set_view_setting_128(std::int32_t v) { SetAt<std::int32_t, 128>(v); }
  // The picture's numbers in exponential format (1) and allowed to stack (1).
  std::int32_t exponential_numbers() const { return At<std::int32_t, 144>(); }
  void set_exponential_numbers(std::int32_t v) { SetAt<std::int32_t, 144>(v); }
  std::int32_t stacked_numbers() const { return At<std::int32_t, 148>(); }
  void set_stacked_numbers(std::int32_t v) { SetAt<std::int32_t, 148>(v); }
};
static_assert(sizeof(GraphicsSettings) == 184);

}  // namespace revuzavi
