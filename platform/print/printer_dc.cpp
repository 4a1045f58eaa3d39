#include "platform/print/printer_dc.h"

#include <QPaintDevice>
#include <algorithm>
#include <utility>

#include "platform/dc/painter_dc.h"
#include "platform/print/print_target.h"
#include "platform/print/printer_settings.h"

namespace plat {

std::unique_ptr<PrinterDc> PrinterDc::ForDefaultPrinter() {
  const PrinterSettings& settings = ApplicationPrinter();
  return std::make_unique<PrinterDc>(std::make_unique<PrintTarget>(settings, DefaultDestination()),
                                     settings.orientation);
}

std::unique_ptr<PrinterDc> PrinterDc::ForPreview() {
  const PrinterSettings& settings = ApplicationPrinter();
  PrintDestination preview{PrintDestination::Kind::kPreview, DefaultDestination().path};
  return std::make_unique<PrinterDc>(std::make_unique<PrintTarget>(settings, preview),
                                     settings.orientation);
}

std::unique_ptr<PrinterDc> PrinterDc::ForPdfFile(const std::string& path, int orientation) {
  PrintDestination pdf{PrintDestination::Kind::kPdf, path};
  return std::make_unique<PrinterDc>(std::make_unique<PrintTarget>(ApplicationPrinter(), pdf), orientation);
}

PrinterDc::PrinterDc(std::unique_ptr<PrintTarget> target, int orientation)
    : Dc(target->Caps(orientation)),
      target_(std::move(target)),
      orientation_(orientation == DMORIENT_LANDSCAPE ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT) {
  measurer_ = std::make_unique<PainterDc>(measure_surface_, caps());
}

PrinterDc::~PrinterDc() {
  if (phase_ != Phase::kIdle) AbortDoc();
}

bool PrinterDc::IsPreview() const { return target_->IsPreview(); }

int PrinterDc::Fail(std::string text) {
  error_ = std::move(text);
  return SP_ERROR;
}

int PrinterDc::StartDoc(std::string_view doc_name) {
  if (phase_ != Phase::kIdle) return Fail("A document is being printed already");
  const common::Result opened = target_->Open(doc_name);
  if (!opened) return Fail(opened.text());
  phase_ = Phase::kDocument;
  error_.clear();
  return 1;
}

int PrinterDc::StartPage() {
  if (phase_ != Phase::kDocument) return Fail("No document is open for a new page");
  QPaintDevice* device = target_->BeginPage(orientation_);
  if (device == nullptr) return Fail("The printer cannot start a page");
  if (!page_) {
    // One surface for both orientations: the painter may outlive a change.
    DeviceCaps surface = caps();
    const DeviceCaps& other = target_->Caps(orientation_ == DMORIENT_LANDSCAPE ? DMORIENT_PORTRAIT
                                                                                : DMORIENT_LANDSCAPE);
    surface.horz_res = surface.vert_res =
        std::max({surface.horz_res, surface.vert_res, other.horz_res, other.vert_res});
    page_ = std::make_unique<PainterDc>(*device, surface);
  }
  if (!device->paintingActive()) {
    page_.reset();
    return Fail("The printer cannot start a page");
  }
  phase_ = Phase::kPage;
  return 1;
}

QPainter* PrinterDc::PagePainter() { return phase_ == Phase::kPage && page_ ? &page_->painter() : nullptr; }

int PrinterDc::EndPage() {
  if (phase_ != Phase::kPage) return Fail("No page is open");
  if (target_->PainterPerPage()) page_.reset();
  target_->EndPage();
  phase_ = Phase::kDocument;
  return 1;
}

int PrinterDc::EndDoc() {
  if (phase_ == Phase::kIdle) return Fail("No document is open");
  if (phase_ == Phase::kPage) EndPage();
  page_.reset();  // ends the painter: the pages are complete
  phase_ = Phase::kIdle;
  const common::Result finished = target_->Finish();
  if (!finished) return Fail(finished.text());
  return 1;
}

int PrinterDc::AbortDoc() {
  if (phase_ == Phase::kIdle) return Fail("No document is open");
  page_.reset();
  target_->Abort();
  phase_ = Phase::kIdle;
  return 1;
}

bool PrinterDc::SetOrientation(int orientation) {
  if (orientation != DMORIENT_PORTRAIT && orientation != DMORIENT_LANDSCAPE) return false;
  if (phase_ == Phase::kPage) return false;
  orientation_ = orientation;
  ResetDeviceCaps(target_->Caps(orientation));
  return true;
}

void PrinterDc::Render(const DeviceOp& op) {
  if (phase_ == Phase::kPage && page_) page_->Render(op);
}

TextMetrics PrinterDc::MeasureFont(const DeviceFont& font) { return measurer_->MeasureFont(font); }

int PrinterDc::MeasureText(const DeviceFont& font, std::string_view text) {
  return measurer_->MeasureText(font, text);
}

}  // namespace plat
