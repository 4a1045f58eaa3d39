#pragma once
// Device fonts as Qt fonts (platform/ only). The faces the programs name are
// served by their metric twins: "ARIAL" by Liberation Sans, "Courier New" by
// Liberation Mono, "Times New Roman" by Liberation Serif (names ignore case).
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <string_view>

#include "platform/dc/device_op.h"

class QPaintDevice;

namespace plat {

// The font family that serves a face name.
QString FontFamilyFor(std::string_view face);

struct QtDeviceFont {
  QFont font;            // pixel-sized, upright
  double x_scale = 1.0;  // horizontal stretch for a font with its own width
  TextMetrics metrics;
  QFontMetricsF fm;
};

// The Qt font of a device font, measured on the device.
QtDeviceFont MakeQtDeviceFont(const DeviceFont& font, QPaintDevice* device);

// Width in pixels of a Windows-1252 text.
int QtTextWidth(const QtDeviceFont& font, std::string_view text);

// A Windows-1252 text as a QString.
QString QStringFromCp1252(std::string_view text);

}  // namespace plat
