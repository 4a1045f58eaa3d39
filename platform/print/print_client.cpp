#include "platform/print/print_client.h"

#include "platform/message_box.h"
#include "platform/print/preview_window.h"

namespace plat {
namespace {

void SetAllPages(PrintInfo& info) {
  info.dialog.flags &= ~PD_PAGENUMS;
  info.dialog.from_page = info.dialog.min_page;
  info.dialog.to_page = info.dialog.max_page;
}

}  // namespace

PrintClient::PrintClient() : self_(std::make_shared<PrintClient*>(this)) {}

PrintClient::~PrintClient() {
  *self_ = nullptr;
  preview_.reset();  // the client is gone: no OnEndPrinting
}

void PrintClient::OnFilePrint() { PrintDocument(false); }

void PrintClient::OnFilePrintDirect() { PrintDocument(true); }

bool PrintClient::DoPreparePrinting(PrintInfo& info) {
  if (info.preview || info.direct) {
    info.dialog.dc = info.preview ? PrinterDc::ForPreview() : PrinterDc::ForDefaultPrinter();
    SetAllPages(info);
    return true;
  }
  return PrintDialog(info.dialog) == IDOK;
}

void PrintClient::OnBeginPrinting(PrinterDc&, PrintInfo&) {}

void PrintClient::OnPrepareDC(PrinterDc&, PrintInfo& info) {
  info.continue_printing = info.GetMaxPage() != kUnknownPageCount || info.current_page == 1;
}

void PrintClient::OnEndPrinting(PrinterDc&, PrintInfo&) {}

PrintClient::PageResult PrintClient::DrawPage(PrinterDc& dc, PrintInfo& info, int page) {
  info.current_page = page;
  info.continue_printing = true;
  OnPrepareDC(dc, info);
  if (!info.continue_printing) return PageResult::kNoPage;
  if (dc.StartPage() <= 0) return PageResult::kFailed;
  const Point top_left = dc.DPtoLP(Point{0, 0});
  const Point bottom_right = dc.DPtoLP(Point{dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)});
  info.draw_rect = {top_left.x, top_left.y, bottom_right.x, bottom_right.y};
  OnPrint(dc, info);
  return dc.EndPage() > 0 ? PageResult::kDrawn : PageResult::kFailed;
}

void PrintClient::PrintDocument(bool direct) {
  PrintInfo info;
  info.direct = direct;
  if (!OnPreparePrinting(info) || !info.dialog.dc) return;
  PrinterDc& dc = *info.dialog.dc;
  OnBeginPrinting(dc, info);
  if (dc.StartDoc(info.document_name) <= 0) {
    OnEndPrinting(dc, info);
    MessageBox("Printing failed: " + dc.LastError(), " ", MB_OK | MB_ICONERROR);
    return;
  }
  bool failed = false;
  for (int page = info.GetFromPage(); page <= info.GetToPage(); ++page) {
    const PageResult result = DrawPage(dc, info, page);
    if (result == PageResult::kNoPage) break;
    if (result == PageResult::kFailed) {
      failed = true;
      break;
    }
  }
  std::string error;
  if (failed) {
    error = dc.LastError();
    dc.AbortDoc();
  } else if (dc.EndDoc() <= 0) {
    error = dc.LastError();
  }
  OnEndPrinting(dc, info);
  if (!error.empty()) MessageBox("Printing failed: " + error, " ", MB_OK | MB_ICONERROR);
}

void PrintClient::OnFilePrintPreview() {
  if (preview_) {
    preview_->raise();
    return;
  }
  auto info = std::make_unique<PrintInfo>();
  info->preview = true;
  if (!OnPreparePrinting(*info) || !info->dialog.dc) return;
  PrinterDc& dc = *info->dialog.dc;
  OnBeginPrinting(dc, *info);
  dc.StartDoc(info->document_name);
  const int first = info->GetMinPage();
  preview_ = std::make_unique<PreviewWindow>(*this, std::move(info));
  preview_->ShowPage(first);
  preview_->show();
}

PrintPreview* PrintClient::preview() const { return preview_.get(); }

void PrintClient::ClosePreview() {
  if (!preview_) return;
  std::unique_ptr<PreviewWindow> window = std::move(preview_);
  window->Finish();
}

void PrintClient::PrintFromPreview() {
  ClosePreview();
  OnFilePrint();
}

}  // namespace plat
