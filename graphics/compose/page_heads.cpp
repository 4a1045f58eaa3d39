#include "graphics/compose/page_heads.h"

#include <cmath>
#include <ctime>

#include "common/page/heading_files.h"
#include "common/page/page_header_file.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

constexpr int kHeadingFontHeight = 80;
constexpr std::size_t kHeadingWidth = 240;

// Device pixels per millimetre along x and y.
struct PerMillimetre {
  double x = 1.0, y = 1.0;
};

PerMillimetre PixelsPerMillimetre(const plat::Dc& dc) {
  const int w = dc.GetDeviceCaps(plat::HORZSIZE), h = dc.GetDeviceCaps(plat::VERTSIZE);
  PerMillimetre p;
  if (w > 0) p.x = double(dc.GetDeviceCaps(plat::HORZRES)) / w;
  if (h > 0) p.y = double(dc.GetDeviceCaps(plat::VERTRES)) / h;
  return p;
}

void StartText(plat::Dc& dc) {
  dc.SetMapMode(plat::MM_TEXT);
  dc.SetWindowOrg(0, 0);
  dc.SetViewportOrg(0, 0);
  dc.RemoveClip();
  dc.SetBkMode(plat::TRANSPARENT);
  dc.SetTextColor(plat::Rgb(0, 0, 0));
  dc.SetTextAlign(plat::TA_LEFT | plat::TA_TOP);
  dc.SelectPen(plat::Pen{});
  dc.SelectBrush(plat::Brush::Null());
}

void Line(plat::Dc& dc, double x1, double y1, double x2, double y2) {
  dc.MoveTo(int(std::lround(x1)), int(std::lround(y1)));
  dc.LineTo(int(std::lround(x2)), int(std::lround(y2)));
}

std::string PageText(int page) { return "Page " + std::to_string(page); }

// The border 5 mm inside the page edges.
void Border(plat::Dc& dc, const PerMillimetre& p) {
  const int w = dc.GetDeviceCaps(plat::HORZRES), h = dc.GetDeviceCaps(plat::VERTRES);
  dc.Rectangle(int(std::lround(5 * p.x)), int(std::lround(5 * p.y)), w - int(std::lround(5 * p.x)),
               h - int(std::lround(5 * p.y)));
}

// The heading centred across the page, its middle 8.5 mm from the top, and the page number on the right.
void AcrossTheTop(plat::Dc& dc, const PerMillimetre& p, const std::string& heading, int page) {
  const int w = dc.GetDeviceCaps(plat::HORZRES);
  Line(dc, 5 * p.x, 15 * p.y, w - 5 * p.x, 15 * p.y);
  dc.SelectFont(MakeRotatedFont(dc, "ARIAL", kHeadingFontHeight, 0, 0, 0, true));
  const plat::Size size = dc.GetTextExtent(heading);
  const int y = int(std::lround(8.5 * p.y)) - size.cy / 2;
  dc.TextOut((w - size.cx) / 2, y, heading);
  const std::string number = PageText(page);
  dc.TextOut(w - int(std::lround(10 * p.x)) - dc.GetTextExtent(number).cx, y, number);
}

}  // namespace

std::string PositionHeading(const ViewerState& state) {
  return "Pos. " + state.position.name() + "  " + state.params.title();
}

void DrawPageHeading(const ViewerState& state, plat::Dc& dc, int page) {
  StartText(dc);
  const PerMillimetre p = PixelsPerMillimetre(dc);
  Border(dc, p);
  AcrossTheTop(dc, p, PositionHeading(state), page);
}

void DrawHeadingLines(const ViewerState& state, plat::Dc& dc, int page) {
  std::string heading = common::ReadHeadingFile(common::JoinSettingsPath(state.settings, common::kFirstHeadingFile));
  if (heading.size() > kHeadingWidth) heading.resize(kHeadingWidth);
  if (heading.empty()) heading = PositionHeading(state);
  StartText(dc);
  const PerMillimetre p = PixelsPerMillimetre(dc);
  Border(dc, p);
  if (dc.GetDeviceCaps(plat::VERTSIZE) >= dc.GetDeviceCaps(plat::HORZSIZE)) {
    AcrossTheTop(dc, p, heading, page);
    return;
  }
  // Landscape: the heading turned along a line 15 mm from the right edge, read from the bottom up.
  const int w = dc.GetDeviceCaps(plat::HORZRES), h = dc.GetDeviceCaps(plat::VERTRES);
  const double x = w - 15 * p.x;
  Line(dc, x, 5 * p.y, x, h - 5 * p.y);
  dc.SelectFont(MakeRotatedFont(dc, "ARIAL", kHeadingFontHeight, 0, 0, 2700, true));
  const plat::Size size = dc.GetTextExtent(heading);
  const int text_x = int(std::lround(x + 5 * p.x)) + size.cy / 2;
  dc.TextOut(text_x, (h - size.cx) / 2, heading);
  dc.TextOut(text_x, int(std::lround(0.9 * h)), PageText(page));
}

std::string TodayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%d.%m.%Y", &local);
  return text;
}

void DrawPageHead(const ViewerState& state, const ViewState& view, plat::Dc& dc, int font_height, int page,
                  const std::string& date) {
  using F = common::PageHeader;
  common::PageHeader header =
      common::ReadPageHeaderFile(common::JoinSettingsPath(state.settings, common::kPageHeaderFile)).header;
  header[F::kDate] = date;

  StartText(dc);
  const double w = dc.GetDeviceCaps(plat::HORZRES), h = dc.GetDeviceCaps(plat::VERTRES);
  double mx = std::round(2 * w / 3383);
  if (view.binding_margin) mx += 10 * w / 3383;
  const double my = std::round(2 * h / 2363);
  dc.Rectangle(int(mx), int(my), int(w - mx), int(h - my));
  Line(dc, mx, 195 * h / 2363, w - mx, 195 * h / 2363);
  Line(dc, 0.75 * w, my, 0.75 * w, 200 * h / 2363);
  Line(dc, mx, 0.93 * h, w - mx, 0.93 * h);
  Line(dc, 0.75 * w, 0.93 * h, 0.75 * w, h - my);

  dc.SelectFont(MakeRotatedFont(dc, "ARIAL", font_height, 0, 0, 0, true));
  struct Entry {
    std::string text;
    double x, y;
  };
  const Entry entries[] = {
      {"VERFASSER: " + header[F::kAuthor], 0.02, 0.01},
      {"PROGRAMM: " + header[F::kProgram], 0.02, 0.03},
      {"BAUWERK: " + header[F::kBuilding], 0.02, 0.05},
      {"ASB NR.: " + header[F::kFileNumber], 0.6, 0.05},
      {"Datum: " + header[F::kDate], 0.77, 0.05},
      {"BAUTEIL: " + header[F::kPart], 0.02, 0.93},
      {"BLOCK: " + header[F::kBlock], 0.02, 0.95},
      {"VORGANG: " + header[F::kProcess], 0.02, 0.97},
      {page < 1 ? std::string("SEITE:") : "SEITE: " + std::to_string(page), 0.6, 0.97},
      {"ARCHIV-NR.: " + header[F::kArchiveNumber], 0.77, 0.97},
  };
  for (const Entry& e : entries) dc.TextOut(int(std::lround(e.x * w)), int(std::lround(e.y * h)), e.text);
}

void DrawStyledPageHead(const ViewerState& state, const ViewState& view, plat::Dc& dc, int page) {
  switch (state.page_head_style) {
    case 2:
      DrawPageHead(state, view, dc, kHeadingFontHeight, page, TodayText());
      return;
    case 3:
      DrawHeadingLines(state, dc, page);
      return;
    default:
      DrawPageHeading(state, dc, page);
  }
}

}  // namespace revuzavi
