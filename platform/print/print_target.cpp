#include "platform/print/print_target.h"

#include <QDir>
#include <QPaintDevice>
#include <algorithm>
#include <atomic>
#include <fstream>
#include <utility>

#include <unistd.h>

#include "platform/files.h"
#include "platform/print/pdf_output.h"
#include "platform/process.h"
#include "platform/text_codec.h"

namespace plat {
namespace {

std::atomic<int> job_serial{0};

DeviceCaps CapsOf(const QPaintDevice& device) {
  DeviceCaps caps;
  caps.horz_res = device.width();
  caps.vert_res = device.height();
  caps.horz_size = device.widthMM();
  caps.vert_size = device.heightMM();
  caps.log_pixels_x = device.logicalDpiX();
  caps.log_pixels_y = device.logicalDpiY();
  caps.technology = DT_RASPRINTER;
  return caps;
}

}  // namespace

PrintDestination DefaultDestination() {
  const std::string pdf = PrintToPdfBase();
  if (!pdf.empty()) return {PrintDestination::Kind::kNumberedPdf, pdf};
  return {PrintDestination::Kind::kPrinter, {}};
}

PrintTarget::PrintTarget(const PrinterSettings& settings, PrintDestination destination)
    : destination_(std::move(destination)), settings_(settings) {
  // Pages are always made as PDF; the printer's setup shapes them when they go to a printer.
  const bool printer_pages = destination_.kind == PrintDestination::Kind::kPrinter ||
                             (IsPreview() && destination_.path.empty());
  const PageSetup setup = printer_pages ? PrinterPageSetup(settings_) : PdfPageSetup(settings_);
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setResolution(setup.resolution);
  printer_.setFullPage(false);
  printer_.setPageSize(setup.page_size);
  printer_.setPageMargins(setup.margins_mm, QPageLayout::Millimeter);
  printer_.setPageOrientation(QPageLayout::Landscape);
  landscape_ = CapsOf(printer_);
  printer_.setPageOrientation(QPageLayout::Portrait);
  portrait_ = CapsOf(printer_);
}

PrintTarget::~PrintTarget() { RemoveTemporary(); }

const DeviceCaps& PrintTarget::Caps(int orientation) const {
  return orientation == DMORIENT_LANDSCAPE ? landscape_ : portrait_;
}

std::string PrintTarget::TargetName() const {
  if (destination_.kind == PrintDestination::Kind::kPrinter) {
    return settings_.printer.empty() ? std::string("the default printer") : settings_.printer;
  }
  return destination_.path;
}

void PrintTarget::RemoveTemporary() {
  if (!temporary_.empty()) RemoveFile(temporary_);
  temporary_.clear();
}

common::Result PrintTarget::Open(std::string_view doc_name) {
  RemoveTemporary();
  begun_ = false;
  preview_pages_.clear();
  if (IsPreview()) return common::Result::Ok();

  const std::string serial = std::to_string(::getpid()) + "-" + std::to_string(++job_serial);
  temporary_ = destination_.kind == PrintDestination::Kind::kPrinter
                   ? QDir::tempPath().toStdString() + "/plat-print-" + serial + ".pdf"
                   : destination_.path + "." + serial + ".part";
  {
    std::ofstream probe(temporary_, std::ios::binary | std::ios::trunc);
    if (!probe) {
      temporary_.clear();
      return common::Result::Fail("Cannot write file " + TargetName());
    }
  }
  printer_.setOutputFileName(QString::fromStdString(temporary_));
  printer_.setDocName(QString::fromStdString(Cp1252ToUtf8(doc_name)));
  return common::Result::Ok();
}

QPaintDevice* PrintTarget::BeginPage(int orientation) {
  if (IsPreview()) {
    picture_caps_ = Caps(orientation);
    picture_ = std::make_unique<QPicture>();
    picture_->setBoundingRect(QRect(0, 0, picture_caps_.horz_res, picture_caps_.vert_res));
    return picture_.get();
  }
  if (temporary_.empty()) return nullptr;
  // A new layout applies to the page that starts after it is set.
  printer_.setPageOrientation(QtOrientation(orientation));
  if (begun_ && !printer_.newPage()) return nullptr;
  begun_ = true;
  return &printer_;
}

void PrintTarget::EndPage() {
  if (picture_) preview_pages_.push_back({std::move(picture_), picture_caps_});
}

common::Result PrintTarget::Finish() {
  if (IsPreview()) return common::Result::Ok();
  if (!begun_) {  // no page: nothing printed, no file
    RemoveTemporary();
    return common::Result::Ok();
  }
  if (printer_.printerState() == QPrinter::Error) {
    RemoveTemporary();
    return common::Result::Fail("Cannot write file " + TargetName());
  }
  if (destination_.kind == PrintDestination::Kind::kPrinter) {
    std::vector<std::string> args;
    if (!settings_.printer.empty()) args.insert(args.end(), {"-d", settings_.printer});
    args.insert(args.end(), {"-n", std::to_string(std::max(1, settings_.copies)), "-t",
                             printer_.docName().toStdString(), temporary_});
    std::string error;
    const std::optional<int> code = RunAndWait("lp", args, {}, &error);
    RemoveTemporary();
    if (!code || *code != 0) {
      return common::Result::Fail("Cannot print on " + TargetName() +
                                  (code ? "" : ": " + error));
    }
    return common::Result::Ok();
  }
  const std::string file = destination_.kind == PrintDestination::Kind::kNumberedPdf
                               ? ClaimPdfPath(destination_.path)
                               : destination_.path;
  if (!RenameFile(temporary_, file)) {
    RemoveTemporary();
    return common::Result::Fail("Cannot write file " + file);
  }
  temporary_.clear();
  return common::Result::Ok();
}

void PrintTarget::Abort() {
  RemoveTemporary();
  picture_.reset();
}

std::vector<PreviewPage> PrintTarget::TakePreviewPages() { return std::exchange(preview_pages_, {}); }

}  // namespace plat
