// Scroll bars with Win32's clamping, the user's actions on them, ScrollWindow.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dc/dc.h"
#include "platform/testing/window_testing.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

struct ClampCase {
  int min, max;
  unsigned page;
  int set_pos;
  int pos;  // read back
  unsigned page_read;
  bool shown;
};

TEST(ScrollBar, RangePageAndPositionClampAsWin32Does) {
  const ClampCase cases[] = {
      {0, 79, 70, 20, 10, 70, true},   // position <= max - page + 1
      {0, 79, 70, 10, 10, 70, true},
      {0, 79, 70, -5, 0, 70, true},
      {0, 79, 0, 79, 79, 0, true},     // no page: up to max
      {0, 79, 1, 100, 79, 1, true},
      {0, 79, 80, 5, 0, 80, false},    // the page shows everything: nothing to scroll
      {0, 9, 50, 5, 0, 10, false},     // a page beyond the range shrinks to it
      {0, 0, 0, 3, 0, 0, false},       // an empty range hides the bar
      {10, 20, 5, 0, 10, 5, true},
      {-50, 50, 11, 100, 40, 11, true},
  };
  Window w;
  ASSERT_TRUE(w.Create("scroll", WS_VISIBLE, TopLevelRect()));
  for (const ClampCase& c : cases) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = c.min;
    info.nMax = c.max;
    info.nPage = c.page;
    w.SetScrollInfo(SB_VERT, info);
    w.SetScrollPos(SB_VERT, c.set_pos);
    SCROLLINFO read;
    read.fMask = SIF_ALL;
    ASSERT_TRUE(w.GetScrollInfo(SB_VERT, &read));
    const std::string label = std::to_string(c.min) + ".." + std::to_string(c.max) + " page " +
                              std::to_string(c.page) + " pos " + std::to_string(c.set_pos);
    EXPECT_EQ(w.GetScrollPos(SB_VERT), c.pos) << label;
    EXPECT_EQ(read.nPos, c.pos) << label;
    EXPECT_EQ(read.nTrackPos, c.pos) << label;
    EXPECT_EQ(read.nPage, c.page_read) << label;
    EXPECT_EQ(read.nMin, c.min) << label;
    EXPECT_EQ(read.nMax, c.max) << label;
    EXPECT_EQ(w.GetScrollLimit(SB_VERT), c.max - std::max(static_cast<int>(c.page_read) - 1, 0)) << label;
    Rect client;
    w.GetClientRect(&client);
    EXPECT_EQ(client.Width() < 400, c.shown) << label;  // a shown bar takes its width from the client area
  }
}

TEST(ScrollBar, SetScrollPosReturnsThePreviousPositionAndKeepsTheBar) {
  Window w;
  ASSERT_TRUE(w.Create("scroll", WS_VISIBLE, TopLevelRect()));
  w.SetScrollRange(SB_HORZ, 0, 500);
  EXPECT_EQ(w.SetScrollPos(SB_HORZ, 200), 0);
  EXPECT_EQ(w.SetScrollPos(SB_HORZ, 900), 200);
  EXPECT_EQ(w.GetScrollPos(SB_HORZ), 500);
  int min = -1, max = -1;
  w.GetScrollRange(SB_HORZ, &min, &max);
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 500);
  // Shrinking the range pulls the position in; a range of one value hides the bar.
  w.SetScrollRange(SB_HORZ, 0, 100);
  EXPECT_EQ(w.GetScrollPos(SB_HORZ), 100);
  w.SetScrollRange(SB_HORZ, 7, 7);
  EXPECT_EQ(w.GetScrollPos(SB_HORZ), 7);
  Rect client;
  w.GetClientRect(&client);
  EXPECT_EQ(client, (Rect{0, 0, 400, 300}));
}

// Logs WM_SIZE and the scroll messages; moves the position as a program does.
class Scrolled : public Recorder {
 public:
  bool move_on_line = true;
  std::vector<std::string> scrolls;

 protected:
  void OnVScroll(UINT code, UINT pos, Window*) override {
    SCROLLINFO info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(SB_VERT, &info);
    scrolls.push_back(std::to_string(code) + " " + std::to_string(pos) + " track " + std::to_string(info.nTrackPos));
    if (code == SB_LINEDOWN && move_on_line) SetScrollPos(SB_VERT, GetScrollPos(SB_VERT) + 1);
    if (code == SB_PAGEDOWN) SetScrollPos(SB_VERT, GetScrollPos(SB_VERT) + 10);
    if (code == SB_THUMBPOSITION) SetScrollPos(SB_VERT, static_cast<int>(pos));
  }
};

TEST(ScrollBar, ShowingTheBarShrinksTheClientAreaWithWmSize) {
  Scrolled w;
  ASSERT_TRUE(w.Create("scroll", WS_VISIBLE, TopLevelRect()));
  w.calls.clear();
  w.SetScrollRange(SB_VERT, 0, 1000);
  Rect client;
  w.GetClientRect(&client);
  ASSERT_LT(client.Width(), 400);
  EXPECT_EQ(w.calls, std::vector<std::string>{"Size 0 " + std::to_string(client.Width()) + " 300"});
  w.calls.clear();
  w.ShowScrollBar(SB_VERT, false);
  EXPECT_EQ(w.calls, std::vector<std::string>{"Size 0 400 300"});
}

TEST(ScrollBar, ClicksOnTheBarArriveAsScrollMessagesAndMoveOnlyWhatTheProgramMoves) {
  Scrolled w;
  ASSERT_TRUE(w.Create("scroll", WS_VISIBLE | WS_VSCROLL, TopLevelRect()));
  // Created with its bar: the first WM_SIZE tells the client area beside it.
  Rect client;
  w.GetClientRect(&client);
  EXPECT_LT(client.Width(), 400);
  EXPECT_EQ(w.calls, std::vector<std::string>{"Size 0 " + std::to_string(client.Width()) + " 300"});
  EXPECT_EQ(w.GetScrollLimit(SB_VERT), 100);
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMax = 99;
  info.nPage = 20;
  w.SetScrollInfo(SB_VERT, info);

  ClickScrollBar(w, SB_VERT, SB_LINEDOWN);
  EXPECT_EQ(w.GetScrollPos(SB_VERT), 1);
  w.move_on_line = false;
  ClickScrollBar(w, SB_VERT, SB_LINEDOWN);
  EXPECT_EQ(w.GetScrollPos(SB_VERT), 1);  // nobody moved it
  ClickScrollBar(w, SB_VERT, SB_PAGEDOWN);
  EXPECT_EQ(w.GetScrollPos(SB_VERT), 11);
  ClickScrollBar(w, SB_VERT, SB_LINEUP);
  const std::vector<std::string> expected = {"1 0 track 0", "8 0 track 1", "1 1 track 1",  "8 0 track 1",
                                             "3 1 track 1", "8 0 track 11", "0 11 track 11", "8 0 track 11"};
  EXPECT_EQ(w.scrolls, expected);
}

TEST(ScrollBar, DraggingTheThumbTracksAndEndsWithThePosition) {
  Scrolled w;
  ASSERT_TRUE(w.Create("scroll", WS_VISIBLE, TopLevelRect()));
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMax = 299;
  info.nPage = 100;
  w.SetScrollInfo(SB_VERT, info);
  DragScrollThumb(w, SB_VERT, 90, 3);

  ASSERT_GE(w.scrolls.size(), 4u);
  const std::size_t n = w.scrolls.size();
  int last_track = -1;
  for (std::size_t i = 0; i + 2 < n; ++i) {
    int pos = 0, track = 0;
    ASSERT_EQ(std::sscanf(w.scrolls[i].c_str(), "5 %d track %d", &pos, &track), 2) << w.scrolls[i];
    EXPECT_EQ(pos, track);  // GetScrollInfo tells the track position while dragging
    EXPECT_GT(pos, last_track);
    last_track = pos;
  }
  EXPECT_GT(last_track, 0);
  EXPECT_EQ(w.scrolls[n - 2], "4 " + std::to_string(last_track) + " track " + std::to_string(last_track));
  EXPECT_EQ(w.scrolls[n - 1], "8 0 track " + std::to_string(last_track));
  EXPECT_EQ(w.GetScrollPos(SB_VERT), last_track);
}

class Striped : public Window {
 public:
  std::vector<Rect> painted;
  bool draw = true;

 protected:
  void OnPaint(Dc& dc) override {
    painted.push_back(dc.GetClipBox());
    if (!draw) return;
    for (int y = 0; y < 300; y += 10) {
      dc.FillRect(Rect{0, y, 400, y + 10}, Brush::Solid(y % 20 ? Rgb(0, 0, 255) : Rgb(255, 0, 0)));
    }
  }
};

TEST(ScrollWindow, MovesThePixelsAndPaintsWhatItUncovers) {
  Striped w;
  ASSERT_TRUE(w.Create("scroll", WS_VISIBLE, TopLevelRect()));
  w.UpdateWindow();
  auto dc = w.GetDC();
  dc->FillRect(Rect{0, 0, 10, 10}, Brush::Solid(Rgb(0, 255, 0)));  // a mark to follow
  dc.reset();
  w.painted.clear();
  w.draw = false;  // so that the moved pixels stay to be seen
  w.ScrollWindow(0, 20);
  Bitmap pixels = WindowPixels(w);
  EXPECT_EQ(pixels.Pixel(5, 25), Rgb(0, 255, 0));
  EXPECT_EQ(pixels.Pixel(9, 29), Rgb(0, 255, 0));
  EXPECT_EQ(pixels.Pixel(20, 25), Rgb(255, 0, 0));  // the red stripe at 0..9, moved
  EXPECT_EQ(pixels.Pixel(20, 35), Rgb(0, 0, 255));
  EXPECT_EQ(w.painted, std::vector<Rect>{(Rect{0, 0, 400, 20})});  // only the strip it uncovered

  // Only a part moves.
  w.painted.clear();
  const Rect part{100, 100, 200, 200};
  w.ScrollWindow(0, -50, &part, &part);
  w.UpdateWindow();
  EXPECT_EQ(w.painted, std::vector<Rect>{(Rect{100, 150, 200, 200})});
}

}  // namespace
}  // namespace plat::test
