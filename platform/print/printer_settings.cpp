#include "platform/print/printer_settings.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace plat {

PrinterSettings& ApplicationPrinter() {
  static PrinterSettings settings;
  return settings;
}

PageSetup PdfPageSetup(const PrinterSettings& settings) {
  PageSetup setup;
  if (settings.page_size) setup.page_size = QPageSize(*settings.page_size);
  return setup;
}

PageSetup PrinterPageSetup(const PrinterSettings& settings) {
  const QPrinterInfo info = settings.printer.empty()
                                ? QPrinterInfo::defaultPrinter()
                                : QPrinterInfo::printerInfo(QString::fromStdString(settings.printer));
  if (info.isNull()) return PdfPageSetup(settings);
  QPrinter printer(info, QPrinter::HighResolution);
  if (settings.page_size) printer.setPageSize(QPageSize(*settings.page_size));
  const QPageLayout layout = printer.pageLayout();
  PageSetup setup;
  setup.page_size = layout.pageSize();
  setup.margins_mm = layout.margins(QPageLayout::Millimeter);
  setup.resolution = printer.resolution();
  return setup;
}

QPageLayout::Orientation QtOrientation(int orientation) {
  return orientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int OrientationFromQt(QPageLayout::Orientation orientation) {
  return orientation == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
}

}  // namespace plat
