#pragma once
// The objects a device context draws with, as plain values: a pen, a brush and
// a font are descriptions (Win32's LOGPEN, LOGBRUSH and LOGFONT); selecting one
// into a Dc returns the one it replaces, and nothing needs deleting.
#include <string>

#include "platform/dc/gdi_types.h"

namespace plat {

struct Pen {
  // PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL; with
  // PS_GEOMETRIC also a PS_ENDCAP_ and a PS_JOIN_ bit.
  int style = PS_SOLID;
  int width = 0;         // logical units; 0 draws one device pixel wide
  ColorRef color = Rgb(0, 0, 0);
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  int style = BS_SOLID;  // BS_SOLID, BS_HATCHED, BS_NULL
  ColorRef color = Rgb(255, 255, 255);
  int hatch = HS_BDIAGONAL;  // HS_... for BS_HATCHED
  friend bool operator==(const Brush&, const Brush&) = default;

  static Brush Solid(ColorRef color) { return Brush{BS_SOLID, color, 0}; }
  static Brush Hatched(int hatch, ColorRef color) { return Brush{BS_HATCHED, color, hatch}; }
  static Brush Null() { return Brush{BS_NULL, 0, 0}; }
};

struct Font {
  std::string face = "ARIAL";  // "ARIAL", "Courier New", "Times New Roman" are known by name
  int height = 0;      // logical units; < 0 character height, > 0 cell height, 0 default (12 pixels)
  int width = 0;       // average character width in logical units, 0 = the face's own proportion
  int escapement = 0;  // tenths of a degree, counter-clockwise as seen on the device
  int orientation = 0; // kept as given; glyphs follow the escapement
  int weight = FW_DONTCARE;  // 0 (normal) or 100..900; FW_BOLD = 700
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// GetStockObject for pens (WHITE_PEN, BLACK_PEN, NULL_PEN) and brushes
// (WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH).
// Any other index gives the black pen or the white brush.
Pen StockPen(int index);
Brush StockBrush(int index);

// Win32's XFORM: x' = x eM11 + y eM21 + eDx, y' = x eM12 + y eM22 + eDy.
struct XForm {
  double eM11 = 1, eM12 = 0, eM21 = 0, eM22 = 1, eDx = 0, eDy = 0;
  bool IsIdentity() const { return *this == XForm{}; }
  friend bool operator==(const XForm&, const XForm&) = default;
};

// Font metrics: in logical units from Dc::GetTextMetrics, in pixels from a
// backend.
struct TextMetrics {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int internal_leading = 0;
  int external_leading = 0;
  int ave_char_width = 0;
  int max_char_width = 0;
  int weight = FW_NORMAL;
};

// What GetDeviceCaps reports about the surface of a Dc.
struct DeviceCaps {
  int horz_res = 0;   // HORZRES, pixels
  int vert_res = 0;   // VERTRES, pixels
  int horz_size = 0;  // HORZSIZE, millimetres
  int vert_size = 0;  // VERTSIZE, millimetres
  int log_pixels_x = 96;
  int log_pixels_y = 96;
  int technology = DT_RASDISPLAY;

  // A screen surface of w x h pixels at the given pixels per inch.
  static DeviceCaps Screen(int width, int height, int dpi = 96);
};

// The system colours the drawing code asks for by index (Windows' defaults).
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_3DFACE = COLOR_BTNFACE;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
ColorRef GetSysColor(int index);

}  // namespace plat
