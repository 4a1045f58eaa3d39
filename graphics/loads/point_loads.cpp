#include "graphics/loads/point_loads.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "graphics/diagrams/shape_drawing.h"
#include "graphics/loads/load_arrows.h"
#include "graphics/loads/support_reactions.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

constexpr double kPi = 3.14159265358979323846;
using Kind = common::PointLoadRecord::Kind;

std::string Formatted(const char* format, int number, double value) {
  char text[80];
  std::snprintf(text, sizeof text, format, number, value);
  return text;
}

bool Shown(const ViewerState& s, const common::PointLoadRecord& load) {
  return std::fabs(load.value()) > s.params.tolerance();
}

}  // namespace

std::string PointLoadText(const ViewState& view, const common::PointLoadRecord& load, int number) {
  if (view.new_loads && number > view.first_new_load) return {};
  switch (load.kind()) {
    case Kind::kForce: return Formatted("F%i  %.2f kN", number, load.value());
    case Kind::kMoment: return Formatted("M%i  %.2f kNm", number, load.value());
    case Kind::kKink: return FormatValue("Kink Delta %.3f", load.value());
    case Kind::kVerticalDislocation: return FormatValue("Delta w %.3f", load.value());
    case Kind::kHorizontalDislocation: return FormatValue("Delta u %.3f", load.value());
    default: return {};
  }
}

int DrawPointLoads(Canvas& c) {
  const ViewerState& s = c.viewer;
  const double sigma = VerticalSign(s);
  const int count = s.point_loads.count();
  double largest = 0.0;
  for (int i = 1; i <= count; ++i) {
    const common::PointLoadRecord& load = s.point_loads[i];
    if (load.kind() == Kind::kForce && Shown(s, load)) largest = std::max(largest, double{std::fabs(load.value())});
  }
  const double size = ArrowSize(s, largest) * c.view.load_factor;  // v = value size / 2
  const double r = 0.04 * FrameSize(s);
  int drawn = 0;
  for (int i = 1; i <= count; ++i) {
    const common::PointLoadRecord& load = s.point_loads[i];
    if (!Shown(s, load)) continue;
    const double x = load.x(), z = sigma * load.y();
    double text_x = x, text_z = z + 0.1;
    if (load.kind() == Kind::kForce) {
      // The global components the load input stored, the records' y drawn as z.
      const double fx = load.force_x(), fz = sigma * load.force_y();
      const double norm = std::hypot(fx, fz);
      if (norm > 0.0) {
        const double v = 0.5 * std::fabs(load.value()) * size;
        const WorldPoint far = DrawTurnedArrow(c, x, z, fx / norm, fz / norm, v / 2, 3.0 * v);
        text_x = (x + far.x) / 2;
        text_z = (z + far.y) / 2 + 0.1;
      }
    } else if (load.kind() == Kind::kMoment) {
      const bool clockwise = (load.value() > 0.0f) == (sigma > 0.0);
      DrawMomentArc(c, x, z, r, 1.5 * r, kPi / 7, kPi / 2 + kPi / 7, clockwise);
      text_z = z + 1.5 * r + 0.1;
    }
    const std::string text = PointLoadText(c.view, load, i);
    if (!text.empty()) {
      // A place the user chose by dragging the label is kept.
      const LabelPosition at = c.picture.labels.point_loads.Place(i, static_cast<float>(text_x), static_cast<float>(text_z));
      DrawValueText(c, at.x, at.z, text, 1, 1.0, 0.0, i, kPointLoadLabelWord);
    }
    ++drawn;
  }
  return drawn;
}

}  // namespace revuzavi
