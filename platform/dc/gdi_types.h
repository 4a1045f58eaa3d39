#pragma once
// Points, rectangles, colours and the numeric constants of the device context,
// with Win32's names and values so that drawing code reads as it always did.
#include <cstdint>

namespace plat {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A point in double precision (exact mapping results, before rounding).
struct PointD {
  double x = 0;
  double y = 0;
  friend bool operator==(const PointD&, const PointD&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle as Win32 keeps it: right and bottom lie just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The common part of two rectangles; an empty rectangle (all zero) when none.
Rect IntersectRects(const Rect& a, const Rect& b);
// The smallest rectangle holding both; an empty one counts as absent.
Rect UnionRects(const Rect& a, const Rect& b);
// The rectangle with corners a and b, whatever their order.
Rect RectFromCorners(Point a, Point b);

// A colour as 0x00BBGGRR.
using ColorRef = std::uint32_t;
constexpr ColorRef Rgb(int r, int g, int b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// Mapping modes.
inline constexpr int MM_TEXT = 1;
inline constexpr int MM_ISOTROPIC = 7;
inline constexpr int MM_ANISOTROPIC = 8;

// Graphics modes.
inline constexpr int GM_COMPATIBLE = 1;
inline constexpr int GM_ADVANCED = 2;

// Pen styles.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;
inline constexpr int PS_STYLE_MASK = 0x0000000F;
// Pen types, end caps and joins (ExtCreatePen's bits beside the style). A
// geometric pen draws its width with the caps and joins asked for; a cosmetic
// pen ignores them.
inline constexpr int PS_COSMETIC = 0x00000000;
inline constexpr int PS_GEOMETRIC = 0x00010000;
inline constexpr int PS_TYPE_MASK = 0x000F0000;
inline constexpr int PS_ENDCAP_ROUND = 0x00000000;
inline constexpr int PS_ENDCAP_SQUARE = 0x00000100;
inline constexpr int PS_ENDCAP_FLAT = 0x00000200;
inline constexpr int PS_ENDCAP_MASK = 0x00000F00;
inline constexpr int PS_JOIN_ROUND = 0x00000000;
inline constexpr int PS_JOIN_BEVEL = 0x00001000;
inline constexpr int PS_JOIN_MITER = 0x00002000;
inline constexpr int PS_JOIN_MASK = 0x0000F000;

// Brush styles and hatches.
inline constexpr int BS_SOLID = 0;
inline constexpr int BS_NULL = 1;
inline constexpr int BS_HOLLOW = BS_NULL;
inline constexpr int BS_HATCHED = 2;
inline constexpr int HS_HORIZONTAL = 0;  // -----
inline constexpr int HS_VERTICAL = 1;    // |||||
inline constexpr int HS_FDIAGONAL = 2;   // \\\\\ (top left to bottom right)
inline constexpr int HS_BDIAGONAL = 3;   // ///// (bottom left to top right)
inline constexpr int HS_CROSS = 4;       // +++++
inline constexpr int HS_DIAGCROSS = 5;   // xxxxx

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;

// Font weights.
inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_SEMIBOLD = 600;
inline constexpr int FW_BOLD = 700;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Polygon fill modes.
inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;

// Text alignment (SetTextAlign).
inline constexpr unsigned TA_NOUPDATECP = 0;
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BOTTOM = 8;
inline constexpr unsigned TA_BASELINE = 24;

// DrawText formats.
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// Raster operations of pens and brushes (SetROP2).
inline constexpr int R2_BLACK = 1;
inline constexpr int R2_NOTMERGEPEN = 2;
inline constexpr int R2_MASKNOTPEN = 3;
inline constexpr int R2_NOTCOPYPEN = 4;
inline constexpr int R2_MASKPENNOT = 5;
inline constexpr int R2_NOT = 6;
inline constexpr int R2_XORPEN = 7;
inline constexpr int R2_NOTMASKPEN = 8;
inline constexpr int R2_MASKPEN = 9;
inline constexpr int R2_NOTXORPEN = 10;
inline constexpr int R2_NOP = 11;
inline constexpr int R2_MERGENOTPEN = 12;
inline constexpr int R2_COPYPEN = 13;
inline constexpr int R2_MERGEPENNOT = 14;
inline constexpr int R2_MERGEPEN = 15;
inline constexpr int R2_WHITE = 16;

// Clip region results.
inline constexpr int REGION_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;

// GetDeviceCaps indices.
inline constexpr int TECHNOLOGY = 2;
inline constexpr int HORZSIZE = 4;
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// TECHNOLOGY values.
inline constexpr int DT_PLOTTER = 0;
inline constexpr int DT_RASDISPLAY = 1;
inline constexpr int DT_RASPRINTER = 2;

// DrawEdge: border kinds and sides.
inline constexpr unsigned BDR_RAISEDOUTER = 0x1;
inline constexpr unsigned BDR_SUNKENOUTER = 0x2;
inline constexpr unsigned BDR_RAISEDINNER = 0x4;
inline constexpr unsigned BDR_SUNKENINNER = 0x8;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned BF_LEFT = 0x1;
inline constexpr unsigned BF_TOP = 0x2;
inline constexpr unsigned BF_RIGHT = 0x4;
inline constexpr unsigned BF_BOTTOM = 0x8;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;

}  // namespace plat
