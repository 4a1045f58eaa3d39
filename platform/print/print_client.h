#pragma once
// The printing of a view, as a document framework runs it: print (with the
// print dialog), direct print (the application's printer, no dialog) and
// print preview all page through the same calls of the client:
//
//   OnPreparePrinting(info)         once; sets the page count, runs DoPreparePrinting
//   OnBeginPrinting(dc, info)       once, before the first page
//   OnPrepareDC(dc, info)           before every page: may set the orientation of
//                                   the page or end the document (continue_printing)
//   OnPrint(dc, info)               draws page info.current_page
//   OnEndPrinting(dc, info)         once, at the end (the preview: when it closes)
//
// info.preview tells a preview from a real print: a preview prints nothing and
// may draw a page more than once, so a client changes what a print changes
// (page counters, files) only when it is false.
#include <memory>
#include <string>

#include "platform/dc/gdi_types.h"
#include "platform/print/print_dialog.h"
#include "platform/print/print_types.h"
#include "platform/print/printer_dc.h"

namespace plat {

class PrintPreview;
class PreviewWindow;

struct PrintInfo {
  // The dialog's flags, page limits and range, copies, and the printer chosen.
  PrintDialogData dialog;
  bool preview = false;
  bool direct = false;  // printed without the print dialog
  bool continue_printing = true;
  int current_page = 1;
  Rect draw_rect;  // the page in logical units, set before each OnPrint
  std::string document_name;  // the job's name (Windows-1252)

  void SetMinPage(int page) { dialog.min_page = page; }
  void SetMaxPage(int page) { dialog.max_page = page; }
  int GetMinPage() const { return dialog.min_page; }
  int GetMaxPage() const { return dialog.max_page; }
  // The pages to print: the dialog's range, else all pages.
  int GetFromPage() const { return dialog.flags & PD_PAGENUMS ? dialog.from_page : dialog.min_page; }
  int GetToPage() const { return dialog.flags & PD_PAGENUMS ? dialog.to_page : dialog.max_page; }
};

class PrintClient {
 public:
  PrintClient();
  virtual ~PrintClient();
  PrintClient(const PrintClient&) = delete;
  PrintClient& operator=(const PrintClient&) = delete;

  void OnFilePrint();
  void OnFilePrintDirect();
  // Opens the print preview (a window of its own; the program goes on).
  void OnFilePrintPreview();

  // The open preview, or null.
  PrintPreview* preview() const;
  // Closes the preview: OnEndPrinting, then the window goes.
  void ClosePreview();

 protected:
  virtual bool OnPreparePrinting(PrintInfo& info) { return DoPreparePrinting(info); }
  // The print dialog, or the application's printer for direct printing and the
  // preview; false when the user cancels.
  bool DoPreparePrinting(PrintInfo& info);
  virtual void OnBeginPrinting(PrinterDc& dc, PrintInfo& info);
  // By default a document of unknown length has one page.
  virtual void OnPrepareDC(PrinterDc& dc, PrintInfo& info);
  virtual void OnPrint(PrinterDc& dc, PrintInfo& info) = 0;
  virtual void OnEndPrinting(PrinterDc& dc, PrintInfo& info);

 private:
  friend class PreviewWindow;
  enum class PageResult { kDrawn, kNoPage, kFailed };

  void PrintDocument(bool direct);
  // Prepares and draws one page.
  PageResult DrawPage(PrinterDc& dc, PrintInfo& info, int page);
  // The preview's Print button: closes the preview and prints.
  void PrintFromPreview();

  std::unique_ptr<PreviewWindow> preview_;
  // Cleared when the client goes, for actions queued by its preview.
  std::shared_ptr<PrintClient*> self_;
};

}  // namespace plat
