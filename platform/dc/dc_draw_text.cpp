// DrawText: lines, word breaks, tabs, prefixes and ellipses laid out in logical
// units, each piece drawn as a text at its top-left corner.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/dc/dc.h"

namespace plat {
namespace {

struct Line {
  std::string text;
  std::size_t start = 0;  // offset of the line in the text after prefix removal
};

// Removes the '&' prefix marks; returns the offset of the underlined
// character, or npos.
std::size_t StripPrefixes(std::string_view text, std::string& out) {
  std::size_t underline = std::string::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
      if (text[i] != '&') underline = out.size();
    } else if (text[i] == '&') {
      continue;  // a lone '&' at the end shows nothing
    }
    out.push_back(text[i]);
  }
  return underline;
}

// Splits at CR LF, LF or CR.
std::vector<Line> Paragraphs(const std::string& text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
      lines.push_back({text.substr(start, i - start), start});
      if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  return lines;
}

}  // namespace

int Dc::DrawText(std::string_view raw_text, Rect& rect, unsigned format) {
  const bool single = (format & DT_SINGLELINE) != 0;
  const TextMetrics tm = GetTextMetrics();
  const int line_height = tm.height;
  const int tab_width = (format & DT_EXPANDTABS) ? 8 * tm.ave_char_width : 0;

  std::string text;
  std::size_t underline = std::string::npos;
  if (format & DT_NOPREFIX) {
    text = std::string(raw_text);
  } else {
    underline = StripPrefixes(raw_text, text);
  }

  // Pieces of a line between tabs, with their offsets from the line's left.
  struct Piece {
    std::size_t begin, end;
    int x;
  };
  auto pieces = [&](const std::string& line, std::vector<Piece>* out) {
    int x = 0;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
      if (i < line.size() && !(tab_width > 0 && line[i] == '\t')) continue;
      const std::string_view piece(line.data() + begin, i - begin);
      if (out) out->push_back({begin, i, x});
      // Laying out needs only where each piece starts: the last one's width is the line's.
      if (out && i == line.size()) break;
      x += piece.empty() ? 0 : GetTextExtent(piece).cx;
      if (i < line.size()) x = (x / tab_width + 1) * tab_width;
      begin = i + 1;
    }
    return x;
  };
  // The last line measured is asked for again (ellipsis, alignment).
  std::string measured;
  int measured_width = -1;
  auto width = [&](const std::string& line) {
    if (measured_width < 0 || line != measured) {
      measured_width = pieces(line, nullptr);
      measured = line;
    }
    return measured_width;
  };

  std::vector<Line> lines;
  if (single) {
    lines.push_back({text, 0});
  } else {
    for (Line& paragraph : Paragraphs(text)) {
      if (!(format & DT_WORDBREAK) || width(paragraph.text) <= rect.Width()) {
        lines.push_back(std::move(paragraph));
        continue;
      }
      // Greedy breaks at blanks; a word wider than the rectangle stands alone.
      const std::string& p = paragraph.text;
      std::size_t line_start = 0;
      std::size_t line_end = p.size();
      bool has_word = false;
      std::size_t pos = 0;
      while ((pos = p.find_first_not_of(' ', pos)) != std::string::npos) {
        std::size_t word_end = p.find(' ', pos);
        if (word_end == std::string::npos) word_end = p.size();
        if (has_word && width(p.substr(line_start, word_end - line_start)) > rect.Width()) {
          lines.push_back({p.substr(line_start, line_end - line_start), paragraph.start + line_start});
          line_start = pos;
        }
        line_end = word_end;
        has_word = true;
        pos = word_end;
      }
      lines.push_back({p.substr(line_start, line_end - line_start), paragraph.start + line_start});
    }
  }

  if (format & DT_END_ELLIPSIS) {
    for (Line& line : lines) {
      if (width(line.text) <= rect.Width()) continue;
      // The longest start that fits with the ellipsis (widths grow with length).
      std::size_t low = 0, high = line.text.size();
      while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (width(line.text.substr(0, mid) + "...") <= rect.Width()) {
          low = mid;
        } else {
          high = mid - 1;
        }
      }
      const std::size_t keep = low;
      line.text = line.text.substr(0, keep) + "...";
      if (underline != std::string::npos && underline >= line.start + keep &&
          underline < line.start + keep + 3) {
        underline = std::string::npos;
      }
    }
  }

  const int count = static_cast<int>(lines.size());
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, width(line.text));
    rect.right = rect.left + widest;
    rect.bottom = rect.top + count * line_height;
    return count * line_height;
  }

  int top = rect.top;
  if (single && (format & DT_VCENTER)) {
    top = rect.top + (rect.Height() - line_height) / 2;
  } else if (single && (format & DT_BOTTOM)) {
    top = rect.bottom - line_height;
  }

  std::optional<Rect> clip = state_.clip;
  if (!(format & DT_NOCLIP)) {
    const Rect own = DeviceRect(rect.left, rect.top, rect.right, rect.bottom);
    clip = IntersectRects(own, clip.value_or(Rect{0, 0, caps_.horz_res, caps_.vert_res}));
  }

  for (int i = 0; i < count; ++i) {
    const Line& line = lines[static_cast<std::size_t>(i)];
    const int y = top + i * line_height;
    const int w = width(line.text);
    int x = rect.left;
    if (format & DT_CENTER) {
      x = rect.left + (rect.Width() - w) / 2;
    } else if (format & DT_RIGHT) {
      x = rect.right - w;
    }
    std::vector<Piece> parts;
    pieces(line.text, &parts);
    for (const Piece& part : parts) {
      if (part.end == part.begin) continue;
      DrawTextLine("DrawText", LPtoDP(Point{x + part.x, y}), TA_LEFT | TA_TOP,
                   std::string_view(line.text).substr(part.begin, part.end - part.begin), clip);
    }
    if (underline != std::string::npos && underline >= line.start &&
        underline < line.start + line.text.size()) {
      const std::size_t at = underline - line.start;
      const int from = x + width(line.text.substr(0, at));
      const int to = x + width(line.text.substr(0, at + 1));
      const int base = y + tm.ascent + 1;
      DeviceOp op = MakeOp(DeviceOp::Kind::kPolyline, "DrawText");
      op.pen = DevicePen{PS_SOLID, 1, state_.text_color};
      op.rop2 = R2_COPYPEN;
      op.clip = clip;
      op.points = {LPtoDP(Point{from, base}), LPtoDP(Point{to, base})};
      op.bounds = Rect{std::min(op.points[0].x, op.points[1].x) - 1,
                       std::min(op.points[0].y, op.points[1].y) - 1,
                       std::max(op.points[0].x, op.points[1].x) + 1,
                       std::max(op.points[0].y, op.points[1].y) + 1};
      Render(op);
    }
  }
  const int bottom = top + count * line_height;
  if (single && (format & (DT_VCENTER | DT_BOTTOM))) return bottom - rect.top;
  return count * line_height;
}

}  // namespace plat
