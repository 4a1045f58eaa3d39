#include "platform/dc/recording_dc.h"

#include <cstdio>
#include <cstdlib>

namespace plat {
namespace {

std::string Hex(ColorRef c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return buffer;
}

const char* PenStyleName(int style) {
  switch (style) {
    case PS_SOLID: return "solid";
    case PS_DASH: return "dash";
    case PS_DOT: return "dot";
    case PS_DASHDOT: return "dashdot";
    case PS_DASHDOTDOT: return "dashdotdot";
    case PS_NULL: return "null";
    default: return "?";
  }
}

const char* HatchName(int hatch) {
  switch (hatch) {
    case HS_HORIZONTAL: return "horizontal";
    case HS_VERTICAL: return "vertical";
    case HS_FDIAGONAL: return "fdiagonal";
    case HS_BDIAGONAL: return "bdiagonal";
    case HS_CROSS: return "cross";
    case HS_DIAGCROSS: return "diagcross";
    default: return "?";
  }
}

const char* RopName(int rop) {
  static const char* const names[] = {
      "?",          "R2_BLACK",  "R2_NOTMERGEPEN", "R2_MASKNOTPEN", "R2_NOTCOPYPEN",
      "R2_MASKPENNOT", "R2_NOT", "R2_XORPEN",      "R2_NOTMASKPEN", "R2_MASKPEN",
      "R2_NOTXORPEN", "R2_NOP",  "R2_MERGENOTPEN", "R2_COPYPEN",    "R2_MERGEPENNOT",
      "R2_MERGEPEN",  "R2_WHITE"};
  return rop >= R2_BLACK && rop <= R2_WHITE ? names[rop] : "?";
}

// A geometric pen names its end cap and join: pen(solid,20,#000000,flat,miter).
std::string PenText(const DevicePen& pen) {
  std::string text = std::string("pen(") + PenStyleName(pen.style) + "," + std::to_string(pen.width) + "," +
                     Hex(pen.color);
  if (pen.geometric) {
    text += pen.end_cap == PS_ENDCAP_FLAT ? ",flat" : pen.end_cap == PS_ENDCAP_SQUARE ? ",square" : ",round";
    text += pen.join == PS_JOIN_MITER ? ",miter" : pen.join == PS_JOIN_BEVEL ? ",bevel" : ",round";
  }
  return text + ")";
}

std::string BrushText(const Brush& brush) {
  switch (brush.style) {
    case BS_NULL: return "brush(null)";
    case BS_HATCHED: return std::string("brush(") + HatchName(brush.hatch) + "," + Hex(brush.color) + ")";
    default: return "brush(solid," + Hex(brush.color) + ")";
  }
}

std::string RectText(const Rect& r) {
  return "rect(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

std::string FontText(const DeviceFont& f) {
  std::string text = "font(\"" + f.face + "\"," + std::to_string(f.height) + ",w" +
                     std::to_string(f.width) + ",esc" + std::to_string(f.escapement) + "," +
                     std::to_string(f.weight);
  if (f.italic) text += ",italic";
  if (f.underline) text += ",underline";
  if (f.strike_out) text += ",strikeout";
  return text + ")";
}

}  // namespace

std::string Describe(const DeviceOp& op) {
  std::string line = op.call;
  switch (op.kind) {
    case DeviceOp::Kind::kPolyline:
    case DeviceOp::Kind::kPolygon: {
      line += " " + PenText(op.pen);
      if (op.kind == DeviceOp::Kind::kPolygon) {
        line += " " + BrushText(op.brush) + (op.fill_mode == WINDING ? " winding" : " alternate");
      }
      line += " [";
      for (std::size_t i = 0; i < op.points.size(); ++i) {
        if (i > 0) line += " ";
        line += std::to_string(op.points[i].x) + "," + std::to_string(op.points[i].y);
      }
      line += "]";
      break;
    }
    case DeviceOp::Kind::kRectangle:
    case DeviceOp::Kind::kEllipse:
      line += " " + PenText(op.pen) + " " + BrushText(op.brush) + " " + RectText(op.rect);
      break;
    case DeviceOp::Kind::kFillRect:
      line += " " + BrushText(op.brush) + " " + RectText(op.rect);
      break;
    case DeviceOp::Kind::kFocusRect:
      line += " " + RectText(op.rect);
      break;
    case DeviceOp::Kind::kText:
      line += " " + FontText(op.font) + " color " + Hex(op.text_color) +
              (op.bk_mode == OPAQUE ? " opaque " + Hex(op.bk_color) : std::string(" transparent")) +
              " at " + std::to_string(op.origin.x) + "," + std::to_string(op.origin.y) + " \"" +
              op.text + "\"";
      break;
  }
  const bool uses_rop = op.kind == DeviceOp::Kind::kPolyline || op.kind == DeviceOp::Kind::kPolygon ||
                        op.kind == DeviceOp::Kind::kRectangle || op.kind == DeviceOp::Kind::kEllipse;
  if (uses_rop && op.rop2 != R2_COPYPEN) line += std::string(" rop ") + RopName(op.rop2);
  if (op.clip) line += " clip" + RectText(*op.clip).substr(4);
  return line;
}

DeviceCaps RecordingDc::FixedCaps() {
  DeviceCaps caps;
  caps.horz_res = 1000;
  caps.vert_res = 700;
  caps.horz_size = 264;
  caps.vert_size = 185;
  caps.log_pixels_x = 96;
  caps.log_pixels_y = 96;
  caps.technology = DT_RASDISPLAY;
  return caps;
}

RecordingDc::RecordingDc(const DeviceCaps& caps) : Dc(caps) {}

std::string RecordingDc::Text() const {
  std::string text;
  for (const DeviceOp& op : ops_) text += Describe(op) + "\n";
  return text;
}

void RecordingDc::Render(const DeviceOp& op) { ops_.push_back(op); }

TextMetrics RecordingDc::MeasureFont(const DeviceFont& font) {
  const int h = font.height == 0 ? 12 : std::abs(font.height);
  TextMetrics m;
  m.height = h;
  m.descent = h / 5;
  m.ascent = h - m.descent;
  m.internal_leading = 0;
  m.external_leading = h / 10;
  m.ave_char_width = font.width > 0 ? font.width : (h + 1) / 2;
  m.max_char_width = m.ave_char_width;
  return m;
}

int RecordingDc::MeasureText(const DeviceFont& font, std::string_view text) {
  return static_cast<int>(text.size()) * MeasureFont(font).ave_char_width;
}

}  // namespace plat
