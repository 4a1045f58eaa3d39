#include "Zelko1/page/page_form.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zevril {
namespace {

using Field = common::PageHeader::Field;

// The layout of one orientation, in layout units.
struct Layout {
  int frame_left;
  int frame_top;
  int header_line;  // above the bottom
  int label_left;   // the left texts of the header box
  int header_rows[3];
  int first_line;
};

constexpr Layout kPortrait{150, 50, 3000, 190, {80, 200, 285}, 450};
constexpr Layout kLandscape{50, 200, 2880, 90, {220, 310, 415}, 600};

constexpr int kRight = kLayoutWidth - 1;
constexpr int kBottom = kLayoutHeight - 1;
constexpr int kMargin = 50;
constexpr int kFooterHeight = 300;
constexpr int kHeaderDivider = 1800;
constexpr int kFooterDivider = 1950;
constexpr int kLineLeft = 200;

// A text of the form: its label, the field shown behind it, its place.
struct FormText {
  const char* label;
  Field field;
  int x;   // -1: the layout's label column
  int row;  // 0..2: a header row; else a y in layout units
};

// Scales layout positions to the target.
class Scale {
 public:
  Scale(int width, int height) : width_(width), height_(height) {}
  int X(int x) const { return static_cast<int>(std::lround(static_cast<double>(x) * width_ / kLayoutWidth)); }
  int Y(int y) const { return static_cast<int>(std::lround(static_cast<double>(y) * height_ / kLayoutHeight)); }
  double YExact(int y) const { return static_cast<double>(y) * height_ / kLayoutHeight; }
  double XExact(int x) const { return static_cast<double>(x) * width_ / kLayoutWidth; }

 private:
  int width_;
  int height_;
};

const Layout& LayoutOf(int width, int height) { return IsPortrait(width, height) ? kPortrait : kLandscape; }

// Texts are placed by their top left corner.
void TextAt(plat::Dc& dc, int x, int y, const std::string& text) {
  const unsigned old = dc.SetTextAlign(plat::TA_LEFT | plat::TA_TOP);
  dc.TextOut(x, y, text);
  dc.SetTextAlign(old);
}

void DrawFrame(const Layout& layout, const Scale& s, plat::Dc& dc) {
  const int left = s.X(layout.frame_left);
  const int top = s.Y(layout.frame_top);
  const int right = s.X(kRight - kMargin);
  const int bottom = s.Y(kBottom - kMargin);
  const int header = s.Y(kBottom - layout.header_line);
  const int footer = s.Y(kBottom - kFooterHeight);
  dc.MoveTo(left, top);
  dc.LineTo(right, top);
  dc.LineTo(right, bottom);
  dc.LineTo(left, bottom);
  dc.LineTo(left, top);
  dc.MoveTo(left, header);
  dc.LineTo(right, header);
  dc.MoveTo(left, footer);
  dc.LineTo(right, footer);
  dc.MoveTo(s.X(kHeaderDivider), top);
  dc.LineTo(s.X(kHeaderDivider), header);
  dc.MoveTo(s.X(kFooterDivider), bottom);
  dc.LineTo(s.X(kFooterDivider), footer);
}

void DrawHeaderTexts(const ZevrilState& state, const Layout& layout, const Scale& s, plat::Dc& dc) {
  const FormText texts[] = {
      {"VERFASSER: ", Field::kAuthor, -1, 0},          {"PROGRAMM: ", Field::kProgram, -1, 1},
      {"BAUWERK: ", Field::kBuilding, -1, 2},          {"ASB NR.: ", Field::kFileNumber, 1450, 2},
      {"Datum: ", Field::kDate, 1830, 2},              {"BAUTEIL: ", Field::kPart, -1, 3095},
      {"BLOCK: ", Field::kBlock, -1, 3175},            {"VORGANG: ", Field::kProcess, -1, 3255},
      {"ARCHIV-NR.: ", Field::kArchiveNumber, 1980, 3095},
  };
  for (const FormText& t : texts) {
    const int x = t.x < 0 ? layout.label_left : t.x;
    const int y = t.row <= 2 ? layout.header_rows[t.row] : t.row;
    TextAt(dc, s.X(x), s.Y(y), t.label + state.page.header[t.field]);
  }
  TextAt(dc, s.X(1600), s.Y(3175), "SEITE: ");
}

}  // namespace

bool IsPortrait(int width, int height) { return height > width; }

int LinesPerPage(int width, int height, int line_height) {
  const Scale s(width, height);
  const int start = LayoutOf(width, height).first_line;
  const double room = s.YExact(3000) - s.Y(start);
  const int lines = line_height > 0 ? static_cast<int>(room / line_height) : 0;
  return std::max(lines, 1);
}

int LineRoom(int width, int height) {
  const Scale s(width, height);
  return s.X(kRight - kMargin) - s.X(kLineLeft);
}

PrintedListing LayOutForPage(const PrintLineTable& table, int width, int height, plat::Dc& dc, int max_pages) {
  const int per_page = LinesPerPage(width, height, dc.GetTextMetrics().height);
  return LayOutListing(table, per_page, LineRoom(width, height),
                       [&dc](std::string_view text) { return dc.GetTextExtent(text).cx; }, max_pages);
}

int DrawPage(const ZevrilState& state, const PageOptions& options, plat::Dc& dc) {
  const Layout& layout = LayoutOf(options.width, options.height);
  const Scale s(options.width, options.height);
  DrawFrame(layout, s, dc);
  DrawHeaderTexts(state, layout, s, dc);
  if (options.page_number) {
    // The number stands truncated, not rounded, beside "SEITE: ".
    TextAt(dc, static_cast<int>(s.XExact(kHeaderDivider)), static_cast<int>(s.YExact(3175)),
           std::to_string(*options.page_number));
  }
  const int line_height = dc.GetTextMetrics().height;
  PrintedListing here;
  const PrintedListing* listing = options.listing;
  int page = options.page;
  if (listing == nullptr) {
    PrintLineTable rest;
    const std::size_t first = static_cast<std::size_t>(std::clamp(options.first_line, 0, state.table.count()));
    rest.lines.assign(state.table.lines.begin() + static_cast<std::ptrdiff_t>(first), state.table.lines.end());
    here = LayOutForPage(rest, options.width, options.height, dc, 1);
    listing = &here;
    page = 1;
  }
  const std::size_t first = listing->PageFirst(page);
  const std::size_t end = listing->PageEnd(page);
  int y = s.Y(layout.first_line);
  for (std::size_t i = first; i < end; ++i, y += line_height) TextAt(dc, s.X(kLineLeft), y, listing->lines[i]);
  return static_cast<int>(end - first);
}

}  // namespace zevril
