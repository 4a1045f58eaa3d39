#include "platform/dc/device_font_cache.h"

#include <QCoreApplication>
#include <QPaintDevice>
#include <QPainter>
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
// Drawn texts kept per font, in pixels (4 bytes each): a table of 1,600
// numbers takes about a million.
constexpr std::size_t kMaxDrawnPixels = 2u << 20;

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

CachedDeviceFont::Text& CachedDeviceFont::Find(std::string_view text) {
  if (last_ != texts_.end() && last_->first == text) return last_->second;
  last_ = texts_.find(text);
  if (last_ == texts_.end()) {
    if (texts_.size() >= kMaxTexts) {
      texts_.clear();
      drawn_pixels_ = 0;
    }
    last_ = texts_.emplace(std::string(text), Text{}).first;
  }
  return last_->second;
}

int CachedDeviceFont::TextWidth(std::string_view text) {
  Text& entry = Find(text);
  if (entry.width < 0) entry.width = QtTextWidth(font_, text);
  return entry.width;
}

const QList<QGlyphRun>* CachedDeviceFont::Glyphs(std::string_view text) {
  const Laid* laid = Lay(text);
  return laid ? &laid->runs : nullptr;
}

const QRect* CachedDeviceFont::InkBounds(std::string_view text) {
  const Laid* laid = Lay(text);
  return laid ? &laid->ink : nullptr;
}

const QImage* CachedDeviceFont::DrawnText(std::string_view text, QRgb color, QRgb background, const QImage& like) {
  const Laid* laid = Lay(text);
  if (!laid || laid->ink.isEmpty()) return nullptr;
  Text& entry = Find(text);
  for (const Drawn& d : entry.drawn) {
    if (d.color == color && d.background == background) return &d.pixels;
  }
  const QRect& area = laid->ink;
  const std::size_t pixels = static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height());
  if (drawn_pixels_ + pixels > kMaxDrawnPixels) {
    for (auto& [key, t] : texts_) t.drawn.clear();
    drawn_pixels_ = 0;
  }
  QImage tile(area.size(), QImage::Format_RGB32);
  tile.setDotsPerMeterX(like.dotsPerMeterX());
  tile.setDotsPerMeterY(like.dotsPerMeterY());
  tile.fill(background);
  {
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(QColor::fromRgb(color));
    for (const QGlyphRun& run : laid->runs) painter.drawGlyphRun(QPointF(-area.left(), -area.top()), run);
  }
  drawn_pixels_ += pixels;
  entry.drawn.push_back(Drawn{color, background, std::move(tile)});
  return &entry.drawn.back().pixels;
}

const CachedDeviceFont::Laid* CachedDeviceFont::Lay(std::string_view text) {
  Text& entry = Find(text);
  if (entry.laid_out) return entry.laid ? &*entry.laid : nullptr;
  entry.laid_out = true;
  if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
    return nullptr;
  }
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
  entry.laid = std::move(laid);
  return &*entry.laid;
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
