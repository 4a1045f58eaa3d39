// The load picture of the example PORTAL (6 m x 4 m, node 1 clamped, node 4
// hinged) as stored, drawn on a RecordingDc of 1000 x 700.
#include "loads/picture/draw_load_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "loads/model/read_load_case.h"
#include "loads/tests/example_frames.h"
#include "platform/dc/recording_dc.h"

namespace pundf::picture {
namespace {

PictureView PortalView() {
  PictureView view;
  view.drawing_rect = {50, 35, 950, 665};
  view.zoom = 0.7f;
  return view;
}

class PortalPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    model_ = pundf::testing::StoredExample("PORTAL", ".P");
    ASSERT_EQ(model_.geometry.element_count(), 3);
    pundf::testing::StoreExampleLoadCases("PORTAL", model_);
  }
  void Open(int number) {
    const ReadOutcome read = ReadLoadCase(model_, number);
    ASSERT_TRUE(read.ok()) << read.message().text();
    ForgetLabelPlaces(labels_);
  }
  std::string Draw(plat::RecordingDc& dc, const PictureView& view = PortalView()) {
    EXPECT_TRUE(DrawLoadCase(model_, view, labels_, dc));
    return dc.Text();
  }
  std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }
  // The lines of the recording that hold `part`.
  std::vector<std::string> With(const std::string& text, const std::string& part) {
    std::vector<std::string> found;
    for (const std::string& line : Lines(text)) {
      if (line.find(part) != std::string::npos) found.push_back(line);
    }
    return found;
  }

  LoadModel model_;
  LabelMemory labels_;
};

TEST_F(PortalPicture, MapsTheFrameUprightOntoTheDrawingRectangle) {
  Open(1);
  plat::RecordingDc dc;
  const std::string text = Draw(dc);
  EXPECT_EQ(dc.GetWindowExt(), (plat::Size{12000, 8000}));
  EXPECT_EQ(dc.GetViewportExt(), (plat::Size{900, -600}));
  EXPECT_EQ(dc.GetViewportOrg(), (plat::Point{500, 350}));
  EXPECT_EQ(dc.GetWindowOrg(), (plat::Point{6000, 4000}));
  EXPECT_EQ(PixelUnit(dc), 40);
  for (const char* line : {"LineTo pen(solid,1,#000000) [50,650 50,50]", "LineTo pen(solid,1,#000000) [50,50 950,50]",
                           "LineTo pen(solid,1,#000000) [950,50 950,650]",
                           "Ellipse pen(solid,1,#000000) brush(solid,#000000) rect(47,647,53,653)",
                           "Polyline pen(solid,1,#000000) [950,650 941,659 959,659 950,650]"}) {
    EXPECT_NE(text.find(std::string(line) + "\n"), std::string::npos) << line << "\n" << text;
  }
  // The clamped foot: a light-grey square under node 1; the free nodes 2 and 3 have no symbol.
  EXPECT_EQ(With(text, "brush(solid,#C0C0C0)").size(), 1u) << text;
  EXPECT_TRUE(With(text, "[50,50 41,59").empty()) << text;
  EXPECT_TRUE(With(text, "[950,50 941,59").empty()) << text;
}

TEST_F(PortalPicture, WindLoadsAsDiagramsBandsLabelsAndArrow) {
  Open(2);
  plat::RecordingDc dc;
  const std::string text = Draw(dc);
  EXPECT_EQ(With(text, "[50,650 34,650 34,590 34,530 34,470 34,410 34,350 34,290 34,230 34,170 34,110 34,50 50,50]"),
            std::vector<std::string>{"Polygon pen(solid,1,#000000) brush(solid,#E6E6E6) alternate [50,650 34,650 34,590 "
                                     "34,530 34,470 34,410 34,350 34,290 34,230 34,170 34,110 34,50 50,50]"});
  EXPECT_EQ(With(text, "[47,650 47,50 53,50 53,650]"),
            std::vector<std::string>{
                "Polygon pen(solid,1,#000000) brush(bdiagonal,#FF0000) alternate [47,650 47,50 53,50 53,650]"});
  const auto label = With(text, "1.50 kN/m");
  ASSERT_EQ(label.size(), 1u) << text;
  EXPECT_NE(label[0].find("TextOut font(\"ARIAL\","), std::string::npos) << label[0];
  EXPECT_NE(label[0].find(",esc-900,"), std::string::npos) << label[0];
  EXPECT_EQ(With(text, "[50,50 24,24 24,37 -29,37 -29,63 24,63 24,76 50,50]"),
            std::vector<std::string>{"Polygon pen(solid,1,#000000) brush(solid,#E6E6E6) alternate "
                                     "[50,50 24,24 24,37 -29,37 -29,63 24,63 24,76 50,50]"});
  EXPECT_EQ(With(text, "\"F1  10.00 kN\"").size(), 1u) << text;

  PictureView filled = PortalView();
  filled.filled_bands = true;
  plat::RecordingDc filled_dc;
  EXPECT_EQ(With(Draw(filled_dc, filled), "[47,650 47,50 53,50 53,650]"),
            std::vector<std::string>{
                "Polygon pen(solid,1,#000000) brush(solid,#D2D2D2) alternate [47,650 47,50 53,50 53,650]"});
}

TEST_F(PortalPicture, LoadScaleStretchesOrdinatesAndArrows) {
  Open(2);
  PictureView view = PortalView();
  view.load_scale = 2.0f;
  plat::RecordingDc dc;
  const std::string text = Draw(dc, view);
  // Ordinates of 1.5 kN/m: 2 x 0.105 m = 31.5 pixels left of the column; the arrow 2 x 0.525 m long.
  EXPECT_EQ(With(text, "[50,650 19,650 19,590").size(), 1u) << text;
  EXPECT_EQ(With(text, "[50,50 -2,-2 -2,24 -107,24 -107,76 -2,76 -2,103 50,50]").size(), 1u) << text;
}

TEST_F(PortalPicture, TemperatureSettlementAndPrestress) {
  Open(3);
  plat::RecordingDc dc;
  const std::string text = Draw(dc);
  EXPECT_EQ(With(text, "\"T = 15.00\"").size(), 3u) << text;
  EXPECT_EQ(With(text, "LineTo pen(solid,1,#FF0000) [50,50 950,50]").size(), 1u) << text;
  EXPECT_EQ(With(text, "\"8.000E+02 kN\"").size(), 1u) << text;
  EXPECT_EQ(With(text, "Ellipse pen(solid,1,#000000) brush(solid,#FF0000) rect(947,647,953,653)").size(), 1u) << text;
  EXPECT_EQ(With(text, "\"u = 5.00 mmw = 10.00 mm\"").size(), 1u) << text;
  EXPECT_EQ(With(text, "\"6.00\"").size(), 1u) << text;
  EXPECT_EQ(With(text, "\"4.00\"").size(), 1u) << text;
}

TEST_F(PortalPicture, APaintAgainDrawsTheSame) {
  Open(3);
  PictureView view = PortalView();
  view.node_numbers = true;
  view.element_numbers = true;
  plat::RecordingDc first, second;
  const std::string once = Draw(first, view);
  const std::size_t boxes = labels_.boxes.size();
  const std::string again = Draw(second, view);
  EXPECT_EQ(once, again);
  EXPECT_EQ(labels_.boxes.size(), boxes);
  for (const char* number : {"\"N 1\"", "\"N 2\"", "\"N 3\"", "\"N 4\""}) {
    EXPECT_EQ(With(again, number).size(), 1u) << number << "\n" << again;
  }
}

TEST_F(PortalPicture, ZoomBoxGivesItsWindow) {
  Open(1);
  PictureView view = PortalView();
  view.zoom_box_set = true;
  view.zoom_box = {4.0f, 3.0f, 1.0f, 0.5f};
  plat::RecordingDc dc;
  Draw(dc, view);
  EXPECT_EQ(dc.GetWindowOrg(), (plat::Point{5000, 3500}));
  EXPECT_EQ(dc.GetWindowExt(), (plat::Size{6000, 5000}));
}

TEST_F(PortalPicture, AWindowThatCannotBeMappedDrawsNothing) {
  Open(1);
  model_.geometry.extents.set_xmax(std::numeric_limits<float>::infinity());
  plat::RecordingDc dc;
  EXPECT_FALSE(DrawLoadCase(model_, PortalView(), labels_, dc));
  EXPECT_TRUE(dc.ops().empty()) << dc.Text();
  EXPECT_EQ(dc.GetMapMode(), plat::MM_TEXT);
}

}  // namespace
}  // namespace pundf::picture
