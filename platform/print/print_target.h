#pragma once
// Where the pages of a PrinterDc go (platform/ only): a PDF file, a printer
// (the job is made as a PDF and handed to the print spooler with "lp" when
// it ends, so that an aborted job never reaches the printer), or the
// pictures of a print preview. Files are written under a temporary name and
// take their own name only when the job ends well: an aborted or failed job
// leaves no half file.
#include <QPicture>
#include <QPrinter>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "platform/dc/gdi_objects.h"
#include "platform/print/printer_settings.h"

class QPaintDevice;

namespace plat {

struct PrintDestination {
  enum class Kind {
    kPdf,          // path: the file
    kNumberedPdf,  // path: the base of the process's numbered files (PLAT_PRINT_TO_PDF)
    kPrinter,      // the settings' printer
    kPreview,      // pictures of the pages, for the settings' printer (or PLAT_PRINT_TO_PDF)
  };
  Kind kind = Kind::kPrinter;
  std::string path;
};

// The destination of a job that no dialog chose: PLAT_PRINT_TO_PDF, else the printer.
PrintDestination DefaultDestination();

// A page drawn for the preview.
struct PreviewPage {
  std::unique_ptr<QPicture> picture;
  DeviceCaps caps;
};

class PrintTarget {
 public:
  PrintTarget(const PrinterSettings& settings, PrintDestination destination);
  ~PrintTarget();
  PrintTarget(const PrintTarget&) = delete;
  PrintTarget& operator=(const PrintTarget&) = delete;

  // The caps of a page in an orientation.
  const DeviceCaps& Caps(int orientation) const;
  bool IsPreview() const { return destination_.kind == PrintDestination::Kind::kPreview; }

  // Prepares the output of a document (a file that can be written).
  common::Result Open(std::string_view doc_name);
  // The device of the next page in an orientation; null when no page can start.
  QPaintDevice* BeginPage(int orientation);
  // Whether each page is painted by a painter of its own (preview pictures);
  // otherwise one painter paints all pages of the document.
  bool PainterPerPage() const { return IsPreview(); }
  // After the page's painter has ended (per-page painters).
  void EndPage();
  // Completes the document after its painter has ended.
  common::Result Finish();
  // Drops the document after its painter has ended.
  void Abort();

  // The preview pages drawn since the last call, in order.
  std::vector<PreviewPage> TakePreviewPages();

 private:
  std::string TargetName() const;
  void RemoveTemporary();

  PrintDestination destination_;
  PrinterSettings settings_;
  QPrinter printer_{QPrinter::HighResolution};
  DeviceCaps portrait_;
  DeviceCaps landscape_;
  std::string temporary_;  // the file being written
  bool begun_ = false;     // a page has started
  std::unique_ptr<QPicture> picture_;  // the preview page being drawn
  DeviceCaps picture_caps_;
  std::vector<PreviewPage> preview_pages_;
};

}  // namespace plat
