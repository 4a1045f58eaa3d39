// What an engineer must be able to read in the composed pictures of BEAM2 computed by the real programs:
// no label hidden under a filled load, a deflected shape drawn at its scale per millimetre, a diagram kept
// inside the window where it fits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "graphics/compose/draw_picture.h"
#include "graphics/diagrams/element_curve_file.h"
#include "graphics/tests/computed_example.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using Beam2 = testing::ComputedExampleTest<kBeam2>;

struct Composed {
  ViewState view;
  PictureState picture;
  PictureMemory memory;
  plat::RecordingDc dc;
};

// The picture at 1000 x 700 with the margins of the picture window.
void Compose(ViewerState& state, PictureRequest& request, Composed& c) {
  request.client_width = 1000;
  request.client_height = 700;
  request.margins = PictureMargins{50, 35, 100, 70};
  DrawPicture(state, c.view, c.picture, c.memory, request, c.dc);
}

// The request of the picture window as it opens: node and element labels on, every scale 0.1.
PictureRequest WindowRequest() {
  PictureRequest r;
  r.node_labels = true;
  r.element_labels = true;
  r.scales.moment = r.scales.shear = r.scales.normal_force = r.scales.fourth = r.scales.displacement = 0.1f;
  r.scales.further.fill(0.1f);
  r.scales_given = true;
  return r;
}

bool Filled(const plat::DeviceOp& op) {
  switch (op.kind) {
    case plat::DeviceOp::Kind::kPolygon:
    case plat::DeviceOp::Kind::kRectangle:
    case plat::DeviceOp::Kind::kEllipse:
      return op.brush.style != plat::BS_NULL;
    case plat::DeviceOp::Kind::kFillRect:
      return true;
    default:
      return false;
  }
}

bool Covers(const plat::DeviceOp& op, double x, double y) {
  if (op.kind != plat::DeviceOp::Kind::kPolygon) {
    return x >= op.rect.left && x < op.rect.right && y >= op.rect.top && y < op.rect.bottom;
  }
  bool inside = false;  // alternate fill: crossings of a ray to the right
  const std::vector<plat::Point>& p = op.points;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    if ((p[i].y > y) != (p[j].y > y) &&
        x < p[j].x + (y - p[j].y) * static_cast<double>(p[i].x - p[j].x) / (p[i].y - p[j].y)) {
      inside = !inside;
    }
  }
  return inside;
}

// The texts whose middle a filled shape drawn after them covers.
std::vector<std::string> CoveredTexts(const plat::RecordingDc& dc) {
  std::vector<std::string> covered;
  const std::vector<plat::DeviceOp>& ops = dc.ops();
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const plat::DeviceOp& text = ops[i];
    if (text.kind != plat::DeviceOp::Kind::kText || text.text.empty()) continue;
    const double x = text.origin.x + 0.5 * text.text_width;
    const double y = text.origin.y + 0.5 * (text.descent - text.ascent);
    for (std::size_t j = i + 1; j < ops.size(); ++j) {
      if (Filled(ops[j]) && Covers(ops[j], x, y)) {
        covered.push_back(text.text);
        break;
      }
    }
  }
  return covered;
}

int CountText(const plat::RecordingDc& dc, const std::string& text) {
  return static_cast<int>(std::count_if(dc.ops().begin(), dc.ops().end(), [&](const plat::DeviceOp& op) {
    return op.kind == plat::DeviceOp::Kind::kText && op.text == text;
  }));
}

TEST_F(Beam2, NoTextLiesUnderAFilledLoad) {
  // LC 1 line loads over both spans, LC 2 point loads and a partial load, LC 4 self weight.
  struct Case {
    int lc;
    bool PictureRequest::*picture;  // nullptr: the frame with its loads
  } cases[] = {{1, nullptr}, {1, &PictureRequest::deflection}, {1, &PictureRequest::moments},
               {2, nullptr}, {2, &PictureRequest::shear_forces}, {4, nullptr}};
  for (const Case& k : cases) {
    ViewerState state = testing::ViewerOn(*position_, k.lc);
    PictureRequest request = WindowRequest();
    if (k.picture != nullptr) request.*k.picture = true;
    Composed c;
    Compose(state, request, c);
    for (const char* label : {"N 1", "N 2", "N 3"}) EXPECT_EQ(CountText(c.dc, label), 1) << k.lc << " " << label;
    EXPECT_EQ(CoveredTexts(c.dc), std::vector<std::string>{}) << "LC " << k.lc;
  }
}

// Device pixels per metre, and the device point of the world origin (the left end of the beam's axis).
struct Mapping {
  double pixels_per_metre = 0.0;
  plat::Point origin;
  int XAt(double metres) const { return origin.x + static_cast<int>(std::lround(metres * pixels_per_metre)); }
};

Mapping MappingOf(const ViewerState& state, const plat::RecordingDc& dc) {
  const plat::Point origin = dc.LPtoDP(plat::Point{0, 0});
  const plat::Point metre = dc.LPtoDP(plat::Point{state.drawing_scale, 0});
  return Mapping{static_cast<double>(metre.x - origin.x), origin};
}

// The deepest line point below the axis between 1 m and 5 m of span 1, in device pixels.
int DeepestBelowTheAxis(const ViewerState& state, const plat::RecordingDc& dc) {
  const Mapping m = MappingOf(state, dc);
  const int left = m.XAt(1.0), right = m.XAt(5.0);
  int deepest = 0;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind != plat::DeviceOp::Kind::kPolyline) continue;
    for (const plat::Point& p : op.points) {
      if (p.x > left && p.x < right) deepest = std::max(deepest, p.y - m.origin.y);
    }
  }
  return deepest;
}

TEST_F(Beam2, TheDeflectionScaleCountsDrawnMetresPerMillimetre) {
  for (const float scale : {0.1f, 0.4f}) {
    ViewerState state = testing::ViewerOn(*position_, 1);
    PictureRequest request = WindowRequest();
    request.deflection = true;
    request.scales.displacement = scale;
    Composed c;
    Compose(state, request, c);
    const std::vector<float> w = testing::Floats(ElementCurveFileName(state, 'W', 1));
    ASSERT_EQ(w.size(), 51u);
    const double sag_mm = 1000.0 * std::fabs(*std::max_element(w.begin(), w.end(), [](float a, float b) {
      return std::fabs(a) < std::fabs(b);
    }));
    EXPECT_NEAR(sag_mm, 2.49, 0.01);
    const double expected = scale * sag_mm * MappingOf(state, c.dc).pixels_per_metre;
    EXPECT_GT(expected, 10.0) << "the sag is seen at the window's scale";
    EXPECT_NEAR(DeepestBelowTheAxis(state, c.dc), expected, 1.5) << scale;
    EXPECT_EQ(request.scales.displacement, scale) << "a given scale is kept";
  }
}

TEST_F(Beam2, AFittedDeflectionScaleIsHandedBackPerMillimetre) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  PictureRequest fitted = WindowRequest();
  fitted.deflection = true;
  fitted.scales.displacement = 0.0f;
  Composed first;
  Compose(state, fitted, first);
  const int deepest = DeepestBelowTheAxis(state, first.dc);
  EXPECT_GT(deepest, 20);
  EXPECT_LT(deepest, 400);
  EXPECT_GT(fitted.scales.displacement, 0.01f) << "within the remembered range";
  EXPECT_LT(fitted.scales.displacement, 1000.0f);
  PictureRequest again = WindowRequest();
  again.deflection = true;
  again.scales.displacement = fitted.scales.displacement;
  Composed second;
  Compose(state, again, second);
  EXPECT_NEAR(DeepestBelowTheAxis(state, second.dc), deepest, 1.0);
}

}  // namespace
}  // namespace revuzavi
