#pragma once
// Replaceable answers of the print dialogs for tests (plat::testing sets
// them; programs never do).
#include <functional>
#include <string>

namespace plat::hooks {

// A print dialog (or the printer set-up) that would be shown.
struct PrintDialogRequest {
  bool setup = false;  // the printer set-up instead of the print dialog
  unsigned flags = 0;  // PD_ flags of the print dialog
  int min_page = 0;
  int max_page = 0;
};

struct PrintDialogAnswer {
  int id = 1;                 // IDOK or IDCANCEL
  int from_page = 0;          // a page range when from_page > 0, else all pages
  int to_page = 0;
  int orientation = 0;        // DMORIENT_...; 0 keeps the printer's
  std::string printer{};      // a printer chosen by name; empty keeps the current one
  std::string pdf{};          // jobs go to this PDF (numbered like PLAT_PRINT_TO_PDF);
                              // empty: PLAT_PRINT_TO_PDF when set, else the printer
};

struct PrintDialogHandler {
  std::function<PrintDialogAnswer(const PrintDialogRequest&)> handle;
};
extern PrintDialogHandler* print_dialog;

}  // namespace plat::hooks
