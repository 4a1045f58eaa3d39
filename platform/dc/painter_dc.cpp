#include "platform/dc/painter_dc.h"

#include <QBrush>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <vector>
#include <map>
#include <string>
#include <tuple>

#include "platform/dc/device_font_cache.h"
#include "platform/dc/qt_bitmap.h"
#include "platform/dc/qt_fonts.h"

namespace plat {
namespace {

QColor ToQColor(ColorRef c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Raster operation of pens and brushes as a Qt composition mode.
QPainter::CompositionMode CompositionFor(int rop) {
  switch (rop) {
    case R2_BLACK: return QPainter::RasterOp_ClearDestination;
    case R2_WHITE: return QPainter::RasterOp_SetDestination;
    case R2_NOT: return QPainter::RasterOp_NotDestination;
    case R2_XORPEN: return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTXORPEN: return QPainter::RasterOp_NotSourceXorDestination;
    case R2_MERGEPEN: return QPainter::RasterOp_SourceOrDestination;
    case R2_MASKPEN: return QPainter::RasterOp_SourceAndDestination;
    case R2_NOTCOPYPEN: return QPainter::RasterOp_NotSource;
    case R2_NOTMERGEPEN: return QPainter::RasterOp_NotSourceAndNotDestination;
    case R2_NOTMASKPEN: return QPainter::RasterOp_NotSourceOrNotDestination;
    case R2_MASKNOTPEN: return QPainter::RasterOp_NotSourceAndDestination;
    case R2_MASKPENNOT: return QPainter::RasterOp_SourceAndNotDestination;
    case R2_MERGENOTPEN: return QPainter::RasterOp_NotSourceOrDestination;
    case R2_MERGEPENNOT: return QPainter::RasterOp_SourceOrNotDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

Qt::PenCapStyle QtCap(int end_cap) {
  switch (end_cap) {
    case PS_ENDCAP_FLAT: return Qt::FlatCap;
    case PS_ENDCAP_SQUARE: return Qt::SquareCap;
    default: return Qt::RoundCap;
  }
}

Qt::PenJoinStyle QtJoin(int join) {
  switch (join) {
    case PS_JOIN_BEVEL: return Qt::BevelJoin;
    case PS_JOIN_MITER: return Qt::SvgMiterJoin;  // a bevel beyond the limit, as GDI
    default: return Qt::RoundJoin;
  }
}

// A wide geometric pen has its own caps and joins (GDI's miter limit: a
// miter at most 10 pen widths long, inner to outer corner, else a bevel); a
// cosmetic one has round caps when solid and wide, else flat ends. Dash
// patterns in pixels for thin pens, in pen widths for wide ones; the longer
// of the two wins so that patterns grow smoothly with the width.
QPen MakeQPen(const DevicePen& pen) {
  if (pen.style == PS_NULL) return QPen(Qt::NoPen);
  QPen qpen(ToQColor(pen.color));
  const bool thin = pen.width <= 1;
  qpen.setWidth(thin ? 0 : pen.width);
  if (pen.geometric && !thin) {
    qpen.setJoinStyle(QtJoin(pen.join));
    qpen.setMiterLimit(10);
    qpen.setCapStyle(QtCap(pen.end_cap));
  } else {
    qpen.setJoinStyle(Qt::RoundJoin);
    qpen.setCapStyle(thin || pen.style != PS_SOLID ? Qt::FlatCap : Qt::RoundCap);
  }
  QList<qreal> pixels, widths;
  switch (pen.style) {
    case PS_DASH: pixels = {18, 6}; widths = {3, 1}; break;
    case PS_DOT: pixels = {3, 3}; widths = {1, 1}; break;
    case PS_DASHDOT: pixels = {9, 6, 3, 6}; widths = {3, 1, 1, 1}; break;
    case PS_DASHDOTDOT: pixels = {9, 3, 3, 3, 3, 3}; widths = {3, 1, 1, 1, 1, 1}; break;
    default: return qpen;
  }
  const double w = std::max(1, pen.width);
  QList<qreal> pattern;
  for (qsizetype i = 0; i < pixels.size(); ++i) {
    pattern.push_back(std::max(pixels[i], widths[i] * w) / w);
  }
  qpen.setDashPattern(pattern);
  return qpen;
}

// GDI's 8 x 8 hatch patterns, lines in the brush colour, gaps transparent.
QImage HatchTexture(int hatch, ColorRef color) {
  QImage texture(8, 8, QImage::Format_ARGB32_Premultiplied);
  texture.fill(Qt::transparent);
  const QRgb ink = ToQColor(color).rgba();
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      bool on = false;
      switch (hatch) {
        case HS_HORIZONTAL: on = y == 0; break;
        case HS_VERTICAL: on = x == 0; break;
        case HS_FDIAGONAL: on = x == y; break;
        case HS_BDIAGONAL: on = x + y == 7; break;
        case HS_CROSS: on = x == 0 || y == 0; break;
        case HS_DIAGCROSS: on = x == y || x + y == 7; break;
        default: break;
      }
      if (on) texture.setPixel(x, y, ink);
    }
  }
  return texture;
}

QImage CheckerTexture() {
  QImage texture(2, 2, QImage::Format_RGB32);
  texture.fill(Qt::black);
  texture.setPixel(0, 0, qRgb(255, 255, 255));
  texture.setPixel(1, 1, qRgb(255, 255, 255));
  return texture;
}

}  // namespace

struct PainterDc::Impl {
  explicit Impl(QPaintDevice* d) : device(d), fonts(d) {}

  QPaintDevice* device = nullptr;
  QPainter painter;
  Rect surface;
  Rect touched;
  // Escapement does not change the measures; one entry serves all angles.
  DeviceFontCache fonts;
  // The clip the painter has now: each call sets only what differs from the
  // last one, instead of saving and restoring the painter around every call.
  std::optional<Rect> clip;

  CachedDeviceFont& FontFor(const DeviceFont& font) { return fonts.For(font); }

  // A clip that cuts nothing of `ink` (device pixels) need not be set: the
  // painter keeps its clip when that cuts nothing of it either.
  void SetClipAround(const std::optional<Rect>& wanted, const Rect& ink) {
    const auto holds = [&](const std::optional<Rect>& c) {
      return !c || (c->left <= ink.left && c->top <= ink.top && ink.right <= c->right && ink.bottom <= c->bottom);
    };
    if (!holds(wanted)) {
      SetClip(wanted);
    } else if (!holds(clip)) {
      SetClip(std::nullopt);
    }
  }

  void SetClip(const std::optional<Rect>& wanted) {
    if (wanted == clip) return;
    if (wanted) {
      painter.setClipRect(ToQRect(*wanted));
    } else {
      painter.setClipping(false);
    }
    clip = wanted;
  }

  void DrawText(const DeviceOp& op);
  // Transparent text over one colour: the pixels its glyphs gave there
  // before, copied from the top down. The first device row left to the
  // glyphs themselves (kNoRowCopied: all of them), or none.
  static constexpr int kNoRowCopied = std::numeric_limits<int>::min();
  std::optional<int> CopyDrawnText(const DeviceOp& op, CachedDeviceFont& cached, const Rect& ink);
  // Draws text of `covered` pixels as if clipped to `wanted`; false when it
  // cannot do so without setting the clip.
  bool DrawKeepingOutside(const std::optional<Rect>& wanted, const Rect& covered, const std::function<void()>& draw);

  // Fills a shape's interior with a brush; a hatch's gaps take the background
  // colour when the background mode is OPAQUE.
  template <class DrawShape>
  void Fill(const DeviceOp& op, DrawShape draw) {
    if (op.brush.style == BS_NULL) return;
    painter.setPen(Qt::NoPen);
    if (op.brush.style == BS_HATCHED) {
      if (op.bk_mode == OPAQUE) {
        painter.setBrush(ToQColor(op.bk_color));
        draw();
      }
      painter.setBrush(QBrush(HatchTexture(op.brush.hatch, op.brush.color)));
    } else {
      painter.setBrush(ToQColor(op.brush.color));
    }
    draw();
  }
};

PainterDc::PainterDc(Bitmap& bitmap)
    : PainterDc(bitmap, DeviceCaps::Screen(bitmap.width(), bitmap.height())) {}

PainterDc::PainterDc(Bitmap& bitmap, const DeviceCaps& caps)
    : PainterDc(static_cast<QPaintDevice&>(QtImage(bitmap)), caps) {}

PainterDc::PainterDc(QPaintDevice& device, const DeviceCaps& caps)
    : Dc(caps), impl_(std::make_unique<Impl>(&device)) {
  impl_->surface = {0, 0, caps.horz_res, caps.vert_res};
  if (device.width() > 0 && device.height() > 0 && impl_->painter.begin(&device)) {
    impl_->painter.setRenderHint(QPainter::Antialiasing, false);
    impl_->painter.setRenderHint(QPainter::TextAntialiasing, true);
    impl_->painter.setBrushOrigin(0, 0);
  }
}

PainterDc::~PainterDc() {
  if (impl_->painter.isActive()) impl_->painter.end();
}

QPainter& PainterDc::painter() { return impl_->painter; }

Rect PainterDc::TouchedRect() const { return impl_->touched; }

TextMetrics PainterDc::MeasureFont(const DeviceFont& font) {
  return impl_->FontFor(font).font().metrics;
}

int PainterDc::MeasureText(const DeviceFont& font, std::string_view text) {
  return impl_->FontFor(font).TextWidth(text);
}

void PainterDc::Render(const DeviceOp& op) {
  QPainter& p = impl_->painter;
  if (!p.isActive()) return;
  const bool uses_rop = op.kind == DeviceOp::Kind::kPolyline ||
                        op.kind == DeviceOp::Kind::kPolygon ||
                        op.kind == DeviceOp::Kind::kRectangle || op.kind == DeviceOp::Kind::kEllipse;
  if (uses_rop && op.rop2 == R2_NOP) return;

  Rect visible = op.clip ? IntersectRects(*op.clip, impl_->surface) : impl_->surface;
  if (visible.IsEmpty()) return;
  impl_->touched = UnionRects(impl_->touched, IntersectRects(op.bounds, visible));

  if (op.kind != DeviceOp::Kind::kText) impl_->SetClip(op.clip);
  p.setCompositionMode(uses_rop ? CompositionFor(op.rop2) : QPainter::CompositionMode_SourceOver);
  const QPen pen = MakeQPen(op.pen);

  switch (op.kind) {
    case DeviceOp::Kind::kPolyline: {
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      // One thin solid segment: the line drawer's own path, the same pixels.
      if (op.points.size() == 2 && op.points[0] != op.points[1] && op.pen.style == PS_SOLID && op.pen.width <= 1) {
        const Point& a = op.points[0];
        const Point& b = op.points[1];
        if (op.rop2 == R2_COPYPEN && (a.x == b.x || a.y == b.y) && impl_->device->devType() == QInternal::Image) {
          // Across or down (a table's grid lines): the pixels from the smaller
          // end up to the larger one, which the line drawer leaves out too.
          const QRect run = a.y == b.y ? QRect(std::min(a.x, b.x), a.y, std::abs(b.x - a.x), 1)
                                       : QRect(a.x, std::min(a.y, b.y), 1, std::abs(b.y - a.y));
          p.fillRect(run, pen.color());
          break;
        }
        p.drawLine(QLine(a.x, a.y, b.x, b.y));
        break;
      }
      QPolygon line;
      for (const Point& pt : op.points) line << QPoint(pt.x, pt.y);
      p.drawPolyline(line);
      break;
    }
    case DeviceOp::Kind::kPolygon: {
      QPolygon shape;
      for (const Point& pt : op.points) shape << QPoint(pt.x, pt.y);
      const Qt::FillRule rule = op.fill_mode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
      impl_->Fill(op, [&] { p.drawPolygon(shape, rule); });
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      if (pen.style() != Qt::NoPen) p.drawPolygon(shape, rule);
      break;
    }
    case DeviceOp::Kind::kRectangle:
    case DeviceOp::Kind::kEllipse: {
      // Right and bottom lie outside: the outline runs on the last pixels inside.
      const QRect box(op.rect.left, op.rect.top, op.rect.Width() - 1, op.rect.Height() - 1);
      const bool ellipse = op.kind == DeviceOp::Kind::kEllipse;
      impl_->Fill(op, [&] { ellipse ? p.drawEllipse(box) : p.drawRect(box); });
      if (pen.style() != Qt::NoPen) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        ellipse ? p.drawEllipse(box) : p.drawRect(box);
      }
      break;
    }
    case DeviceOp::Kind::kFillRect: {
      const QRect box = ToQRect(op.rect);
      impl_->Fill(op, [&] { p.drawRect(box); });
      break;
    }
    case DeviceOp::Kind::kFocusRect: {
      // Every other pixel of the frame inverted; no pixel twice.
      const Rect& r = op.rect;
      if (r.IsEmpty()) break;
      p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      const QBrush checker(CheckerTexture());
      p.fillRect(QRect(r.left, r.top, r.Width(), 1), checker);
      if (r.Height() > 1) p.fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), checker);
      if (r.Height() > 2) {
        p.fillRect(QRect(r.left, r.top + 1, 1, r.Height() - 2), checker);
        if (r.Width() > 1) p.fillRect(QRect(r.right - 1, r.top + 1, 1, r.Height() - 2), checker);
      }
      break;
    }
    case DeviceOp::Kind::kText: impl_->DrawText(op); break;
  }
}

// A clip costs the raster engine a pass over every line of the surface. On an
// image, text that a clip cuts only at its edges is drawn unclipped instead,
// with the few pixels outside the clip put back afterwards: the same pixels.
bool PainterDc::Impl::DrawKeepingOutside(const std::optional<Rect>& wanted, const Rect& covered,
                                         const std::function<void()>& draw) {
  constexpr int kSpare = 2;     // pixels kept beyond the glyphs' boxes
  constexpr int kMostKept = 1024;
  if (!wanted || device->devType() != QInternal::Image) return false;
  auto* image = static_cast<QImage*>(device);
  if (image->depth() != 32) return false;
  const Rect area = IntersectRects(
      Rect{covered.left - kSpare, covered.top - kSpare, covered.right + kSpare, covered.bottom + kSpare}, surface);
  const Rect& c = *wanted;
  if (area.IsEmpty()) return false;
  // The parts of the area outside the clip: above, below, left and right of it.
  const int middle_top = std::clamp(c.top, area.top, area.bottom);
  const int middle_bottom = std::clamp(c.bottom, area.top, area.bottom);
  const Rect parts[4] = {
      Rect{area.left, area.top, area.right, middle_top},
      Rect{area.left, middle_bottom, area.right, area.bottom},
      Rect{area.left, middle_top, std::clamp(c.left, area.left, area.right), middle_bottom},
      Rect{std::clamp(c.right, area.left, area.right), middle_top, area.right, middle_bottom},
  };
  int count = 0;
  for (const Rect& part : parts) {
    if (!part.IsEmpty()) count += part.Width() * part.Height();
  }
  if (count > kMostKept) return false;
  std::vector<QRgb> kept;
  kept.reserve(static_cast<std::size_t>(count));
  for (const Rect& part : parts) {
    if (part.IsEmpty()) continue;
    for (int y = part.top; y < part.bottom; ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image->constScanLine(y));
      kept.insert(kept.end(), line + part.left, line + part.right);
    }
  }
  // Unclipped, unless the painter's clip stays clear of the area.
  const auto clear_of = [&](const std::optional<Rect>& clip) {
    return !clip || (clip->left <= area.left && clip->top <= area.top && area.right <= clip->right &&
                     area.bottom <= clip->bottom);
  };
  if (!clear_of(clip)) SetClip(std::nullopt);
  draw();
  // The painter draws straight into the image's pixels (begin() detached it).
  std::size_t at = 0;
  for (const Rect& part : parts) {
    if (part.IsEmpty()) continue;
    for (int y = part.top; y < part.bottom; ++y) {
      auto* line = reinterpret_cast<QRgb*>(const_cast<uchar*>(image->constScanLine(y)));
      std::copy_n(kept.begin() + static_cast<std::ptrdiff_t>(at), part.Width(), line + part.left);
      at += static_cast<std::size_t>(part.Width());
    }
  }
  return true;
}

// Drawing glyphs blends each one into the image: of a table's paint, most of
// the time. Over one colour the outcome is always the same pixels: they are
// drawn once on their own and copied from then on, row by row while the rows
// under them hold that colour.
std::optional<int> PainterDc::Impl::CopyDrawnText(const DeviceOp& op, CachedDeviceFont& cached, const Rect& ink) {
  if (device->devType() != QInternal::Image) return kNoRowCopied;
  auto* image = static_cast<QImage*>(device);
  if (image->format() != QImage::Format_RGB32 || image->devicePixelRatio() != 1.0 ||
      painter.worldTransform().type() != QTransform::TxNone) {
    return kNoRowCopied;
  }
  Rect area = IntersectRects(ink, surface);
  if (op.clip) area = IntersectRects(area, *op.clip);
  if (area.IsEmpty()) return std::nullopt;  // none of its pixels shows
  // The painter draws straight into the image's pixels (begin() detached it).
  const qsizetype stride = image->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  QRgb* row = reinterpret_cast<QRgb*>(const_cast<uchar*>(image->constBits())) + area.top * stride + area.left;
  const int width = area.Width();
  const QRgb background = *row;
  thread_local std::vector<QRgb> plain;  // a row of the background
  plain.assign(static_cast<std::size_t>(width), background);
  const std::size_t row_bytes = static_cast<std::size_t>(width) * sizeof(QRgb);
  if (std::memcmp(row, plain.data(), row_bytes) != 0) return kNoRowCopied;
  const QImage* drawn = cached.DrawnText(op.text, ToQColor(op.text_color).rgb(), background, *image);
  if (!drawn) return kNoRowCopied;
  const qsizetype drawn_stride = drawn->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  const QRgb* from = reinterpret_cast<const QRgb*>(drawn->constBits()) + (area.top - ink.top) * drawn_stride +
                     (area.left - ink.left);
  for (int y = area.top; y < area.bottom; ++y, row += stride, from += drawn_stride) {
    if (y > area.top && std::memcmp(row, plain.data(), row_bytes) != 0) return y;
    std::memcpy(row, from, row_bytes);
  }
  return std::nullopt;
}

// Clips are set for each call (Render); text drawn from its glyphs sets one
// only where it would cut them.
void PainterDc::Impl::DrawText(const DeviceOp& op) {
  QPainter& p = painter;
  CachedDeviceFont& cached = FontFor(op.font);
  const QtDeviceFont& font = cached.font();
  // Upright, unstretched and undecorated text is drawn from its laid-out glyphs.
  const QList<QGlyphRun>* glyphs = op.font.escapement == 0 && font.x_scale == 1.0 && !op.font.underline &&
                                           !op.font.strike_out
                                       ? cached.Glyphs(op.text)
                                       : nullptr;
  if (glyphs) {
    const QRect ink = cached.InkBounds(op.text)->translated(op.origin.x, op.origin.y);
    Rect covered{ink.left(), ink.top(), ink.right() + 1, ink.bottom() + 1};
    if (op.bk_mode == OPAQUE) {
      covered = UnionRects(covered, Rect{op.origin.x, op.origin.y - op.ascent, op.origin.x + op.text_width,
                                         op.origin.y + op.descent});
    }
    std::optional<Rect> clip = op.clip;
    if (op.bk_mode == TRANSPARENT) {
      const std::optional<int> rest = CopyDrawnText(op, cached, covered);
      if (!rest) return;
      if (*rest != kNoRowCopied) {
        clip = IntersectRects(clip.value_or(surface), Rect{surface.left, *rest, surface.right, surface.bottom});
      }
    }
    const auto draw = [&] {
      if (op.bk_mode == OPAQUE) {
        p.fillRect(QRectF(op.origin.x, op.origin.y - op.ascent, op.text_width, op.ascent + op.descent),
                   ToQColor(op.bk_color));
      }
      p.setPen(ToQColor(op.text_color));
      for (const QGlyphRun& run : *glyphs) p.drawGlyphRun(QPointF(op.origin.x, op.origin.y), run);
    };
    if (!DrawKeepingOutside(clip, covered, draw)) {
      SetClipAround(clip, covered);
      draw();
    }
    return;
  }
  SetClip(op.clip);
  p.translate(op.origin.x, op.origin.y);
  p.rotate(-op.font.escapement / 10.0);
  if (op.bk_mode == OPAQUE) {
    p.fillRect(QRectF(0, -op.ascent, op.text_width, op.ascent + op.descent), ToQColor(op.bk_color));
  }
  p.scale(font.x_scale, 1.0);
  p.setFont(font.font);
  p.setPen(ToQColor(op.text_color));
  p.drawText(QPointF(0, 0), QStringFromCp1252(op.text));
  p.resetTransform();
}

}  // namespace plat
