#pragma once
// A view of local HTML pages (MFC's CHtmlView as the help viewer uses it):
// shows a page of the file system with its pictures and style (relative
// addresses are taken from the page's folder), follows links to other local
// pages, and goes back and forward. A page of Windows-1252 text without a
// declared character set is read as such.
//
// Pages that are not files (http addresses) and missing files cannot be
// shown here: the view shows a short message instead and Navigate returns
// false. The extra mouse buttons over the page reach the view (and its
// frame) as WM_XBUTTONDOWN, as over any window.
//
// The page prints (ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW)
// as laid out for paper within margins of half an inch, over as many pages as
// it needs.
#include <memory>
#include <string>
#include <string_view>

#include "platform/frames/view.h"

namespace plat {

class HtmlView : public View {
 public:
  HtmlView();
  ~HtmlView() override;

  // Shows a page: a path (absolute, or relative to the current folder) or a
  // file:// address. False when it cannot be shown.
  bool Navigate(std::string_view address);
  // Shows a page given as its HTML text (Windows-1252), a page of the
  // program's own that is no file: GetLocationURL is empty then.
  void ShowHtml(std::string_view html);
  // The path of the page shown (empty when none).
  std::string GetLocationURL() const;
  // The page's title.
  std::string GetLocationName() const;
  bool GoBack();
  bool GoForward();
  void Refresh();
  // The selected text (Windows-1252) and copying it to the clipboard.
  std::string GetSelectedText() const;
  bool Copy();
  // The text of the page as shown (Windows-1252), for tests and searches.
  std::string GetPageText() const;

  // A page has been shown (after Navigate or a followed link).
  virtual void OnDocumentComplete(const std::string& url);

 protected:
  int OnCreate(const CREATESTRUCT& create) override;
  void OnSize(UINT type, int cx, int cy) override;
  // The arrow, page and Home/End keys scroll the page.
  void OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

  bool OnPreparePrinting(PrintInfo& info) override;
  void OnBeginPrinting(PrinterDc& dc, PrintInfo& info) override;
  void OnPrepareDC(PrinterDc& dc, PrintInfo& info) override;
  void OnPrint(PrinterDc& dc, PrintInfo& info) override;
  void OnEndPrinting(PrinterDc& dc, PrintInfo& info) override;

 private:
  class Browser;
  struct Printing;
  void ShowMessage(const std::string& text);

  Browser* browser_ = nullptr;  // a widget of the view's window
  std::string location_;
  std::unique_ptr<Printing> printing_;  // the page laid out for paper while it prints
};

}  // namespace plat
