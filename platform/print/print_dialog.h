#pragma once
// The print dialog and the printer set-up, with Win32's flags and answers.
// With PLAT_PRINT_TO_PDF no dialog is shown: the print dialog answers IDOK
// with all pages and a Dc on that PDF, the set-up answers IDOK and changes
// nothing. Tests answer through plat::testing::PrintDialogScript. Under the
// offscreen platform without either, a dialog ends the program at once
// (exit code 97) rather than wait for a person.
#include <memory>

#include "platform/print/print_types.h"
#include "platform/print/printer_dc.h"

namespace plat {

struct PrintDialogData {
  unsigned flags = PD_ALLPAGES | PD_NOSELECTION | PD_USEDEVMODECOPIES;
  int min_page = 1;
  int max_page = kUnknownPageCount;
  // The page range when flags holds PD_PAGENUMS after the dialog.
  int from_page = 1;
  int to_page = kUnknownPageCount;
  int copies = 1;
  // The chosen printer, after IDOK.
  std::unique_ptr<PrinterDc> dc;
};

// Shows the print dialog: IDOK (data.dc set, the choices become the
// application's printer) or IDCANCEL.
int PrintDialog(PrintDialogData& data);

// Shows the printer set-up (printer, paper, orientation) of the
// application's printer: IDOK or IDCANCEL.
int PrinterSetupDialog();

}  // namespace plat
