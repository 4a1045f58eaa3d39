#include "graphics/settings/graphics_settings_file.h"

#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace revuzavi {

GraphicsSettings GraphicsSettings::Default() {
  GraphicsSettings g;
  struct IntField {
    std::size_t offset;
    std::int32_t value;
  };
  for (const IntField f : {IntField{0, 5}, {4, 20}, {8, 4}, {16, 2}, {32, 10}, {36, 10}, {124, 1}, {136, 1},
                           {140, 1}, {164, 1}, {180, 1}}) {
    g.Set<std::int32_t>(f.offset, f.value);
  }
  struct FloatField {
    std::size_t offset;
    float value;
  };
  for (const FloatField f : {FloatField{64, 0.5f}, {68, 1.0f}, {72, 1.0f}, {84, 1.0f}, {88, 1.0f}, {92, 1.0f},
                             {96, 1.0f}, {100, 0.5f}}) {
    g.Set<float>(f.offset, f.value);
  }
  return g;
}

PageMargins MarginsOfStyle(int page_head_style) {
  if (page_head_style == 2) return PageMargins{0.02f, 0.9f, 0.75f};
  return PageMargins{};
}

namespace {

void Correct(GraphicsSettings& g, double tolerance) {
  if (g.view_count_setting() == 0) {
    g.set_view_count_setting(5);
    g.set_scale_68(1.0f);
  }
  if (g.view_setting_12() < 0) g.set_view_setting_12(6);
  if (g.scale_72() < tolerance) g.set_scale_72(1.0f);
  if (g.scale_100() < tolerance) g.set_scale_100(0.5f);
}

}  // namespace

void ReadGraphicsSettings(ViewerState& state) {
  const std::string path = common::JoinSettingsPath(state.settings, kGraphicsSettingsFile);
  GraphicsSettings g;
  if (plat::ReadBlock(path, g.bytes().data(), GraphicsSettings::kSize)) {
    Correct(g, state.params.tolerance());
    state.page_head_style = g.page_head_style();
  } else {
    g = GraphicsSettings::Default();
    state.page_head_style = 1;
  }
  state.graphics = g;
  state.solid_band_mirror = g.solid_band();
  state.mirror_124 = g.view_setting_124();
  if (g.view_setting_128() == 0) state.mirror_128 = 1;
  state.page_margins = MarginsOfStyle(g.page_head_style());
}

common::Result WriteGraphicsSettings(ViewerState& state) {
  const std::string path = common::SettingsWritePath(state.settings, kGraphicsSettingsFile);
  const bool written = plat::ReplaceWholeFile(path, state.graphics.bytes().data(), GraphicsSettings::kSize);
  state.solid_band_mirror = written ? state.graphics.solid_band() : 0;
  return written ? common::Result::Ok() : common::CannotWriteSetting(path);
}

}  // namespace revuzavi
