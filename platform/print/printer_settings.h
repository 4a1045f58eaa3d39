#pragma once
// The application's printer (platform/ only): what the last print dialog or
// printer set-up chose, kept for the whole run as a Windows program keeps its
// printer's DEVMODE, and the page setup of a printer as Qt describes it.
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <optional>
#include <string>

#include "platform/print/print_types.h"

namespace plat {

struct PrinterSettings {
  std::string printer;  // a printer's name; empty: the system's default printer
  int orientation = DMORIENT_PORTRAIT;
  std::optional<QPageSize::PageSizeId> page_size;  // none: the printer's own (A4 for PDF)
  int copies = 1;
};

// The one printer of the process.
PrinterSettings& ApplicationPrinter();

// Paper, printable margins and resolution of a page.
struct PageSetup {
  QPageSize page_size{QPageSize::A4};
  QMarginsF margins_mm;  // the part of the paper a printer cannot reach
  int resolution = 600;  // dots per inch
};

// The page setup of a PDF (the whole A4 page at 600 dpi unless the settings
// name a paper) or of the settings' printer (its paper, margins and
// resolution; the PDF setup when no such printer is installed).
PageSetup PdfPageSetup(const PrinterSettings& settings);
PageSetup PrinterPageSetup(const PrinterSettings& settings);

// The orientation as Qt names it, and back.
QPageLayout::Orientation QtOrientation(int orientation);
int OrientationFromQt(QPageLayout::Orientation orientation);

}  // namespace plat
