// Text on a device context: alignment, escapement, metrics in logical units and
// DrawText's layout, on the recording with its fixed font metrics (a font of
// 20 pixels: ascent 16, descent 4, every character 10 pixels wide).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dc/recording_dc.h"

namespace plat {
namespace {

Font Font20(int escapement = 0) {
  Font font;
  font.height = -20;
  font.escapement = escapement;
  return font;
}

std::vector<std::string> Lines(const RecordingDc& dc) {
  std::vector<std::string> lines;
  for (const DeviceOp& op : dc.ops()) lines.push_back(Describe(op));
  return lines;
}

TEST(DcText, ReferencePointFollowsAlignmentAndEscapement) {
  struct Case {
    unsigned align;
    int escapement;
    Point origin;  // start of the baseline on the device
  } cases[] = {
      {TA_LEFT | TA_TOP, 0, {100, 216}},
      {TA_CENTER | TA_BASELINE, 0, {80, 200}},
      {TA_RIGHT | TA_BOTTOM, 0, {60, 196}},
      {TA_CENTER | TA_BASELINE, 900, {100, 220}},  // reads upwards
      {TA_LEFT | TA_TOP, -300, {92, 214}},         // 30 degrees below the x axis
      {TA_RIGHT | TA_BASELINE, 1800, {140, 200}},  // upside down, leftwards
  };
  for (const Case& c : cases) {
    RecordingDc dc;
    dc.SelectFont(Font20(c.escapement));
    dc.SetTextAlign(c.align);
    dc.TextOut(100, 200, "abcd");
    ASSERT_EQ(dc.ops().size(), 1u);
    EXPECT_EQ(dc.ops()[0].origin, c.origin) << "align " << c.align << " esc " << c.escapement;
    EXPECT_EQ(dc.ops()[0].text_width, 40);
  }
}

TEST(DcText, FlippedAxisMovesTheReferenceButNeverMirrorsText) {
  RecordingDc dc;
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(1, 1);
  dc.SetViewportExt(1, -1);
  dc.SetViewportOrg(0, 700);
  dc.SelectFont(Font20(-300));
  dc.TextOut(100, 500, "abcd");  // device (100, 200)
  ASSERT_EQ(dc.ops().size(), 1u);
  EXPECT_EQ(dc.ops()[0].origin, (Point{92, 214}));  // as on an unflipped device
  EXPECT_EQ(dc.ops()[0].font.escapement, -300);
  EXPECT_EQ(dc.ops()[0].font.height, -20);
}

TEST(DcText, MetricsAndExtentsComeBackInLogicalUnits) {
  RecordingDc dc;
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(2, 2);
  dc.SetViewportExt(1, -1);  // two logical units per pixel, y up
  Font font;
  font.height = -40;
  dc.SelectFont(font);
  EXPECT_EQ(dc.GetTextExtent("abcd"), (Size{80, 40}));
  const TextMetrics tm = dc.GetTextMetrics();
  EXPECT_EQ(tm.height, 40);
  EXPECT_EQ(tm.ascent, 32);
  EXPECT_EQ(tm.descent, 8);
  EXPECT_EQ(tm.external_leading, 4);
  EXPECT_EQ(tm.ave_char_width, 20);
  EXPECT_EQ(tm.weight, FW_NORMAL);

  font.width = 12;  // a font of its own width: 6 pixels a character
  dc.SelectFont(font);
  EXPECT_EQ(dc.GetTextExtent("abcd"), (Size{48, 40}));
}

TEST(DcText, OpaqueBackgroundIsTheDefault) {
  RecordingDc dc;
  dc.SelectFont(Font20());
  dc.SetBkColor(Rgb(1, 2, 3));
  dc.TextOut(0, 0, "x");
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(0, 0, "x");
  EXPECT_EQ(Lines(dc), (std::vector<std::string>{
                           R"(TextOut font("ARIAL",-20,w0,esc0,400) color #000000 opaque #010203 at 0,16 "x")",
                           R"(TextOut font("ARIAL",-20,w0,esc0,400) color #000000 transparent at 0,16 "x")",
                       }));
}

struct DrawTextCase {
  const char* name;
  std::string text;
  Rect rect;
  unsigned format;
  int result;
  std::vector<std::string> lines;  // "x,y text" of every text drawn
};

TEST(DcText, DrawTextLayout) {
  const DrawTextCase cases[] = {
      {"centred on one line", "abc", {0, 0, 100, 50}, DT_SINGLELINE | DT_CENTER | DT_VCENTER, 35,
       {"35,31 abc"}},
      {"right", "abc", {0, 0, 100, 50}, DT_SINGLELINE | DT_RIGHT, 20, {"70,16 abc"}},
      {"bottom", "abc", {0, 0, 100, 50}, DT_SINGLELINE | DT_BOTTOM, 50, {"0,46 abc"}},
      {"word breaks", "aaa bbb ccc dddd", {0, 0, 75, 50}, DT_WORDBREAK, 60,
       {"0,16 aaa bbb", "0,36 ccc", "0,56 dddd"}},
      {"a long word stands alone", "x abcdefghij y", {0, 0, 50, 50}, DT_WORDBREAK | DT_CENTER, 60,
       {"20,16 x", "-25,36 abcdefghij", "20,56 y"}},
      {"line ends", "one\r\ntwo\nthree", {0, 0, 100, 50}, DT_LEFT, 60,
       {"0,16 one", "0,36 two", "0,56 three"}},
      {"ellipsis", "abcdefghij", {0, 0, 75, 20}, DT_SINGLELINE | DT_END_ELLIPSIS, 20,
       {"0,16 abcd..."}},
      {"ellipsis not needed", "abcdefg", {0, 0, 75, 20}, DT_SINGLELINE | DT_END_ELLIPSIS, 20,
       {"0,16 abcdefg"}},
      {"tabs expanded", "a\tbb\tc", {0, 0, 300, 20}, DT_SINGLELINE | DT_EXPANDTABS, 20,
       {"0,16 a", "80,16 bb", "160,16 c"}},
      {"tabs as they are", "a\tb", {0, 0, 300, 20}, DT_SINGLELINE, 20, {"0,16 a\tb"}},
      {"prefix", "A&&B", {0, 0, 300, 20}, DT_SINGLELINE, 20, {"0,16 A&B"}},
      {"no prefix", "&File", {0, 0, 300, 20}, DT_SINGLELINE | DT_NOPREFIX, 20, {"0,16 &File"}},
  };
  for (const DrawTextCase& c : cases) {
    RecordingDc dc;
    dc.SelectFont(Font20());
    Rect rect = c.rect;
    EXPECT_EQ(dc.DrawText(c.text, rect, c.format), c.result) << c.name;
    EXPECT_EQ(rect, c.rect) << c.name;
    std::vector<std::string> drawn;
    for (const DeviceOp& op : dc.ops()) {
      ASSERT_EQ(op.kind, DeviceOp::Kind::kText) << c.name;
      drawn.push_back(std::to_string(op.origin.x) + "," + std::to_string(op.origin.y) + " " +
                      op.text);
    }
    EXPECT_EQ(drawn, c.lines) << c.name;
  }
}

TEST(DcText, DrawTextClipsToItsRectangleUnlessNoClip) {
  RecordingDc dc;
  dc.SelectFont(Font20());
  dc.SelectClipRect(Rect{0, 0, 500, 30});
  Rect rect{10, 10, 60, 40};
  dc.DrawText("abc", rect, DT_SINGLELINE);
  dc.DrawText("abc", rect, DT_SINGLELINE | DT_NOCLIP);
  ASSERT_EQ(dc.ops().size(), 2u);
  EXPECT_EQ(dc.ops()[0].clip, (Rect{10, 10, 60, 30}));
  EXPECT_EQ(dc.ops()[1].clip, (Rect{0, 0, 500, 30}));
}

TEST(DcText, PrefixUnderlinesItsCharacter) {
  RecordingDc dc;
  dc.SelectFont(Font20());
  dc.SetTextColor(Rgb(0, 0, 255));
  Rect rect{0, 0, 300, 20};
  dc.DrawText("E&xit", rect, DT_SINGLELINE);
  EXPECT_EQ(Lines(dc), (std::vector<std::string>{
                           R"(DrawText font("ARIAL",-20,w0,esc0,400) color #0000FF opaque #FFFFFF at 0,16 "Exit")"
                           " clip(0,0,300,20)",
                           "DrawText pen(solid,1,#0000FF) [10,17 20,17] clip(0,0,300,20)",
                       }));
}

TEST(DcText, CalcRectMeasuresWithoutDrawing) {
  struct Case {
    std::string text;
    Rect rect;
    unsigned format;
    Rect result;
  } cases[] = {
      {"abc", {10, 10, 10, 10}, DT_SINGLELINE, {10, 10, 40, 30}},
      {"aaa bbb ccc dddd", {0, 0, 75, 0}, DT_WORDBREAK, {0, 0, 70, 60}},
      {"abcdefghij", {0, 0, 50, 0}, DT_WORDBREAK, {0, 0, 100, 20}},  // widened for a long word
      {"a\nbb", {5, 5, 500, 500}, DT_LEFT, {5, 5, 25, 45}},
  };
  for (const Case& c : cases) {
    RecordingDc dc;
    dc.SelectFont(Font20());
    Rect rect = c.rect;
    EXPECT_EQ(dc.DrawText(c.text, rect, c.format | DT_CALCRECT), c.result.Height()) << c.text;
    EXPECT_EQ(rect, c.result) << c.text;
    EXPECT_TRUE(dc.ops().empty());
  }
}

}  // namespace
}  // namespace plat
