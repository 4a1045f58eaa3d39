// What an engineer must be able to read in the composed pictures of the examples computed by the real
// programs: no label under a filled load or on another label, the deflected shape at its scale per
// millimetre, room around the frame for the loads and reactions, a frame that stays put on the screen and
// a printed diagram kept on its page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/position/position.h"
#include "graphics/compose/draw_picture.h"
#include "graphics/diagrams/element_curve_file.h"
#include "graphics/picture/world.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/tests/composed_picture.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/picture_room.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
constexpr char kPortal[] = "PORTAL";
using Beam2 = testing::ComputedExampleTest<kBeam2>;
using Portal = testing::ComputedExampleTest<kPortal>;

using Composed = testing::ComposedPicture;

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

// Device pixels per metre along x and along z, and the device point of the world origin (the left end of
// the beam's axis).
struct Mapping {
  double pixels_per_metre = 0.0;
  double pixels_per_metre_z = 0.0;
  plat::Point origin;
  int XAt(double metres) const { return origin.x + static_cast<int>(std::lround(metres * pixels_per_metre)); }
};

Mapping MappingOf(const ViewerState& state, const plat::RecordingDc& dc) {
  const plat::Point origin = dc.LPtoDP(plat::Point{0, 0});
  const int hundred_metres = 100 * state.drawing_scale;  // whole pixels of a long distance
  const plat::Point x = dc.LPtoDP(plat::Point{hundred_metres, 0});
  const plat::Point z = dc.LPtoDP(plat::Point{0, hundred_metres});
  return Mapping{(x.x - origin.x) / 100.0, (origin.y - z.y) / 100.0, origin};
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
    const double expected = scale * sag_mm * MappingOf(state, c.dc).pixels_per_metre_z;
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

// The device point of the world origin as a click finds it: the frame world mapped anew for the
// request with the views' state the drawing left.
plat::Point ClickedOrigin(const ViewerState& state, const ViewState& view, const PictureRequest& request) {
  PictureState picture;
  plat::RecordingDc dc;
  Canvas canvas{state, view, picture, dc};
  SetPlotWorld(canvas, request.plot_box_mode, request.plot_box, request.client_width, request.client_height,
               request.margins);
  return dc.LPtoDP(plat::Point{0, 0});
}

// The calls that reach outside the 1000 x 700 window: lines, shapes and texts, by what they draw.
std::vector<std::string> OutsideTheWindow(const plat::RecordingDc& dc) {
  std::vector<std::string> outside;
  const auto inside = [](plat::Point p) { return p.x >= 0 && p.x <= 1000 && p.y >= 0 && p.y <= 700; };
  for (const plat::DeviceOp& op : dc.ops()) {
    bool in = true;
    if (op.kind == plat::DeviceOp::Kind::kText) {
      if (op.text.empty()) continue;
      in = inside(op.origin) && (op.font.escapement != 0 || inside(plat::Point{op.origin.x + op.text_width, op.origin.y}));
    } else {
      for (const plat::Point& p : op.points) in = in && inside(p);
    }
    if (!in) outside.push_back(op.kind == plat::DeviceOp::Kind::kText ? op.text : std::string(op.call));
  }
  return outside;
}

TEST_F(Portal, TheLoadsAndReactionsBesideTheOuterMembersStayInTheWindow) {
  // LC 2: wind on both columns, a force at the left eave; the reactions at both feet.
  ViewerState state = testing::ViewerOn(*position_, 2);
  PictureRequest request = WindowRequest();
  Composed c;
  Compose(state, request, c);
  for (const char* label : {"1.5 kN/m", "F1  10.00 kN"}) EXPECT_EQ(CountText(c.dc, label), 1) << label;
  EXPECT_GE(std::count_if(c.dc.ops().begin(), c.dc.ops().end(),
                          [](const plat::DeviceOp& op) {
                            return op.kind == plat::DeviceOp::Kind::kText && op.text.find(" kN") != std::string::npos &&
                                   op.text.find("F1") == std::string::npos && op.text.find("/m") == std::string::npos;
                          }),
            2)
      << "the reactions at both feet";
  EXPECT_EQ(OutsideTheWindow(c.dc), std::vector<std::string>{});

  EXPECT_EQ(ClickedOrigin(state, c.view, request), c.dc.LPtoDP(plat::Point{0, 0})) << "a click maps as drawn";
  EXPECT_EQ(request.world.x1, state.extents.xmin()) << "the frame world stays the frame's";
}

TEST_F(Beam2, ThePrestressStandsBesideTheElementLabelNotOnIt) {
  ViewerState state = testing::ViewerOn(*position_, 4);  // both spans prestressed, self weight
  PictureRequest request = WindowRequest();
  Composed c;
  Compose(state, request, c);
  EXPECT_EQ(CountText(c.dc, "5.000E+02 kN"), 2);
  EXPECT_EQ(CountText(c.dc, "1  l = 6.00 m"), 1);
  EXPECT_EQ(testing::OverlappingTexts(c.dc.ops()), std::vector<std::string>{});
}

TEST_F(Portal, LoadValuesStandAwayFromTheElementLabels) {
  struct Case {
    int lc;
    const char* value;  // a part of the texts checked
    const char* text;   // one of them
    int count;
  } cases[] = {
      // Self weight on the columns (one drawn upwards, one downwards) and the beam: "%4.1lf kN/m".
      {4, "kN/m", " 2.0 kN/m", 2},
      // A uniform temperature on every element, the columns' beside them.
      {3, "T = ", "T = 15.00", 3},
  };
  for (const Case& k : cases) {
    ViewerState state = testing::ViewerOn(*position_, k.lc);
    PictureRequest request = WindowRequest();
    Composed c;
    Compose(state, request, c);
    EXPECT_EQ(CountText(c.dc, k.text), k.count) << k.lc;
    std::vector<std::string> with_value;
    for (const std::string& pair : testing::OverlappingTexts(c.dc.ops())) {
      if (pair.find(k.value) != std::string::npos) with_value.push_back(pair);
    }
    EXPECT_EQ(with_value, std::vector<std::string>{}) << k.lc;
  }
}

TEST_F(Beam2, OnTheScreenTheFrameStaysWhereItIsWhateverTheDiagram) {
  // Pictures compared one after the other stand over each other: whatever the diagram and its
  // scale, the beam's axis stays where the frame picture has it.
  ViewerState state = testing::ViewerOn(*position_, 1);
  PictureRequest frame = WindowRequest();
  Composed plain;
  Compose(state, frame, plain);
  const int frame_axis = MappingOf(state, plain.dc).origin.y;
  struct Case {
    bool PictureRequest::*picture;
    float PictureScales::*scale;
    float value;
  } cases[] = {{&PictureRequest::moments, &PictureScales::moment, 0.1f},
               {&PictureRequest::moments, &PictureScales::moment, 10.0f},
               {&PictureRequest::shear_forces, &PictureScales::shear, 0.1f},
               {&PictureRequest::deflection, &PictureScales::displacement, 3.0f}};
  for (const Case& k : cases) {
    PictureRequest request = WindowRequest();
    request.*k.picture = true;
    request.scales.*k.scale = k.value;
    Composed c;
    Compose(state, request, c);
    EXPECT_EQ(MappingOf(state, c.dc).origin.y, frame_axis) << k.value;
  }
}

// An A4 landscape page at 300 dpi.
plat::DeviceCaps A4Landscape() {
  plat::DeviceCaps caps;
  caps.horz_res = 3508;
  caps.vert_res = 2480;
  caps.horz_size = 297;
  caps.vert_size = 210;
  caps.log_pixels_x = caps.log_pixels_y = 300;
  caps.technology = plat::DT_RASPRINTER;
  return caps;
}

TEST_F(Beam2, APrintedDiagramKeepsToThePageInsideItsMarginsAtItsScale) {
  // The margins the picture window prints with: a sixth of the height above for the page head and
  // the title, a twentieth on the other sides. A diagram that would run into the head or off the
  // bottom moves the picture, its ordinates kept.
  const plat::DeviceCaps caps = A4Landscape();
  const int w = caps.horz_res, h = caps.vert_res;
  const PictureMargins page{w / 20, h / 6, w / 10, h / 6 + h / 20};
  struct Case {
    const char* what;
    bool PictureRequest::*picture;
    float PictureScales::*scale;
    float value;
    double reach;  // drawn metres of the farthest point from the axis
  } cases[] = {{"moments", &PictureRequest::moments, &PictureScales::moment, 0.1f, 4.494},
               {"shear", &PictureRequest::shear_forces, &PictureScales::shear, 0.1f, 3.75},
               {"deflection", &PictureRequest::deflection, &PictureScales::displacement, 0.1f, 0.249},
               {"deflection", &PictureRequest::deflection, &PictureScales::displacement, 2.0f, 4.98}};
  for (const Case& k : cases) {
    ViewerState state = testing::ViewerOn(*position_, 1);
    PictureRequest request = WindowRequest();
    request.*k.picture = true;
    request.scales.*k.scale = k.value;
    request.client_width = w;
    request.client_height = h;
    request.margins = page;
    testing::ComposedPicture c{ViewState{}, PictureState{}, PictureMemory{}, plat::RecordingDc(caps)};
    DrawPicture(state, c.view, c.picture, c.memory, request, c.dc);
    int left = 1 << 30, right = -(1 << 30), top = 1 << 30, bottom = -(1 << 30);
    for (const plat::DeviceOp& op : c.dc.ops()) {
      for (const plat::Point& p : op.points) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
      }
    }
    EXPECT_GE(left, page.left) << k.what;
    EXPECT_LE(right, w - (page.width - page.left)) << k.what;
    EXPECT_GE(top, page.top) << k.what << ": clear of the page head";
    EXPECT_LE(bottom, h - (page.height - page.top)) << k.what;
    const Mapping m = MappingOf(state, c.dc);
    const int reach = k.picture == &PictureRequest::deflection ? DeepestBelowTheAxis(state, c.dc) : m.origin.y - top;
    EXPECT_NEAR(reach, k.reach * m.pixels_per_metre_z, 3.0) << k.what << ": the scale is kept";
    EXPECT_EQ(request.margins.top, page.top) << k.what << ": the page's move is the page's";
  }
}

TEST_F(Beam2, TheDeflectedShapeTakesTheLoadCasesScaleOrIsFitted) {
  // The request still holds the scale of the picture before (a Green's function's, 5000 drawn metres
  // per metre of its own); the load case's remembered scale, or without one a fit, decides.
  struct Case {
    float remembered;  // MEMSCALEGLF1's displacement field, 0 for no file
    float expected;    // drawn metres per millimetre; 0: fitted, within the window
  } cases[] = {{0.4f, 0.4f}, {0.0f, 0.0f}};
  for (const Case& k : cases) {
    ViewerState state = testing::ViewerOn(*position_, 1);
    const std::string file = state.position.File("MEMSCALEGLF11");
    std::filesystem::remove(file);
    if (k.remembered > 0.0f) {
      RememberedScales scales;
      for (int f = 1; f <= 9; ++f) scales.set_field(f, 0.1f);
      scales.set_field(9, k.remembered);
      ASSERT_TRUE(WriteRememberedScales(state, 1, scales));
    }
    PictureRequest request = WindowRequest();
    request.scales_given = false;
    request.deflection = true;
    request.scales.displacement = 5000.0f;
    Composed c;
    Compose(state, request, c);
    const double pixels_per_mm = MappingOf(state, c.dc).pixels_per_metre_z;  // per metre drawn of one mm
    const int deepest = DeepestBelowTheAxis(state, c.dc);
    if (k.expected > 0.0f) {
      EXPECT_FLOAT_EQ(request.scales.displacement, k.expected);
      EXPECT_NEAR(deepest, k.expected * 2.49 * pixels_per_mm, 1.5);
    } else {
      EXPECT_LT(request.scales.displacement, 1000.0f) << "fitted";
      EXPECT_GT(deepest, 20);
      EXPECT_LT(deepest, 300) << "inside the window";
    }
    std::filesystem::remove(file);
  }
}

}  // namespace
}  // namespace revuzavi
