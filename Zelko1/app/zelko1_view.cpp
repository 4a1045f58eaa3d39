#include "Zelko1/app/zelko1_view.h"

#include <algorithm>

#include "Zelko1/app/dia_kopf.h"
#include "Zelko1/app/open_listing.h"
#include "Zelko1/app/zevril_ids.h"
#include "Zelko1/page/page_counter.h"
#include "platform/frames/doc_template.h"
#include "platform/frames/document.h"
#include "platform/frames/mdi_frame.h"
#include "platform/frames/win_app.h"
#include "platform/dc/selected_font.h"

namespace zevril {
namespace {

// The print dialog offers this many pages before the listing is measured on the printer.
constexpr int kProvisionalPageCount = 100;

}  // namespace

void RepaintListingViews() {
  plat::WinApp* app = plat::WinApp::Get();
  if (!app) return;
  for (int i = 0; i < app->GetDocTemplateCount(); ++i) {
    for (plat::Document* doc : app->GetDocTemplate(i)->GetDocuments()) doc->UpdateAllViews(nullptr);
  }
}

CZelko1View::CZelko1View(ZevrilState& state) : state_(state) {
  MapCommand(plat::ID_FILE_PRINT, [this] { OnFilePrint(); });
  MapCommand(plat::ID_FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
  MapCommand(plat::ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
  MapCommand(plat::ID_FILE_OPEN, [this] { OnFileOpen(); });
  MapCommand(ids::kEditHeader, [this] { OnEditHeader(); });
}

void CZelko1View::OnFileOpen() {
  plat::FileDialog dialog = ViewOpenDialog(this);
  ChooseListing(state_, dialog);
}

void CZelko1View::OnEditHeader() {
  ReloadPageCounter(state_);
  CDiaKopf dialog(this);
  for (std::size_t f = 0; f < dialog.texts.size(); ++f) dialog.texts[f] = state_.page.header.fields[f];
  // The next page to print is proposed as the first.
  dialog.texts[common::PageHeader::kFirstPage] = std::to_string(state_.page_counter);
  if (dialog.DoModal() != plat::IDOK) return;
  for (std::size_t f = 0; f < dialog.texts.size(); ++f) state_.page.header.fields[f] = dialog.texts[f];
  state_.page_counter = dialog.first_page;
  ShowFailure(StorePageCounter(state_, false));
  RepaintListingViews();
}

void CZelko1View::OnDraw(plat::Dc& dc) {
  if (printing_) return;
  plat::Rect client;
  GetClientRect(&client);
  PageOptions options;
  options.width = client.right - client.left;
  options.height = client.bottom - client.top;
  // The listing's fixed pitch, scaled with the page, so that its columns line
  // up and break where the printed page breaks them.
  plat::SelectedFont font(dc, ScreenListingFont(state_.page.font_size, options.width, options.height));
  zevril::DrawPage(state_, options, dc);
}

bool CZelko1View::OnPreparePrinting(plat::PrintInfo& info) {
  info.SetMaxPage(kProvisionalPageCount);
  if (const plat::Document* doc = GetDocument()) info.document_name = doc->GetTitle();
  return DoPreparePrinting(info);
}

void CZelko1View::OnBeginPrinting(plat::PrinterDc& dc, plat::PrintInfo& info) {
  PrintJob& job = JobOf(info);
  job = BeginPrintJob(state_, dc, info.preview);
  info.SetMaxPage(std::max(PageCount(job), 1));
}

void CZelko1View::OnPrepareDC(plat::PrinterDc&, plat::PrintInfo& info) {
  info.continue_printing = PageFollows(state_, JobOf(info), info.current_page);
}

void CZelko1View::OnPrint(plat::PrinterDc& dc, plat::PrintInfo& info) {
  printing_ = true;
  PrintPage(state_, JobOf(info), info.current_page, dc);
}

void CZelko1View::OnEndPrinting(plat::PrinterDc& dc, plat::PrintInfo& info) {
  printing_ = false;
  if (info.preview) return;
  // A job that failed (the printing says why) printed no page to count.
  const bool completed = dc.LastError().empty();
  const common::Result stored = EndPrintJob(state_, print_job_, completed);
  print_failed_ = !completed || !stored.ok();
  ShowFailure(stored);
}

void CZelko1View::OnShowWindow(bool show, plat::UINT status) {
  plat::View::OnShowWindow(show, status);
  // The view fills its window: the window is maximised with it.
  auto* child = dynamic_cast<plat::MDIChildWnd*>(GetParentFrame());
  if (show && child && !child->IsMaximized()) child->MDIMaximize();
}

plat::LRESULT CZelko1View::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (message == ids::kOpenFromView) {
    OnFileOpen();
    return 0;
  }
  return plat::View::WindowProc(message, wParam, lParam);
}

}  // namespace zevril
