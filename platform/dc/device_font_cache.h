#pragma once
// Device fonts with the texts measured and laid out in them (platform/ only).
// A window's paint and every GetDC make a new PainterDc on the same image:
// the fonts, text widths and glyphs of image surfaces are kept per thread
// across them, so that a text is shaped once, not at every paint.
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/dc/qt_fonts.h"

class QPaintDevice;

namespace plat {

// One device font and what was measured and laid out in it.
class CachedDeviceFont {
 public:
  // `device` serves the measuring now; an entry kept beyond it (`outlives`,
  // an image) lays texts out on an image of the same resolution of its own.
  CachedDeviceFont(const DeviceFont& font, QPaintDevice* device, bool outlives);
  CachedDeviceFont(const CachedDeviceFont&) = delete;
  CachedDeviceFont& operator=(const CachedDeviceFont&) = delete;

  const QtDeviceFont& font() const { return font_; }
  // Width in pixels of a Windows-1252 text (QtTextWidth).
  int TextWidth(std::string_view text);
  // The glyphs of a one-line text as QPainter::drawText lays them out, their
  // positions relative to the start of the baseline; nullptr for a text that
  // only drawText handles alike (control characters).
  const QList<QGlyphRun>* Glyphs(std::string_view text);
  // Pixels (relative to the start of the baseline) that the glyphs of a text
  // Glyphs laid out can cover: their bounding box rounded outwards.
  const QRect* InkBounds(std::string_view text);
  // The pixels of InkBounds after the glyphs of a text are drawn in `color`
  // over `background` on an image like `like` (Format_RGB32): the pixels the
  // glyphs give wherever that colour lies under them. nullptr for a text
  // Glyphs does not lay out.
  const QImage* DrawnText(std::string_view text, QRgb color, QRgb background, const QImage& like);

 private:
  struct Laid {
    QList<QGlyphRun> runs;
    QRect ink;
  };
  struct Drawn {
    QRgb color;
    QRgb background;
    QImage pixels;
  };
  // What is known of one text.
  struct Text {
    int width = -1;              // not measured yet
    bool laid_out = false;
    std::optional<Laid> laid;    // none for a text Glyphs leaves to drawText
    std::vector<Drawn> drawn;
  };
  // Looked up by a string_view without making a string.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  using Texts = std::unordered_map<std::string, Text, Hash, std::equal_to<>>;

  // The entry of a text (a drawn text is asked for several times in a row).
  Text& Find(std::string_view text);
  const Laid* Lay(std::string_view text);

  QtDeviceFont font_;
  QImage own_device_;
  QPaintDevice* device_;
  Texts texts_;
  Texts::iterator last_ = texts_.end();
  std::size_t drawn_pixels_ = 0;  // of all Drawn entries
};

// The device fonts of one PainterDc: shared per thread for image surfaces
// (same resolution, same fonts), the Dc's own for other devices.
class DeviceFontCache {
 public:
  using Key = std::tuple<std::string, int, int, int, bool, bool, bool, int, int>;
  using Map = std::map<Key, std::shared_ptr<CachedDeviceFont>>;

  explicit DeviceFontCache(QPaintDevice* device);
  CachedDeviceFont& For(const DeviceFont& font);

 private:
  // The font asked for last and its entry (most calls ask for the same).
  DeviceFont last_font_;
  CachedDeviceFont* last_ = nullptr;
  QPaintDevice* device_;
  Map own_;
  Map* map_;
  // The entries this Dc uses stay alive when the shared map is trimmed.
  Map held_;
};

}  // namespace plat
