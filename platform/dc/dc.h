#pragma once
// plat::Dc: a device context with GDI's meanings. Programs draw in logical
// units; the Dc maps every point to the device in double precision with the
// mapping mode, origins and extents (see mapping.h), resolves the selected pen,
// brush and font to device pixels, and hands each call to its backend as a
// DeviceOp. Backends: PainterDc (images, windows' backing images, printers) and
// RecordingDc (tests).
//
// Text is never mirrored by a flipped axis: it is drawn upright, turned
// counter-clockwise on the device by the font's escapement.
//
// Strings are Windows-1252 bytes, as the programs keep them.
//
// A new Dc is in GDI's initial state: MM_TEXT, GM_COMPATIBLE, the black pen of
// one pixel, the white brush, "ARIAL" of 12 pixels, black text on an OPAQUE
// white background, TA_LEFT | TA_TOP, R2_COPYPEN, ALTERNATE, no clip, current
// position (0, 0).
//
//   plat::Bitmap picture(800, 600);
//   plat::PainterDc dc(picture);
//   dc.SetMapMode(plat::MM_ISOTROPIC);
//   dc.SetWindowExt(2500, 1500);
//   dc.SetViewportExt(800, -600);
//   dc.SetViewportOrg(0, 600);
//   dc.SelectPen(plat::Pen{plat::PS_DASH, 5, plat::Rgb(255, 10, 10)});
//   dc.MoveTo(0, 0);
//   dc.LineTo(2500, 1500);
#include <span>
#include <string_view>
#include <vector>

#include "platform/dc/device_op.h"
#include "platform/dc/gdi_objects.h"
#include "platform/dc/gdi_types.h"
#include "platform/dc/mapping.h"

namespace plat {

class Dc {
 public:
  virtual ~Dc();
  Dc(const Dc&) = delete;
  Dc& operator=(const Dc&) = delete;

  // ---- Device ----
  // HORZRES, VERTRES, HORZSIZE, VERTSIZE, LOGPIXELSX, LOGPIXELSY, TECHNOLOGY; 0 for others.
  int GetDeviceCaps(int index) const;
  const DeviceCaps& caps() const { return caps_; }
  // True on a printer or plotter (TECHNOLOGY other than DT_RASDISPLAY).
  bool IsPrinting() const { return caps_.technology != DT_RASDISPLAY; }

  // ---- Mapping (see Mapping for the rules) ----
  int SetMapMode(int mode) { return state_.mapping.SetMapMode(mode); }
  int GetMapMode() const { return state_.mapping.map_mode(); }
  Point SetWindowOrg(int x, int y) { return state_.mapping.SetWindowOrg(x, y); }
  Point GetWindowOrg() const { return state_.mapping.window_org(); }
  Size SetWindowExt(int cx, int cy) { return state_.mapping.SetWindowExt(cx, cy); }
  Size GetWindowExt() const { return state_.mapping.window_ext(); }
  Point SetViewportOrg(int x, int y) { return state_.mapping.SetViewportOrg(x, y); }
  Point GetViewportOrg() const { return state_.mapping.viewport_org(); }
  Size SetViewportExt(int cx, int cy) { return state_.mapping.SetViewportExt(cx, cy); }
  // The viewport extent as the isotropic adjustment left it.
  Size GetViewportExt() const { return state_.mapping.viewport_ext(); }
  int SetGraphicsMode(int mode) { return state_.mapping.SetGraphicsMode(mode); }
  int GetGraphicsMode() const { return state_.mapping.graphics_mode(); }
  bool SetWorldTransform(const XForm& xform) { return state_.mapping.SetWorldTransform(xform); }
  XForm GetWorldTransform() const { return state_.mapping.world_transform(); }
  const Mapping& mapping() const { return state_.mapping; }

  // Rounded to whole units, as GDI does.
  Point LPtoDP(Point logical) const { return state_.mapping.ToDevice(logical); }
  Point DPtoLP(Point device) const { return state_.mapping.ToLogical(device); }
  void LPtoDP(std::span<Point> points) const;
  void DPtoLP(std::span<Point> points) const;
  // Exact, for callers that keep fractions (mouse positions in world units).
  PointD LogicalToDevice(PointD logical) const { return state_.mapping.ToDevice(logical); }
  PointD DeviceToLogical(PointD device) const { return state_.mapping.ToLogical(device); }

  // ---- State ----
  // Saves the whole state (mapping, objects, colours, modes, clip, current
  // position); returns its level (1, 2, ...).
  int SaveDC();
  // Restores level n (> 0) or the n-th most recent one (< 0, -1 = the last),
  // dropping the levels above it. False when there is no such level.
  bool RestoreDC(int level);

  // Selecting returns the object that was selected before.
  Pen SelectPen(const Pen& pen);
  Brush SelectBrush(const Brush& brush);
  Font SelectFont(const Font& font);
  const Pen& GetCurrentPen() const { return state_.pen; }
  const Brush& GetCurrentBrush() const { return state_.brush; }
  const Font& GetCurrentFont() const { return state_.font; }

  ColorRef SetTextColor(ColorRef color);
  ColorRef GetTextColor() const { return state_.text_color; }
  ColorRef SetBkColor(ColorRef color);
  ColorRef GetBkColor() const { return state_.bk_color; }
  // TRANSPARENT or OPAQUE (text backgrounds and hatch gaps); 0 for others.
  int SetBkMode(int mode);
  int GetBkMode() const { return state_.bk_mode; }
  // TA_LEFT / TA_CENTER / TA_RIGHT combined with TA_TOP / TA_BASELINE / TA_BOTTOM.
  unsigned SetTextAlign(unsigned align);
  unsigned GetTextAlign() const { return state_.text_align; }
  // R2_...; the previous operation, or 0 for an unknown one.
  int SetROP2(int rop);
  int GetROP2() const { return state_.rop2; }
  // ALTERNATE or WINDING; 0 for others.
  int SetPolyFillMode(int mode);
  int GetPolyFillMode() const { return state_.fill_mode; }

  // ---- Clipping (one rectangle) ----
  // Clips to a rectangle in device pixels, replacing any clip.
  int SelectClipRect(const Rect& device_rect);
  // Removes the clip.
  void RemoveClip();
  // Narrows the clip to a rectangle in logical units.
  int IntersectClipRect(int left, int top, int right, int bottom);
  // The clip (or the whole surface) in logical units.
  Rect GetClipBox() const;

  // ---- Lines and shapes (logical units) ----
  // Moves the current position; returns the previous one.
  Point MoveTo(int x, int y);
  Point GetCurrentPosition() const { return state_.position; }
  // A line from the current position to (x, y), which becomes the current
  // position; the end point itself is not drawn.
  bool LineTo(int x, int y);
  bool Polyline(std::span<const Point> points);
  // Closed, filled with the brush in the fill mode, outlined with the pen.
  bool Polygon(std::span<const Point> points);
  // Outlined with the pen and filled with the brush; right and bottom lie outside.
  bool Rectangle(int left, int top, int right, int bottom);
  bool Rectangle(const Rect& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
  bool Ellipse(int left, int top, int right, int bottom);
  bool Ellipse(const Rect& r) { return Ellipse(r.left, r.top, r.right, r.bottom); }
  // Fills with a brush, no outline; right and bottom lie outside.
  void FillRect(const Rect& rect, const Brush& brush);
  // The 3D border of a button (EDGE_RAISED, EDGE_SUNKEN or BDR_ bits) on the
  // sides of BF_ flags, in the system colours.
  bool DrawEdge(const Rect& rect, unsigned edge, unsigned sides);
  // A dotted frame (pixels with x + y even) drawn by inverting; drawing it
  // again removes it.
  void DrawFocusRect(const Rect& rect);

  // ---- Text (logical units) ----
  // Draws text at the reference point of the text alignment.
  bool TextOut(int x, int y, std::string_view text);
  // Width and height of a line of text in the selected font.
  Size GetTextExtent(std::string_view text);
  TextMetrics GetTextMetrics();
  // Formats text in a rectangle (DT_ flags). Returns the height of the text, or
  // with DT_VCENTER / DT_BOTTOM the offset from rect.top to the text's bottom;
  // DT_CALCRECT only measures and sets rect.right and rect.bottom. Lines run
  // downwards in logical y; '&' marks an underlined character unless
  // DT_NOPREFIX ("&&" is a plain '&').
  int DrawText(std::string_view text, Rect& rect, unsigned format);

 protected:
  explicit Dc(const DeviceCaps& caps);
  // A printer's surface changes between pages (orientation); the state stays.
  void ResetDeviceCaps(const DeviceCaps& caps) { caps_ = caps; }

  // The backend: draws or keeps one resolved call.
  virtual void Render(const DeviceOp& op) = 0;
  // Metrics (in pixels) and text widths (in pixels) of a device font.
  virtual TextMetrics MeasureFont(const DeviceFont& font) = 0;
  virtual int MeasureText(const DeviceFont& font, std::string_view text) = 0;

 private:
  struct State {
    Mapping mapping;
    Pen pen;
    Brush brush;
    Font font;
    ColorRef text_color = Rgb(0, 0, 0);
    ColorRef bk_color = Rgb(255, 255, 255);
    int bk_mode = OPAQUE;
    unsigned text_align = TA_LEFT | TA_TOP;
    int rop2 = R2_COPYPEN;
    int fill_mode = ALTERNATE;
    Point position;
    std::optional<Rect> clip;  // device
  };

  DevicePen ResolvePen() const;
  DeviceFont ResolveFont() const;
  DeviceOp MakeOp(DeviceOp::Kind kind, const char* call) const;
  Rect DeviceRect(int left, int top, int right, int bottom) const;
  bool PointsOp(DeviceOp::Kind kind, const char* call, std::span<const Point> points);
  bool Shape(DeviceOp::Kind kind, const char* call, int left, int top, int right, int bottom);
  void DrawTextLine(const char* call, Point reference, unsigned align, std::string_view text,
                    const std::optional<Rect>& clip);
  void EdgeLine(Point from, Point to, ColorRef color);

  DeviceCaps caps_;
  State state_;
  std::vector<State> saved_;
};

}  // namespace plat
