#include "platform/dc/qt_fonts.h"

#include <QPaintDevice>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "platform/text_codec.h"

namespace plat {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

QString FontFamilyFor(std::string_view face) {
  const std::string name = Lower(face);
  if (name == "arial" || name.empty()) return QStringLiteral("Liberation Sans");
  if (name == "courier new") return QStringLiteral("Liberation Mono");
  if (name == "times new roman") return QStringLiteral("Liberation Serif");
  return QString::fromStdString(Cp1252ToUtf8(face));
}

QString QStringFromCp1252(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (unsigned char c : text) out.append(QChar(static_cast<char16_t>(Cp1252CodePoint(c))));
  return out;
}

QtDeviceFont MakeQtDeviceFont(const DeviceFont& font, QPaintDevice* device) {
  QFont qfont(FontFamilyFor(font.face));
  qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setStrikeOut(font.strike_out);
  qfont.setKerning(false);

  // A negative height is the character (em) height, a positive one the cell
  // height, which the face's ascent and descent turn into an em height.
  int em = font.height < 0 ? -font.height : 12;
  if (font.height > 0) {
    QFont probe = qfont;
    probe.setPixelSize(1000);
    const QFontMetricsF pm(probe);
    em = Round(font.height * 1000.0 / (pm.ascent() + pm.descent()));
  }
  qfont.setPixelSize(std::max(1, em));

  QFontMetricsF fm = device ? QFontMetricsF(qfont, device) : QFontMetricsF(qfont);
  TextMetrics m;
  m.ascent = Round(fm.ascent());
  m.descent = Round(fm.descent());
  m.height = m.ascent + m.descent;
  m.internal_leading = std::max(0, m.height - em);
  m.external_leading = std::max(0, Round(fm.leading()));
  double x_scale = 1.0;
  const double natural_average = fm.averageCharWidth();
  if (font.width > 0 && natural_average > 0) x_scale = font.width / natural_average;
  m.ave_char_width = font.width > 0 ? font.width : Round(natural_average);
  m.max_char_width = Round(fm.maxWidth() * x_scale);
  return QtDeviceFont{qfont, x_scale, m, fm};
}

int QtTextWidth(const QtDeviceFont& font, std::string_view text) {
  if (text.empty()) return 0;
  return Round(font.fm.horizontalAdvance(QStringFromCp1252(text)) * font.x_scale);
}

}  // namespace plat
