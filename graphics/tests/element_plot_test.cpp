// The element plot: its values from the curve files or computed from the end
// values, its drawing on a recording, and its window opened in process on
// BEAM2 computed by the real programs: caption, load-case steps, wheel,
// export, printing and the click in the picture that opens it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "graphics/app/font_dialog.h"
#include "graphics/app/func_view.h"
#include "graphics/app/side_window.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/picture_click.h"
#include "graphics/compose/export_picture.h"
#include "graphics/diagrams/element_curve_file.h"
#include "graphics/picture/element_values.h"
#include "graphics/plot/element_plot.h"
#include "graphics/plot/element_plot_drawing.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/viewer_in_process.h"
#include "platform/binary_io.h"
#include "platform/dc/recording_dc.h"
#include "platform/files.h"
#include "platform/frames/command_ids.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

using Ops = std::vector<plat::DeviceOp>;

Ops Recorded(const ElementPlot& plot, const ElementPlotOptions& options) {
  plat::RecordingDc dc;
  DrawElementPlot(plot, options, dc);
  return dc.ops();
}

std::vector<std::string> TextsOf(const Ops& ops) {
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : ops) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op.text);
  }
  return texts;
}

std::vector<const plat::DeviceOp*> PolylinesOf(const Ops& ops, std::size_t points) {
  std::vector<const plat::DeviceOp*> lines;
  for (const plat::DeviceOp& op : ops) {
    if (op.kind == plat::DeviceOp::Kind::kPolyline && op.points.size() == points) lines.push_back(&op);
  }
  return lines;
}

// The labels of the x axis (the first 11 texts) and of the value axis (the next 11).
std::vector<std::string> Slice(const std::vector<std::string>& texts, std::size_t from, std::size_t n) {
  if (texts.size() < from + n) return {};
  return std::vector<std::string>(texts.begin() + static_cast<long>(from), texts.begin() + static_cast<long>(from + n));
}

ElementPlotOptions Area1000x700() {
  ElementPlotOptions o;
  o.area = plat::Rect{50, 35, 950, 665};
  return o;
}

TEST(ComputedDeflections, FollowTheCubicShapesOfTheEndValues) {
  struct Case {
    double w1, phi1, w2, phi2;
    double at0, at1, at2;  // mm at x = 0, 1, 2 of l = 2
  } cases[] = {
      {0.001, 0, 0, 0, 1.0, 0.5, 0.0},
      {0, 0.001, 0, 0, 0.0, -0.25, 0.0},
      {0, 0, 0, 0.001, 0.0, 0.25, 0.0},
      {0, 0, 0.002, 0, 0.0, 1.0, 2.0},
  };
  for (const Case& c : cases) {
    const auto w = ComputedDeflections(2.0, c.w1, c.phi1, c.w2, c.phi2);
    EXPECT_NEAR(w[0], c.at0, 1e-12) << c.w1 << " " << c.phi1 << " " << c.phi2;
    EXPECT_NEAR(w[25], c.at1, 1e-12) << c.w1 << " " << c.phi1 << " " << c.phi2;
    EXPECT_NEAR(w[50], c.at2, 1e-12) << c.w1 << " " << c.phi1 << " " << c.phi2;
  }
}

TEST(ElementPlotDrawing, OnePolylineOfTheValuesWithLabelsOfBothAxes) {
  ElementPlot plot;
  plot.has_values = true;
  plot.length = 4.0;
  for (std::size_t i = 0; i < plot.values.size(); ++i) plot.values[i] = -10.0 + 0.5 * static_cast<double>(i);
  ElementPlotOptions o = Area1000x700();
  o.line_width = 2;
  const Ops ops = Recorded(plot, o);
  const auto curves = PolylinesOf(ops, 51);
  ASSERT_EQ(curves.size(), 1u);
  const plat::DeviceOp& curve = *curves[0];
  EXPECT_EQ(curve.pen.width, 14 * 900 / kPlotExtent);  // 7 x LineWidth logical units
  // Values grow along the element: the curve rises from left to right, inside the area.
  for (std::size_t i = 1; i < curve.points.size(); ++i) {
    EXPECT_GT(curve.points[i].x, curve.points[i - 1].x);
    EXPECT_LE(curve.points[i].y, curve.points[i - 1].y);
  }
  for (const plat::Point& p : curve.points) EXPECT_TRUE(p.x >= o.area.left && p.x <= o.area.right && p.y >= o.area.top && p.y <= o.area.bottom) << p.x << "," << p.y;
  const std::vector<std::string> texts = TextsOf(ops);
  EXPECT_EQ(Slice(texts, 0, 11), (std::vector<std::string>{" 0.00", " 0.40", " 0.80", " 1.20", " 1.60", " 2.00",
                                                           " 2.40", " 2.80", " 3.20", " 3.60", " 4.00"}));
  EXPECT_EQ(Slice(texts, 11, 11), (std::vector<std::string>{" -10.00", " -7.50", " -5.00", " -2.50", "  0.00",
                                                            "  2.50", "  5.00", "  7.50", " 10.00", " 12.50",
                                                            " 15.00"}));
  // The value 0 of the x axis lies at two thirds of the range up from -10.
  const plat::Point first = curve.points.front(), last = curve.points.back();
  EXPECT_NEAR(first.x, 50 + 900 * 0.05 / 1.1, 1.0);
  EXPECT_NEAR(last.x, 50 + 900 * 1.05 / 1.1, 1.0);
  EXPECT_NEAR(last.y, 665 - 630 * (0.05 + 1.0) / 1.1, 1.0);
}

TEST(ElementPlotDrawing, EmptyValuesSpanTwoEitherSideAndNoValuesDrawNothing) {
  ElementPlot plot;
  plot.has_values = true;
  plot.length = 5.0;
  const std::vector<std::string> texts = TextsOf(Recorded(plot, Area1000x700()));
  ASSERT_EQ(texts.size(), 22u);
  EXPECT_EQ(texts[11], " -2.00");
  EXPECT_EQ(texts[21], "  2.00");
  plot.has_values = false;
  EXPECT_TRUE(Recorded(plot, Area1000x700()).empty());
}

TEST(ElementPlotDrawing, TheZoomMagnifiesTheValueAxis) {
  ElementPlot plot;
  plot.has_values = true;
  plot.length = 5.0;
  plot.values.fill(11.0);
  ElementPlotOptions o = Area1000x700();
  o.zoom = 1.1;
  const std::vector<std::string> texts = TextsOf(Recorded(plot, o));
  ASSERT_EQ(texts.size(), 22u);
  EXPECT_EQ(texts[11], "  0.00");
  EXPECT_EQ(texts[21], " 10.00");
}

constexpr char kBeam2[] = "BEAM2";
using Beam2 = testing::ComputedExampleTest<kBeam2>;

void WriteFloats(const std::string& path, std::size_t count, float v) {
  const std::vector<float> values(count, v);
  ASSERT_TRUE(plat::WriteBlock(path, values.data(), values.size() * sizeof(float)));
}

TEST_F(Beam2, ThePlotReadsTheViewersCurveElseTheSolversElseNone) {
  const ViewerState state = testing::ViewerOn(*position_, 1);
  struct Case {
    PlotFunction function;
    int viewer_floats;  // -1 no file
    bool solver_file;
    bool has_values;
    double first;
  } cases[] = {
      {PlotFunction::kMoment, 51, true, true, 7.0},     // the viewer's own
      {PlotFunction::kMoment, -1, true, true, 0.0},     // the solver's M01E1, moment 0 at the free start
      {PlotFunction::kMoment, 50, true, true, 0.0},     // a cut viewer file is passed over
      {PlotFunction::kMoment, -1, false, false, 0.0},   // none: no results
      {PlotFunction::kShear, -1, true, true, -1.0},     // S read as V
      {PlotFunction::kDeflection, 51, true, true, 7000.0},  // metres to mm
  };
  for (const Case& c : cases) {
    const char viewer_letter = ViewerCurveLetter(c.function), solver_letter = SolverCurveLetter(c.function);
    const std::string viewer = ElementCurveFileName(state, viewer_letter, 1);
    const std::string solver = SolverCurveFileName(state, solver_letter, 1);
    const auto kept = plat::ReadWholeFile(solver);
    ASSERT_TRUE(kept.has_value()) << solver;
    plat::RemoveFile(viewer);
    if (c.viewer_floats >= 0) WriteFloats(viewer, static_cast<std::size_t>(c.viewer_floats), 7.0f);
    if (!c.solver_file) {
      ASSERT_TRUE(plat::RemoveFile(solver));
    }
    const ElementPlot plot = ReadElementPlot(state, ElementPlotChoice{1, c.function}, false);
    EXPECT_EQ(plot.has_values, c.has_values) << viewer;
    EXPECT_EQ(plot.title.find("(no results)") != std::string::npos, !c.has_values) << plot.title;
    if (c.has_values && c.first != -1.0) {
      EXPECT_NEAR(plot.values[0], c.first, 1e-6) << viewer;
    }
    if (c.function == PlotFunction::kShear) {
      std::array<double, 51> direct{};
      ASSERT_TRUE(ReadCurveFile(solver, direct));
      EXPECT_EQ(plot.values, direct);
    }
    plat::RemoveFile(viewer);
    if (!c.solver_file) {
      ASSERT_TRUE(plat::WriteBlock(solver, kept->data(), kept->size()));
    }
  }
  EXPECT_EQ(ReadElementPlot(state, ElementPlotChoice{0, PlotFunction::kMoment}, false).title, "");
  EXPECT_EQ(ReadElementPlot(state, ElementPlotChoice{3, PlotFunction::kMoment}, false).title, "");
}

struct OpenedViewer : testing::ViewerInProcess {
  CGRAPHView& view() { return *app.picture_view(); }
  void PictureKey(int vk) {
    plat::testing::PressKey(view(), vk, 0);
    plat::testing::PumpMessages();
  }
  // WM_USER+5 for element e and function f, as the picture's click posts it.
  void PostPlot(int e, PlotFunction f) {
    frame().PostMessage(ids::kElementPlot, static_cast<plat::WPARAM>(e), static_cast<plat::LPARAM>(f));
    plat::testing::PumpMessages();
  }
  std::vector<CFuncView*> Plots() {
    std::vector<CFuncView*> plots;
    for (plat::MDIChildWnd* child : frame().GetMDIChildren()) {
      if (auto* plot = dynamic_cast<CFuncView*>(child->GetActiveView())) plots.push_back(plot);
    }
    return plots;
  }
  CFuncView& plot() { return *Plots().front(); }
  std::string Caption() { return plot().GetParentFrame()->GetWindowText(); }
  void Key(int vk, unsigned mods = 0) {
    plat::testing::PressKey(plot(), vk, mods);
    plat::testing::PumpMessages();
  }
  void Wheel(int delta, unsigned mods = 0) {
    plat::testing::Wheel(plot(), delta, mods);
    plat::testing::PumpMessages();
  }
  Ops Drawn() {
    plat::RecordingDc dc;
    plot().DrawOn(dc);
    return dc.ops();
  }
};

TEST_F(Beam2, MomentPlotOfElementOneStepsThroughTheLoadCases) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.PictureKey('M');
  v.PostPlot(1, PlotFunction::kMoment);
  ASSERT_EQ(v.Plots().size(), 1u);
  EXPECT_EQ(v.Caption(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 1");
  const Ops ops = v.Drawn();
  EXPECT_EQ(PolylinesOf(ops, 51).size(), 1u);
  const std::vector<std::string> texts = TextsOf(ops);
  ASSERT_EQ(texts.size(), 23u);  // the title, then the labels
  EXPECT_EQ(texts[0], "MOMENTS [kNm] IN ELEMENT 1 IN LC 1");
  EXPECT_EQ(texts[1], " 0.00");
  EXPECT_EQ(texts[2], " 0.60");
  EXPECT_EQ(texts[11], " 6.00");
  EXPECT_EQ(texts[12], " -44.94");
  EXPECT_EQ(texts[22], " 25.33");
  // Beside the picture: the top left corner of the main frame's client, 0.9333 of its size.
  plat::Rect client, frame;
  v.frame().GetClient()->GetClientRect(&client);
  v.plot().GetParentFrame()->GetWindowRect(&frame);
  EXPECT_EQ(frame.Width(), BesidePictureRect(client).Width());
  EXPECT_EQ(frame.Height(), BesidePictureRect(client).Height());

  v.Key(plat::VK_UP);
  EXPECT_EQ(v.Caption(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 2");
  EXPECT_EQ(v.app.session().state.current_load_case, 2);
  EXPECT_EQ(v.frame().PictureFrame()->GetWindowText(), "LC 2");
  v.Key(plat::VK_DOWN);
  EXPECT_EQ(v.Caption(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 1");
  for (int i = 0; i < 4; ++i) v.Key(plat::VK_UP);
  EXPECT_EQ(v.Caption(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 5");
  const Ops at5 = v.Drawn();
  v.Key(plat::VK_UP);
  EXPECT_EQ(v.Caption(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 5");
  EXPECT_EQ(TextsOf(v.Drawn()), TextsOf(at5));
  v.plot().SendMessage(plat::WM_COMMAND, ids::kPreviousLoadCase);
  plat::testing::PumpMessages();
  EXPECT_EQ(v.Caption(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 4");
  v.app.ExitInstance();
}

TEST_F(Beam2, MissingCurvesGiveNoResultsAndTheProgramGoesOn) {
  const std::string viewer = position_->FolderFile("M101");
  const std::string solver = position_->File("M01E1");
  const auto kept = plat::ReadWholeFile(solver);
  ASSERT_TRUE(kept.has_value());
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::QuitCatcher quit;  // after the start, which may see an earlier test's end
  v.PictureKey('M');
  plat::RemoveFile(viewer);  // the picture wrote it
  v.PostPlot(1, PlotFunction::kMoment);
  EXPECT_EQ(TextsOf(v.Drawn())[12], " -44.94");  // the solver's curve
  ASSERT_TRUE(plat::RemoveFile(solver));
  plat::testing::MessageBoxScript boxes;
  v.PostPlot(1, PlotFunction::kMoment);
  ASSERT_EQ(v.Plots().size(), 2u);
  CFuncView* second = v.Plots().back();
  EXPECT_EQ(second->GetParentFrame()->GetWindowText(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 1 (no results)");
  plat::RecordingDc dc;
  second->DrawOn(dc);
  EXPECT_TRUE(PolylinesOf(dc.ops(), 51).empty());
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_FALSE(quit.code().has_value());
  v.app.ExitInstance();
  ASSERT_TRUE(plat::WriteBlock(solver, kept->data(), kept->size()));
}

TEST_F(Beam2, AltWheelStepsTheLineWidthWithinZeroToTenAndTheWheelZooms) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.PictureKey('M');
  v.PostPlot(1, PlotFunction::kMoment);
  struct Case {
    int width, delta, after;
  } cases[] = {{1, -120, 0}, {0, -120, 0}, {10, 120, 10}, {9, 120, 10}, {4, 120, 5}};
  for (const Case& c : cases) {
    v.app.session().state.line_width = c.width;
    v.Wheel(c.delta, plat::testing::kAlt);
    EXPECT_EQ(v.app.session().state.line_width, c.after) << c.width << " " << c.delta;
  }
  v.app.session().state.line_width = 912;  // the frame's widest: the plot draws at most 7 x 10
  const Ops drawn = v.Drawn();
  const auto curves = PolylinesOf(drawn, 51);
  ASSERT_EQ(curves.size(), 1u);
  plat::Rect client;
  v.plot().GetClientRect(&client);
  EXPECT_LE(curves[0]->pen.width, 70 * client.Width() / kPlotExtent + 1);
  EXPECT_EQ(v.plot().zoom(), 1.0);
  v.Wheel(120);
  EXPECT_DOUBLE_EQ(v.plot().zoom(), 1.1);
  v.Wheel(-120);
  v.Wheel(-120);
  EXPECT_DOUBLE_EQ(v.plot().zoom(), 1.0 / 1.1);
  v.app.ExitInstance();
}

TEST_F(Beam2, CExportsThePlotWithItsCaptionInThePictureList) {
  plat::RemoveFile(position_->FolderFile(kPictureListFile));
  plat::RemoveFile(position_->File(kPictureCounterFile));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.PictureKey('M');
  v.PostPlot(1, PlotFunction::kMoment);
  plat::testing::MessageBoxScript boxes;
  v.Key('C');
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "OK");
  EXPECT_EQ(boxes.shown()[0].text, "Picture copied to clipboard and stored in file " + position_->FolderFile("G1.jpg"));
  EXPECT_EQ(testing::ReadBytes(position_->FolderFile("G1.jpg")).substr(0, 3), "\xff\xd8\xff");
  EXPECT_EQ(testing::ReadBytes(position_->FolderFile(kPictureListFile)),
            "              G1.jpg    MOMENTS [kNm] IN ELEMENT 1 IN LC 1\r\n");
  if (const char* keep = std::getenv("SUITE_KEEP_PICTURES")) {
    EXPECT_TRUE(plat::testing::WindowPixels(v.plot()).Save(std::string(keep) + "/element_plot_moments.png").ok());
  }
  v.app.ExitInstance();
}

TEST_F(Beam2, PPrintsThePlotUnderThePageHeadAndCountsThePage) {
  plat::RemoveFile(position_->File(kPageNumberFile));
  const std::string pdf = plat::testing::TestFolder() + "plot.pdf";
  plat::testing::PrintToPdf to_pdf(pdf);
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.PictureKey('M');
  v.PostPlot(1, PlotFunction::kMoment);
  const int page = v.app.session().state.page_number;
  v.Key('P');
  EXPECT_EQ(v.app.session().state.page_number, page + 1);
  const std::vector<plat::testing::PdfPageSize> pages = plat::testing::PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_LT(pages[0].width, pages[0].height);  // the values span more than the x range: portrait
  const std::string text = plat::testing::PdfPageText(pdf, 1);
  for (const char* piece : {"Pos. BEAM2", "MOMENTS [kNm] IN ELEMENT 1 IN LC 1", "-44.94", "25.33", "6.00"}) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece << "\n" << text;
  }
  if (const char* keep = std::getenv("SUITE_KEEP_PICTURES")) {
    EXPECT_TRUE(plat::CopyFile(pdf, std::string(keep) + "/element_plot_moments.pdf", true));
  }
  v.app.ExitInstance();
}

TEST_F(Beam2, ThePageLiesAlongTheWiderSpanUnlessPrinterSetupWasUsed) {
  struct Case {
    PlotFunction function;
    bool setup_used;
    bool landscape;
  } cases[] = {
      {PlotFunction::kDeflection, false, true},  // a few mm against 5.5 tenths of the length
      {PlotFunction::kMoment, false, false},
      {PlotFunction::kDeflection, true, false},  // the printer's own orientation
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string pdf = plat::testing::TestFolder() + "page" + std::to_string(++n) + ".pdf";
    plat::testing::PrintToPdf to_pdf(pdf);
    OpenedViewer v;
    ASSERT_TRUE(v.Open(*position_, 1));
    v.app.session().printer_setup_chosen = c.setup_used;
    v.PostPlot(1, c.function);
    v.plot().SendMessage(plat::WM_COMMAND, plat::ID_FILE_PRINT_DIRECT);
    plat::testing::PumpMessages();
    const std::vector<plat::testing::PdfPageSize> pages = plat::testing::PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u) << n;
    EXPECT_EQ(pages[0].width > pages[0].height, c.landscape) << n;
    v.app.ExitInstance();
  }
}

TEST_F(Beam2, TheLoadCaseChosenInThePlotIsShownByEveryWindow) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.PictureKey('M');
  v.PostPlot(1, PlotFunction::kMoment);
  v.PostPlot(2, PlotFunction::kMoment);
  ASSERT_EQ(v.Plots().size(), 2u);
  const auto choose = [&](const char* typed) {
    v.dialogs.OnNextDialog([typed](plat::Dialog& d) {
      d.SetDlgItemText(kChoiceEdit, typed);
      d.SendMessage(plat::WM_COMMAND, plat::IDOK);
    });
    v.Plots().front()->SendMessage(plat::WM_COMMAND, ids::kChooseLoadCase);
    plat::testing::PumpMessages();
  };
  choose("3");
  EXPECT_EQ(v.frame().PictureFrame()->GetWindowText(), "LC 3");
  EXPECT_EQ(v.Plots()[0]->GetParentFrame()->GetWindowText(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 3");
  EXPECT_EQ(v.Plots()[1]->GetParentFrame()->GetWindowText(), "MOMENTS [kNm] IN ELEMENT 2 IN LC 3");
  choose("9");  // not in the diary
  EXPECT_EQ(v.Plots()[0]->GetParentFrame()->GetWindowText(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 3");
  v.app.ExitInstance();
}

TEST_F(Beam2, EscAndTheExtraButtonCloseThePlotOnlyAndTabGoesToThePicture) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::QuitCatcher quit;  // after the start, which may see an earlier test's end
  v.PictureKey('D');
  v.PostPlot(2, PlotFunction::kDeflection);
  EXPECT_EQ(v.Caption(), "DEFLECTION [mm] OF ELEMENT 2 IN LC 1");
  if (const char* keep = std::getenv("SUITE_KEEP_PICTURES")) {
    EXPECT_TRUE(plat::testing::WindowPixels(v.plot()).Save(std::string(keep) + "/element_plot_deflection.png").ok());
  }
  v.Key(plat::VK_TAB);
  EXPECT_EQ(v.frame().MDIGetActive(), v.frame().PictureFrame());
  v.Key(plat::VK_ESCAPE);
  EXPECT_TRUE(v.Plots().empty());
  v.PostPlot(2, PlotFunction::kShear);
  EXPECT_EQ(v.Caption(), "SHEAR FORCES [kN] IN ELEMENT 2 IN LC 1");
  v.plot().SendMessage(plat::WM_XBUTTONDOWN, plat::MAKEWPARAM(0, plat::XBUTTON1), 0);
  plat::testing::PumpMessages();
  EXPECT_TRUE(v.Plots().empty());
  EXPECT_EQ(v.frame().GetMDIChildren().size(), 1u);
  v.PostPlot(3, PlotFunction::kMoment);  // BEAM2 has two elements
  v.PostPlot(0, PlotFunction::kMoment);
  v.frame().PostMessage(ids::kElementPlot, 1, 7);
  plat::testing::PumpMessages();
  EXPECT_TRUE(v.Plots().empty());
  EXPECT_FALSE(quit.code().has_value());
  v.app.ExitInstance();
}

TEST_F(Beam2, WithTheComputedMarkTheDeflectionsFollowTheEndRotationsOnly) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.PictureKey('D');
  v.PostPlot(1, PlotFunction::kDeflection);
  const ElementPlot from_file = v.plot().plot();
  ASSERT_TRUE(from_file.has_values);
  v.frame().PictureFrame()->ActivateFrame();
  v.PictureKey('K');  // any key in the displacement picture flips the mark
  ASSERT_TRUE(v.view().controls().displacement_option);
  v.PostPlot(1, PlotFunction::kDeflection);
  const ElementPlot computed = v.Plots().back()->plot();
  ASSERT_TRUE(computed.has_values);
  // The cubic of the end values: w1 and w2 at the ends, (w1 + w2) / 2 + (phi2 - phi1) l / 8 in the middle.
  const mechanics::EndValues ends = ElementValuesAlong(v.app.session().state, 1).local;
  EXPECT_NEAR(computed.values[0], 1000.0 * ends.transverse_a, 1e-9);
  EXPECT_NEAR(computed.values[50], 1000.0 * ends.transverse_b, 1e-9);
  EXPECT_NEAR(computed.values[25],
              1000.0 * ((ends.transverse_a + ends.transverse_b) / 2 + (ends.rotation_b - ends.rotation_a) * 6.0 / 8.0),
              1e-9);
  EXPECT_GT(std::fabs(computed.values[25] - from_file.values[25]), 0.1);  // the line load's share is left out
  v.app.ExitInstance();
}

TEST_F(Beam2, AClickOnAnElementOfAResultPictureWithNodalForcesOpensItsPlot) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  const common::ElementRecord& first = v.app.session().state.elements[1];
  const WorldPoint middle{(first.xa() + first.xb()) / 2, (first.za() + first.zb()) / 2};
  const plat::Point at = WorldToClient(v.app.session(), middle);
  EXPECT_FALSE(v.view().PostElementPlot(at));  // the frame picture
  v.PictureKey('M');
  EXPECT_FALSE(v.view().PostElementPlot(WorldToClient(v.app.session(), middle)));  // nodal forces off
  v.app.session().request.nodal_loads = true;
  v.view().Invalidate();
  v.view().UpdateWindow();
  const plat::Point click = WorldToClient(v.app.session(), middle);
  EXPECT_EQ(ElementAtClient(v.app.session(), click), 1);
  EXPECT_EQ(ElementAtClient(v.app.session(), plat::Point{click.x, click.y - 60}), 0);
  EXPECT_FALSE(v.view().PostElementPlot(plat::Point{click.x, click.y - 60}));
  ASSERT_TRUE(v.view().PostElementPlot(click));
  plat::testing::PumpMessages();
  ASSERT_EQ(v.Plots().size(), 1u);
  EXPECT_EQ(v.plot().choice().element, 1);
  EXPECT_EQ(v.Caption(), "MOMENTS [kNm] IN ELEMENT 1 IN LC 1");
  v.app.ExitInstance();
}

}  // namespace
}  // namespace revuzavi
