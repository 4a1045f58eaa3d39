// The geometry editor's view used with the mouse, the keys and the wheel, on
// an empty position in a view of 1000 x 800 pixels: world 0..50 x 0..30 at
// scale 50, the point (x, z) at pixel (50 + 18x, 670 - 18z).
#include <gtest/gtest.h>

#include <cmath>

#include "common/position/file_names.h"
#include "common/position/position_lock.h"
#include "common/settings_files.h"
#include "geometry/editor/editor_dialogs.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/editor_menus.h"
#include "geometry/editor/graphic_input.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/frame_builder.h"
#include "geometry/tests/position_fixture.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/write_faults.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
namespace {

using plat::testing::MouseButton;

// Sizes the main frame so that its view is w x h pixels.
bool SizeView(CMainFrame& frame, int w, int h) {
  plat::View* view = frame.GetActiveView();
  if (frame.IsZoomed()) frame.ShowWindow(plat::SW_RESTORE);
  for (int round = 0; round < 4; ++round) {
    plat::testing::PumpMessages();
    plat::Rect client;
    view->GetClientRect(&client);
    if (client.Width() == w && client.Height() == h) return true;
    plat::Rect outer;
    frame.GetWindowRect(&outer);
    frame.SetWindowPos(nullptr, 0, 0, outer.Width() + w - client.Width(), outer.Height() + h - client.Height(),
                       plat::SWP_NOMOVE | plat::SWP_NOZORDER | plat::SWP_NOACTIVATE);
  }
  return false;
}

// The editor on a position, its view 1000 x 800 and painted.
struct ViewEditor : testing::OpenedEditor {
  explicit ViewEditor(const common::Position& position, bool rebuild = false) {
    EXPECT_TRUE(Open(testing::CommandLine(position, rebuild)));
    EXPECT_TRUE(SizeView(frame(), 1000, 800));
    Paint();
  }
  CKELMWView& view() { return static_cast<CKELMWView&>(*frame().GetActiveView()); }
  ViewState& state() { return session().view; }
  void Paint() {
    view().Invalidate();
    plat::testing::PumpMessages();
    view().UpdateWindow();
  }
  void Click(plat::Point p, MouseButton button = MouseButton::kLeft) {
    plat::testing::MouseMove(view(), p);
    plat::testing::Click(view(), p, button);
    plat::testing::PumpMessages();
  }
  // The pixel of a world point.
  plat::Point At(double x, double z) {
    const double d = session().model.editor.drawing_scale;
    const plat::PointD p = state().mapping.ToDevice(plat::PointD{x * d, z * d});
    return plat::Point{int(std::lround(p.x)), int(std::lround(p.y))};
  }
  plat::PointD World(plat::Point p) {
    const double d = session().model.editor.drawing_scale;
    const plat::PointD l = state().mapping.ToLogical(plat::PointD{double(p.x), double(p.y)});
    return plat::PointD{l.x / d, l.y / d};
  }
};

struct Ends {
  float xa, za, xb, zb;
};

void ExpectEnds(const common::ElementRecord& e, Ends want) {
  EXPECT_FLOAT_EQ(e.xa(), want.xa);
  EXPECT_FLOAT_EQ(e.za(), want.za);
  EXPECT_FLOAT_EQ(e.xb(), want.xb);
  EXPECT_FLOAT_EQ(e.zb(), want.zb);
  EXPECT_FLOAT_EQ(e.ya(), -want.za);
  EXPECT_FLOAT_EQ(e.yb(), -want.zb);
}

TEST(ViewInput, TheEmptyPositionMapsItsWorldOntoTheView) {
  ViewEditor editor(testing::TestPosition());
  EXPECT_EQ(editor.session().model.editor.drawing_scale, 50);
  EXPECT_EQ(editor.At(0, 0), (plat::Point{50, 670}));
  EXPECT_EQ(editor.At(50, 30), (plat::Point{950, 130}));
}


TEST(ViewInput, GridSnapTestsBothLinesOnTheUnsnappedCoordinate) {
  struct Case {
    double v, radius, want;
  };
  for (const Case& c : {Case{0.1, 0.15, 0.0}, Case{1.0, 0.15, 1.0}, Case{-0.9, 0.15, -0.9}, Case{-1.9, 0.15, -2.0},
                        Case{1.9, 0.15, 2.0}, Case{0.99, 1.2, 2.0}}) {
    EXPECT_DOUBLE_EQ(SnapToGrid(c.v, 2.0, c.radius), c.want) << c.v << " radius " << c.radius;
  }
}

TEST(ViewInput, GraphicalInputSnapsToTheGridAndToElementEnds) {
  ViewEditor editor(testing::TestPosition());
  plat::testing::DialogScript script;
  script.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(d.Caption(), "Meshwidth of the Grid");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kMeshWidth), "2.00");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kSnapRadius), "0.15");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kGrid);
  ASSERT_TRUE(editor.state().grid_tool);
  EXPECT_FALSE(editor.view().hint().IsWindowVisible());
  editor.Command(ids::kGraphicalInput);
  ASSERT_TRUE(editor.state().graphical_input);
  EXPECT_TRUE(editor.view().hint().IsWindowVisible());
  EXPECT_EQ(editor.view().hint().GetWindowText(), kHintText);
  editor.Paint();
  editor.Click({86, 490});
  editor.Click({158, 490});
  editor.Click({158, 382});
  editor.Click({158, 382}, MouseButton::kRight);
  editor.Click({131, 489});
  editor.Click({311, 490});
  const FrameModel& model = editor.session().model;
  ASSERT_EQ(model.elements.count(), 3);
  ExpectEnds(model.elements[1], {2, 10, 6, 10});
  ExpectEnds(model.elements[2], {6, 10, 6, 16});
  ExpectEnds(model.elements[3], {6, 10, 14.5f, 10});  // element 1's end wins over the grid's 4.5
  for (int n = 1; n <= 3; ++n) {
    const common::ElementRecord& e = model.elements[n];
    EXPECT_EQ(e.material(), 1);
    EXPECT_EQ(e.cross_section(), 1);
    EXPECT_EQ(e.compression_flag(), 1);
    EXPECT_EQ(e.tension_flag(), 1);
    EXPECT_EQ(e.hinge_a(), 0);
    EXPECT_EQ(e.hinge_b(), 0);
  }
  EXPECT_TRUE(editor.state().grid_tool);
  EXPECT_EQ(editor.state().drawn_count, 3);
  // The rubber line to the mouse, for the eye.
  plat::testing::MouseMove(editor.view(), {400, 300});
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(editor.frame()).Save(snapshots + "kelmf-graphical-input.png").ok());
}

TEST(ViewInput, AnElementOfOnePointIsNotAddedAndAFullTableEndsThePolyline) {
  ViewEditor editor(testing::TestPosition());
  editor.Command(ids::kGraphicalInput);
  editor.Click({500, 400});
  editor.Click({500, 400});
  EXPECT_EQ(editor.session().model.elements.count(), 0);
  FrameModel& model = editor.session().model;
  for (int n = 0; n < 99; ++n) model.elements.Append(testing::MakeElement({float(n), 0, float(n), 1}));
  editor.Click({600, 400});
  ASSERT_EQ(model.elements.count(), 100);
  editor.Click({700, 400});
  EXPECT_EQ(model.elements.count(), 100);
  EXPECT_EQ(editor.state().line_state, 0);
  EXPECT_NE(editor.Boxes().find("Too many elements, max = 100"), std::string::npos) << editor.Boxes();
}

TEST(ViewInput, TheMouseShowsItsCoordinatesAndTheCrosshairGoesWhenItLeaves) {
  plat::testing::FakeInput input;  // the cursor follows the mouse
  ViewEditor editor(testing::TestPosition());
  const plat::Bitmap before = plat::testing::WindowPixels(editor.view());
  plat::testing::MouseMove(editor.view(), {500, 400});
  plat::testing::PumpMessages();
  EXPECT_EQ(plat::testing::PaneTextShown(editor.frame().status_bar(), kCoordinatesPane), "25.00  15.00");
  EXPECT_EQ(editor.state().crosshair, (plat::Point{500, 400}));
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(editor.view()).Save(snapshots + "kelmf-crosshair.png").ok());
  EXPECT_FALSE(plat::testing::WindowPixels(editor.view()).SamePixels(before));
  // The main frame's message when the mouse leaves the picture.
  editor.view().SendMessage(ids::kEraseCrosshair);
  EXPECT_TRUE(plat::testing::WindowPixels(editor.view()).SamePixels(before));
}

TEST(ViewInput, ARubberRectangleOfMoreThanNinePixelsZooms) {
  struct Case {
    plat::Point to;
    bool zooms;
  };
  for (const Case& c : {Case{{400, 300}, true}, Case{{109, 109}, false}, Case{{110, 105}, true}}) {
    ViewEditor editor(testing::TestPosition());
    plat::testing::MouseDown(editor.view(), {100, 100});
    plat::testing::MouseMove(editor.view(), c.to, plat::MK_LBUTTON);
    if (c.to.x == 400) {
      const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
      ASSERT_TRUE(plat::MakeFolder(snapshots));
      EXPECT_TRUE(plat::testing::WindowPixels(editor.view()).Save(snapshots + "kelmf-rubber-band.png").ok());
    }
    plat::testing::MouseUp(editor.view(), c.to);
    plat::testing::PumpMessages();
    EXPECT_EQ(editor.state().zoom_active, c.zooms) << c.to.x;
    EXPECT_FALSE(editor.state().rubber_band);
    if (c.to.x == 400) {
      const WorldBox& z = editor.state().zoom;
      EXPECT_NEAR(z.x1, 2.78, 0.02);
      EXPECT_NEAR(z.x2, 19.44, 0.02);
      EXPECT_NEAR(z.z1, 20.56, 0.02);
      EXPECT_NEAR(z.z2, 31.67, 0.02);
    }
  }
}

TEST(ViewInput, WheelAndKeysScaleThePicture) {
  {
    ViewEditor editor(testing::TestPosition());
    plat::testing::Wheel(editor.view(), 120, plat::testing::kShift, {500, 400});
    editor.Paint();
    EXPECT_EQ(editor.At(50, 30), (plat::Point{650, 310}));
  }
  {
    ViewEditor editor(testing::TestPosition());
    plat::testing::PressKey(editor.view(), plat::VK_SUBTRACT, plat::testing::kCtrl);
    editor.Paint();
    EXPECT_EQ(editor.At(50, 30), (plat::Point{875, 175}));
  }
  {
    ViewEditor editor(testing::TestPosition());
    plat::testing::PressKey(editor.view(), plat::VK_ADD, plat::testing::kCtrl);
    editor.Paint();
    EXPECT_EQ(editor.state().keyboard_zoom, 1.0);
    EXPECT_EQ(editor.At(50, 30), (plat::Point{950, 130}));
  }
}

TEST(ViewInput, FactorsStayWithinTheirBounds) {
  ViewEditor editor(testing::TestPosition());
  for (int k = 0; k < 40; ++k) plat::testing::Wheel(editor.view(), 120, plat::testing::kShift, {500, 400});
  EXPECT_EQ(editor.state().window_scale, 1e3);
  for (int k = 0; k < 60; ++k) plat::testing::PressKey(editor.view(), plat::VK_SUBTRACT, plat::testing::kCtrl);
  EXPECT_EQ(editor.state().keyboard_zoom, 1e3);
  editor.Paint();
  EXPECT_EQ(editor.Boxes(), "");
}

TEST(ViewInput, AltWheelKeepsThePenWidthWithinZeroToTen) {
  struct Case {
    int pen, delta, want;
  };
  for (const Case& c : {Case{10, 120, 10}, Case{0, -120, 0}, Case{4, 120, 5}, Case{4, -120, 3}}) {
    ViewEditor editor(testing::TestPosition());
    editor.session().model.editor.pen_width = c.pen;
    plat::testing::Wheel(editor.view(), c.delta, plat::testing::kAlt, {500, 400});
    EXPECT_EQ(editor.session().model.editor.pen_width, c.want);
    EXPECT_EQ(common::ReadInt32File(common::JoinSettingsPath(editor.session().settings, "KELMRDB")), c.want);
  }
}

TEST(ViewInput, APenWidthThatCannotBeKeptIsReported) {
  ViewEditor editor(testing::TestPosition());
  const std::string kelmrdb = common::JoinSettingsPath(editor.session().settings, "KELMRDB");
  ASSERT_TRUE(plat::MakeFolder(kelmrdb));  // a folder where the file goes
  plat::testing::Wheel(editor.view(), 120, plat::testing::kAlt, {500, 400});
  EXPECT_NE(editor.Boxes().find(kelmrdb), std::string::npos) << editor.Boxes();
}

TEST(ViewInput, CtrlKeepsTheRubberLineHorizontalOrVertical) {
  struct Case {
    plat::Point mouse, want;
  };
  for (const Case& c : {Case{{130, 120}, {130, 100}}, Case{{120, 120}, {100, 120}}, Case{{90, 130}, {100, 130}}}) {
    EXPECT_EQ(ConstrainOrthogonal({100, 100}, c.mouse), c.want);
  }
  ViewEditor editor(testing::TestPosition());
  editor.Command(ids::kGraphicalInput);
  editor.Click({100, 100});
  plat::testing::KeyDown(editor.view(), plat::VK_CONTROL, plat::testing::kCtrl);
  plat::testing::MouseMove(editor.view(), {130, 120}, 0, plat::testing::kCtrl);
  EXPECT_EQ(editor.state().rubber_point, (plat::Point{130, 100}));
  plat::testing::KeyUp(editor.view(), plat::VK_CONTROL);
  plat::testing::MouseMove(editor.view(), {130, 120});
  EXPECT_EQ(editor.state().rubber_point, (plat::Point{130, 120}));
}

TEST(ViewInput, TwoEscapesWithinASecondEndTheEditor) {
  struct Case {
    std::vector<int> gaps_ms;  // before each Escape after the first
    std::optional<int> quit;
  };
  for (const Case& c : {Case{{900}, 1}, Case{{1200}, std::nullopt}, Case{{1200, 100, 100}, 1}}) {
    plat::testing::FakeClock clock;
    ViewEditor editor(testing::TestPosition());
    plat::testing::PressKey(editor.view(), plat::VK_ESCAPE);
    for (int gap : c.gaps_ms) {
      clock.AdvanceMilliseconds(gap);
      plat::testing::PressKey(editor.view(), plat::VK_ESCAPE);
    }
    plat::testing::PumpMessages();
    EXPECT_EQ(editor.quit.code(), c.quit) << c.gaps_ms.size();
  }
}

TEST(ViewInput, AClickOnAnElementOpensItsDialog) {
  ViewEditor editor(testing::ExamplePosition("PORTAL"), true);
  ASSERT_EQ(editor.At(3, 4), (plat::Point{500, 100}));
  plat::testing::DialogScript script;
  script.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(d.Caption(), "Element");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kElement), "2");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kMaterial), "1");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kCrossSection), "2");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kEi), "1.442E+05");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kEa), "4.806E+06");
    EXPECT_TRUE(plat::testing::IsChecked(d, dlg::kCompression));
    EXPECT_TRUE(plat::testing::IsChecked(d, dlg::kTension));
    EXPECT_FALSE(plat::testing::IsChecked(d, dlg::kHingeR));
    plat::testing::SetChecked(d, dlg::kHingeR, true);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Click({500, 100});
  FrameModel& model = editor.session().model;
  EXPECT_EQ(model.elements[2].hinge_b(), 1);
  EXPECT_FALSE(editor.state().zoom_active);

  const common::Position& position = editor.session().position;
  ASSERT_TRUE(plat::WriteBlock(position.File("INVERSE"), "12345678", 8));
  ASSERT_TRUE(common::WriteInt32File(position.File("GEOMETRY"), 1));
  script.PressNext(dlg::kDelete);
  script.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(d.TemplateId(), dlg::kVerify);
    plat::testing::SetChecked(d, dlg::kDoNotAskAgain, true);
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Click({500, 100});
  EXPECT_EQ(model.elements.count(), 2);
  EXPECT_EQ(model.nodes.count(), 4);
  EXPECT_FALSE(plat::FileExists(position.File("INVERSE")));  // it belongs to the former frame
  EXPECT_EQ(testing::GeometryMarker(position), 0);
  script.PressNext(dlg::kDelete);
  editor.Click(editor.At(0, 2));
  EXPECT_EQ(model.elements.count(), 1);
  EXPECT_EQ(script.shown().size(), 4u) << [&] {
    std::string all;
    for (const auto& d : script.shown()) all += std::to_string(d.template_id) + " " + d.caption + " " + d.text + "\n";
    return all;
  }();  // the last Delete asked nothing
}

// While another program holds the position's lock, a deleted element stays:
// the editor says so, and no file changes.
TEST(ViewInput, WhileThePositionIsInUseTheElementIsNotDeleted) {
  const common::Position position = testing::StoredExample("PORTAL");
  ViewEditor editor(position);
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
  common::PositionLock other;
  ASSERT_EQ(other.TryAcquire(position.File(common::kPositionLockFile)), common::PositionLock::Attempt::kHeld);
  editor.state().delete_without_asking = true;
  plat::testing::DialogScript script;
  script.PressNext(dlg::kDelete);
  editor.Click(editor.At(3, 4));
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[1].text.rfind("Position PORTAL is in use by another program", 0), 0u)
      << script.shown()[1].text;
  EXPECT_EQ(editor.session().model.elements.count(), 3);
  other.Release();
  EXPECT_TRUE(plat::testing::SnapshotFolder(position.folder()) == before);
}

TEST(ViewInput, TheElementDialogRefusesAMaterialThatDoesNotExist) {
  ViewEditor editor(testing::ExamplePosition("PORTAL"), true);
  plat::testing::DialogScript script;
  script.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, dlg::kMaterial, "3");
    plat::testing::Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    plat::testing::SetItemText(d, dlg::kMaterial, "1");
    plat::testing::SetItemText(d, dlg::kCrossSection, "1");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Click({500, 100});
  ASSERT_GE(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[1].text, "Please enter an integer between 1 and 2.");
  EXPECT_EQ(editor.session().model.elements[2].cross_section(), 1);
}

TEST(ViewInput, TheGridDialogRefusesAMeshOfZeroAndANegativeRadius) {
  ViewEditor editor(testing::TestPosition());
  plat::testing::DialogScript script;
  script.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetItemText(d, dlg::kMeshWidth, "abc");
    plat::testing::Press(d, plat::IDOK);
    plat::testing::SetItemText(d, dlg::kMeshWidth, "0");
    plat::testing::Press(d, plat::IDOK);
    plat::testing::SetItemText(d, dlg::kMeshWidth, "1,5");
    plat::testing::SetItemText(d, dlg::kSnapRadius, "-0.1");
    plat::testing::Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    plat::testing::Press(d, dlg::kDefault);
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kMeshWidth), "2.00");
    EXPECT_EQ(plat::testing::ItemText(d, dlg::kSnapRadius), "0.15");
    plat::testing::SetItemText(d, dlg::kMeshWidth, "1,5");
    plat::testing::Press(d, plat::IDOK);
  });
  editor.Command(ids::kGrid);
  std::vector<std::string> texts;
  for (const auto& shown : script.shown()) texts.push_back(shown.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"", "Please enter a number.", "Please enter a mesh width above 0.",
                                             "Please enter a snap radius of 0 or more."}));
  EXPECT_EQ(editor.state().mesh_width, 1.5);
  EXPECT_EQ(editor.state().snap_radius, 0.15);
  EXPECT_TRUE(editor.state().grid_tool);
  editor.Command(ids::kGrid);  // off: the extents again
  EXPECT_FALSE(editor.state().grid_tool);
}


TEST(ViewInput, TheRightButtonEndsThePolylineAndOpensTheEditMenu) {
  ViewEditor editor(testing::TestPosition());
  plat::testing::PopupMenuScript menus;
  editor.Click({300, 300}, MouseButton::kRight);
  ASSERT_EQ(menus.shown().size(), 1u);
  ASSERT_EQ(menus.shown()[0].size(), 3u);
  EXPECT_EQ(menus.shown()[0][0].text, "&Ausschneiden\tCtrl+X");
  EXPECT_FALSE(menus.shown()[0][0].enabled);  // no handler: the edit commands stay disabled
  plat::Point screen{300, 300};
  editor.view().ClientToScreen(&screen);
  EXPECT_EQ(editor.state().panel_point, screen);

  editor.Command(ids::kGraphicalInput);
  editor.Click({300, 300});
  EXPECT_EQ(editor.state().line_state, 1);
  editor.Click({300, 300}, MouseButton::kRight);
  EXPECT_EQ(editor.state().line_state, 0);
  EXPECT_EQ(editor.session().model.elements.count(), 0);
  EXPECT_EQ(menus.shown().size(), 1u);  // the click that ends a polyline opens no menu
  editor.Click({300, 300}, MouseButton::kRight);
  EXPECT_EQ(menus.shown().size(), 2u);
}

TEST(ViewInput, SpacePausesGraphicalInputAndEscapeEndsAZoomFirst) {
  ViewEditor editor(testing::TestPosition());
  editor.Command(ids::kGraphicalInput);
  plat::testing::PressKey(editor.view(), plat::VK_SPACE);
  EXPECT_FALSE(editor.state().graphical_input);
  plat::testing::PressKey(editor.view(), plat::VK_SPACE);
  EXPECT_TRUE(editor.state().graphical_input);
  editor.state().zoom_active = true;
  editor.state().zoom = WorldBox{0, 0, 10, 10};
  plat::testing::PressKey(editor.view(), plat::VK_ESCAPE);
  EXPECT_FALSE(editor.state().zoom_active);
  EXPECT_TRUE(editor.state().graphical_input);
  plat::testing::PressKey(editor.view(), plat::VK_ESCAPE);
  EXPECT_FALSE(editor.state().graphical_input);
  EXPECT_FALSE(editor.view().hint().IsWindowVisible());
  EXPECT_FALSE(editor.quit.code());
}

}  // namespace
}  // namespace kelmf
