#pragma once
// PrinterDc: the device context of a printer, a PDF file or a print preview,
// with Win32's print-job calls. A document runs StartDoc, then StartPage ...
// EndPage for every page, then EndDoc (or AbortDoc, which prints nothing and
// leaves no file). Each call returns a value > 0, or SP_ERROR when it fails
// (LastError() then says why).
//
// The orientation may change between pages: SetOrientation changes the caps
// at once (HORZRES, VERTRES, HORZSIZE, VERTSIZE) and applies to the pages
// that start after it, as ResetDC does; the drawing state stays. Drawing
// outside a page is dropped.
//
//   std::unique_ptr<plat::PrinterDc> dc = plat::PrinterDc::ForDefaultPrinter();
//   dc->StartDoc("Listing");
//   dc->StartPage();  dc->TextOut(100, 100, "page 1");  dc->EndPage();
//   dc->SetOrientation(plat::DMORIENT_LANDSCAPE);
//   dc->StartPage();  dc->TextOut(100, 100, "page 2");  dc->EndPage();
//   dc->EndDoc();
#include <memory>
#include <string>
#include <string_view>

#include "platform/dc/bitmap.h"
#include "platform/dc/dc.h"
#include "platform/print/print_types.h"

class QPainter;

namespace plat {

class PainterDc;
class PrintTarget;

class PrinterDc final : public Dc {
 public:
  // The application's printer as the last print dialog or printer set-up left
  // it; with PLAT_PRINT_TO_PDF the jobs go to that PDF.
  static std::unique_ptr<PrinterDc> ForDefaultPrinter();
  // The pages of the application's printer, drawn for a print preview.
  static std::unique_ptr<PrinterDc> ForPreview();
  // A document into the PDF file `path`, without a dialog, on the paper of
  // the application's printer (A4 unless one was chosen), starting in
  // `orientation`. EndDoc writes the file (replacing one of that name);
  // nothing is written when the document is aborted or has no page.
  static std::unique_ptr<PrinterDc> ForPdfFile(const std::string& path, int orientation = DMORIENT_PORTRAIT);

  // A target of platform/ (see print_target.h), starting in an orientation.
  PrinterDc(std::unique_ptr<PrintTarget> target, int orientation);
  // An unfinished document is aborted.
  ~PrinterDc() override;

  // True for the pages of a print preview (nothing is printed).
  bool IsPreview() const;

  int StartDoc(std::string_view doc_name);
  int StartPage();
  int EndPage();
  // Completes the document: the file is written, or the job handed to the printer.
  int EndDoc();
  int AbortDoc();

  int GetOrientation() const { return orientation_; }
  // DMORIENT_PORTRAIT or DMORIENT_LANDSCAPE; false for other values and
  // while a page is open (its layout is fixed).
  bool SetOrientation(int orientation);

  // The reason of the last failed call.
  const std::string& LastError() const { return error_; }

  PrintTarget& target() { return *target_; }
  // The painter of the page being drawn (platform/ only), nullptr outside a
  // page; it draws in device pixels.
  QPainter* PagePainter();

 protected:
  void Render(const DeviceOp& op) override;
  TextMetrics MeasureFont(const DeviceFont& font) override;
  int MeasureText(const DeviceFont& font, std::string_view text) override;

 private:
  enum class Phase { kIdle, kDocument, kPage };

  int Fail(std::string text);

  std::unique_ptr<PrintTarget> target_;
  int orientation_;
  Phase phase_ = Phase::kIdle;
  // Fonts are measured on one surface in every phase, so that a document
  // measures alike before StartDoc, on its pages and in the preview.
  Bitmap measure_surface_{1, 1};
  std::unique_ptr<PainterDc> measurer_;
  std::unique_ptr<PainterDc> page_;  // draws the pages
  std::string error_;
};

}  // namespace plat
