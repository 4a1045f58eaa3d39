#pragma once
// One drawing call of a Dc, resolved to device terms: device pixels, the pen,
// brush and font as they reach the surface, and the raster state. A backend
// renders it (PainterDc) or keeps it (RecordingDc).
#include <optional>
#include <string>
#include <vector>

#include "platform/dc/gdi_objects.h"
#include "platform/dc/gdi_types.h"

namespace plat {

// A pen on the device: width in pixels (at least 1). A geometric pen keeps
// its end cap and join; a cosmetic one has round caps and joins when wide and
// solid, flat ends otherwise.
struct DevicePen {
  int style = PS_SOLID;  // PS_SOLID .. PS_NULL, without the other bits
  int width = 1;
  ColorRef color = Rgb(0, 0, 0);
  bool geometric = false;
  int end_cap = PS_ENDCAP_ROUND;  // PS_ENDCAP_ROUND, PS_ENDCAP_SQUARE or PS_ENDCAP_FLAT
  int join = PS_JOIN_ROUND;       // PS_JOIN_ROUND, PS_JOIN_BEVEL or PS_JOIN_MITER
  friend bool operator==(const DevicePen&, const DevicePen&) = default;
};

// A font on the device: sizes in pixels. height < 0 is the character height,
// > 0 the cell height (ascent + descent); width 0 keeps the face's proportion.
struct DeviceFont {
  std::string face;
  int height = -12;
  int width = 0;
  int escapement = 0;  // tenths of a degree, counter-clockwise on the device
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  friend bool operator==(const DeviceFont&, const DeviceFont&) = default;
};

struct DeviceOp {
  enum class Kind {
    kPolyline,   // points, pen, rop2 (open line; the last point is not drawn, as in GDI)
    kPolygon,    // points, pen, brush, fill_mode, rop2 (closed)
    kRectangle,  // rect, pen, brush, rop2
    kEllipse,    // rect (bounding box), pen, brush, rop2
    kFillRect,   // rect, brush (no pen, no raster operation)
    kText,       // origin (start of the baseline), text, font, colours, background
    kFocusRect,  // rect: a dotted outline that inverts what it covers
  };
  Kind kind = Kind::kPolyline;
  const char* call = "";  // the Dc call that produced it: "LineTo", "Polyline", "TextOut", ...

  std::vector<Point> points;
  Rect rect;  // normalised; right and bottom lie just outside
  DevicePen pen;
  Brush brush;
  int rop2 = R2_COPYPEN;
  int fill_mode = ALTERNATE;

  Point origin;
  std::string text;  // Windows-1252
  DeviceFont font;
  int text_width = 0;  // pixels along the baseline
  int ascent = 0;      // pixels above the baseline
  int descent = 0;     // pixels below it
  ColorRef text_color = Rgb(0, 0, 0);
  int bk_mode = OPAQUE;
  ColorRef bk_color = Rgb(255, 255, 255);

  std::optional<Rect> clip;  // device pixels; none = the whole surface
  Rect bounds;               // device pixels the call may touch (before clipping)
};

}  // namespace plat
