#pragma once
// Qt side of plat::Bitmap, for platform/ only (windows, clipboard, printing).
//
// A window paints its client area from its backing bitmap in paintEvent:
//   QPainter painter(this);
//   plat::PaintBitmap(painter, event->rect(), backing_);
// and after drawing outside a paint through a PainterDc on the backing bitmap
// it asks for a repaint of what changed:
//   { plat::PainterDc dc(backing_); ...; touched = dc.TouchedRect(); }
//   update(QRect(touched.left, touched.top, touched.Width(), touched.Height()));
#include <QImage>
#include <QPainter>
#include <QRect>

#include "platform/dc/bitmap.h"

namespace plat {

struct Bitmap::Impl {
  QImage image;  // QImage::Format_RGB32
};

inline QImage& QtImage(Bitmap& bitmap) { return bitmap.impl().image; }
inline const QImage& QtImage(const Bitmap& bitmap) { return bitmap.impl().image; }

// A bitmap holding a copy of an image (converted to 24-bit colour).
Bitmap BitmapFromQImage(const QImage& image);

// Draws the area of the bitmap onto the same area of the painter's device.
inline void PaintBitmap(QPainter& painter, const QRect& area, const Bitmap& bitmap) {
  painter.drawImage(area, QtImage(bitmap), area);
}

}  // namespace plat
