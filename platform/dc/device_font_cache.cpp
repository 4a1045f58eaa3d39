#include "platform/dc/device_font_cache.h"

#include <QCoreApplication>
#include <QPaintDevice>
#include <QTextLayout>
#include <QTextLine>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace plat {
namespace {

// Bounds of the caches: a program shows a few fonts and a few thousand texts.
constexpr std::size_t kMaxTexts = 8192;
constexpr std::size_t kMaxFonts = 64;

// The fonts of image surfaces, shared by the Dcs of this thread.
DeviceFontCache::Map& SharedFonts() {
  thread_local DeviceFontCache::Map shared;
  return shared;
}

}  // namespace

CachedDeviceFont::CachedDeviceFont(const DeviceFont& font, QPaintDevice* device, bool outlives)
    : font_(MakeQtDeviceFont(font, device)), device_(device) {
  if (outlives) {
    const auto* image = static_cast<const QImage*>(device);
    own_device_ = QImage(1, 1, QImage::Format_RGB32);
    own_device_.setDotsPerMeterX(image->dotsPerMeterX());
    own_device_.setDotsPerMeterY(image->dotsPerMeterY());
    device_ = &own_device_;
  }
}

int CachedDeviceFont::TextWidth(std::string_view text) {
  const std::string key(text);
  if (auto it = widths_.find(key); it != widths_.end()) return it->second;
  if (widths_.size() >= kMaxTexts) widths_.clear();
  const int width = QtTextWidth(font_, text);
  widths_.emplace(key, width);
  return width;
}

const QList<QGlyphRun>* CachedDeviceFont::Glyphs(std::string_view text) {
  Laid* laid = Lay(text);
  return laid ? &laid->runs : nullptr;
}

const QRect* CachedDeviceFont::InkBounds(std::string_view text) {
  Laid* laid = Lay(text);
  return laid ? &laid->ink : nullptr;
}

CachedDeviceFont::Laid* CachedDeviceFont::Lay(std::string_view text) {
  if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
    return nullptr;
  }
  const std::string key(text);
  if (auto it = glyphs_.find(key); it != glyphs_.end()) return &it->second;
  if (glyphs_.size() >= kMaxTexts) glyphs_.clear();
  QTextLayout layout(QStringFromCp1252(text), font_.font, device_);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(1e6);
  layout.endLayout();
  Laid laid;
  laid.runs = layout.glyphRuns();
  // From the layout's top-left to the start of the baseline.
  const qreal ascent = line.ascent();
  QRectF ink;
  for (QGlyphRun& run : laid.runs) {
    QList<QPointF> positions = run.positions();
    const QList<quint32> indexes = run.glyphIndexes();
    const QRawFont raw = run.rawFont();
    for (qsizetype i = 0; i < positions.size(); ++i) {
      positions[i].ry() -= ascent;
      if (i < indexes.size()) ink = ink.united(raw.boundingRect(indexes[i]).translated(positions[i]));
    }
    run.setPositions(positions);
  }
  // A glyph placed between pixels covers the pixels its box touches.
  laid.ink = QRect(QPoint(static_cast<int>(std::floor(ink.left())), static_cast<int>(std::floor(ink.top()))),
                   QPoint(static_cast<int>(std::ceil(ink.right())) - 1, static_cast<int>(std::ceil(ink.bottom())) - 1));
  return &glyphs_.emplace(key, std::move(laid)).first->second;
}

DeviceFontCache::DeviceFontCache(QPaintDevice* device) : device_(device), map_(&own_) {
  if (device && device->devType() == QInternal::Image) {
    map_ = &SharedFonts();
    // Qt's fonts go before the application object: the user-interface
    // thread's shared fonts go with it.
    static const bool released_with_application = [] {
      if (QCoreApplication::instance()) qAddPostRoutine([] { SharedFonts().clear(); });
      return true;
    }();
    (void)released_with_application;
  }
}

CachedDeviceFont& DeviceFontCache::For(const DeviceFont& font) {
  if (last_ && font == last_font_) return *last_;
  const int dpi_x = device_ ? device_->logicalDpiX() : 0;
  const int dpi_y = device_ ? device_->logicalDpiY() : 0;
  const Key key{font.face, font.height, font.width, font.weight, font.italic, font.underline, font.strike_out,
                dpi_x, dpi_y};
  auto it = map_->find(key);
  if (it == map_->end()) {
    if (map_->size() >= kMaxFonts) map_->clear();
    it = map_->emplace(key, std::make_shared<CachedDeviceFont>(font, device_, map_ != &own_)).first;
  }
  held_[key] = it->second;
  last_font_ = font;
  last_ = it->second.get();
  return *last_;
}

}  // namespace plat
