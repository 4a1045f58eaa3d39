#pragma once
// The view of a page printer window: the first page of the listing on the
// screen, its printing (print, direct print, preview) page by page, the open
// dialog and the header dialog.
#include "Zelko1/page/print_job.h"
#include "Zelko1/page/zevril_state.h"
#include "platform/frames/view.h"

namespace zevril {

class CZelko1View : public plat::View {
 public:
  explicit CZelko1View(ZevrilState& state);

  // ID_FILE_OPEN and WM_USER+1: a listing chosen in the open dialog.
  void OnFileOpen();
  // 32771: the header dialog; OK stores the page counter.
  void OnEditHeader();

  // The last print failed, or its page counter could not be stored.
  bool print_failed() const { return print_failed_; }

 protected:
  void OnDraw(plat::Dc& dc) override;
  bool OnPreparePrinting(plat::PrintInfo& info) override;
  void OnBeginPrinting(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnPrint(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnEndPrinting(plat::PrinterDc& dc, plat::PrintInfo& info) override;
  void OnShowWindow(bool show, plat::UINT status) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  PrintJob& JobOf(const plat::PrintInfo& info) { return info.preview ? preview_job_ : print_job_; }

  ZevrilState& state_;
  PrintJob print_job_;
  PrintJob preview_job_;
  bool printing_ = false;
  bool print_failed_ = false;
};

// Every view of the program shows the listing anew.
void RepaintListingViews();

}  // namespace zevril
