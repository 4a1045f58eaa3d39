#include "graphics/app/picture_wheel.h"

#include <cmath>

#include "graphics/app/wheel_scales_dialog.h"
#include "graphics/settings/print_scales.h"

namespace revuzavi {
namespace {

void Scale(float& value, bool up, float by) { value = up ? value * by : value / by; }

}  // namespace

WheelEffect TurnWheel(ViewerState& state, PictureRequest& r, PictureControls& c, const WheelKeys& keys, bool up) {
  const float step = static_cast<float>(c.wheel_step);
  if (keys.alt) {
    WheelLineWidths(state, r, up);
    return WheelEffect::kLineWidths;
  }
  if (r.eigenmode) {
    Scale(r.scales.displacement, up, 2.5f * step);
    return WheelEffect::kRedraw;
  }
  if (keys.ctrl) {
    Scale(c.force_scale, up, 1.1f);
    return WheelEffect::kRedraw;
  }
  if (keys.shift) {  // the texts grow as the wheel turns towards the user
    Scale(state.text_scale, !up, 1.1f);
    state.text_scale = DrawableTextFactor(state.text_scale);
    return WheelEffect::kLabels;
  }
  if (c.wheel_target == WheelTarget::kLoad) {
    Scale(r.scales.further[kLoadScaleField], up, 1.1f);
    return WheelEffect::kScales;
  }
  if (c.wheel_target == WheelTarget::kForces) {
    Scale(c.force_scale, up, 1.1f);
    return WheelEffect::kRedraw;
  }
  if (c.wheel_alternative || c.wheel_target == WheelTarget::kSupportReactions) {
    Scale(r.scales.further[kReactionScaleField], up, 1.5f);
    return WheelEffect::kScales;
  }
  return WheelDiagramScale(r, c.wheel_step, up) ? WheelEffect::kScales : WheelEffect::kNone;
}

double ArrowFactor(float scale) { return scale > 0.0f && std::isfinite(scale) ? scale / 0.1 : 1.0; }

}  // namespace revuzavi
