#include "platform/print/print_dialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/message_box.h"
#include "platform/print/pdf_output.h"
#include "platform/print/print_hooks.h"
#include "platform/print/print_target.h"
#include "platform/print/printer_settings.h"

namespace plat {
namespace hooks {
PrintDialogHandler* print_dialog = nullptr;
}  // namespace hooks

namespace {

// Nobody can answer a dialog under the offscreen platform: fail at once
// rather than wait. Without an application object nothing can be shown.
bool CanShowDialog() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  const QString platform = QGuiApplication::platformName();
  if (platform == "offscreen" || platform == "minimal") {
    std::fprintf(stderr, "a print dialog was shown without PLAT_PRINT_TO_PDF under the %s platform\n",
                 platform.toStdString().c_str());
    std::fflush(stderr);
    std::_Exit(97);
  }
  return true;
}

void SetPageRange(PrintDialogData& data, int from, int to) {
  if (from <= 0) {
    data.flags &= ~PD_PAGENUMS;
    data.from_page = data.min_page;
    data.to_page = data.max_page;
    return;
  }
  data.flags |= PD_PAGENUMS;
  data.from_page = std::clamp(from, data.min_page, std::max(data.min_page, data.max_page));
  data.to_page = std::clamp(to, data.from_page, std::max(data.from_page, data.max_page));
}

std::unique_ptr<PrinterDc> MakeDc(PrintDestination destination) {
  const PrinterSettings& settings = ApplicationPrinter();
  return std::make_unique<PrinterDc>(std::make_unique<PrintTarget>(settings, std::move(destination)),
                                     settings.orientation);
}

void TakeScriptedPrinter(const hooks::PrintDialogAnswer& answer) {
  PrinterSettings& settings = ApplicationPrinter();
  if (answer.orientation == DMORIENT_PORTRAIT || answer.orientation == DMORIENT_LANDSCAPE) {
    settings.orientation = answer.orientation;
  }
  if (!answer.printer.empty()) settings.printer = answer.printer;
}

int ScriptedPrintDialog(PrintDialogData& data, const hooks::PrintDialogAnswer& answer) {
  if (answer.id != IDOK) return IDCANCEL;
  TakeScriptedPrinter(answer);
  SetPageRange(data, answer.from_page, answer.to_page);
  PrintDestination destination = DefaultDestination();
  if (!answer.pdf.empty()) {
    destination = {PrintDestination::Kind::kNumberedPdf, answer.pdf};
  } else if (!answer.printer.empty()) {
    destination = {PrintDestination::Kind::kPrinter, {}};
  }
  data.dc = MakeDc(std::move(destination));
  return IDOK;
}

// The application's printer as a Qt printer for the dialogs.
void ConfigureQtPrinter(QPrinter& printer) {
  const PrinterSettings& settings = ApplicationPrinter();
  if (!settings.printer.empty()) printer.setPrinterName(QString::fromStdString(settings.printer));
  if (settings.page_size) printer.setPageSize(QPageSize(*settings.page_size));
  printer.setPageOrientation(QtOrientation(settings.orientation));
  printer.setCopyCount(std::max(1, settings.copies));
}

void TakeQtPrinter(const QPrinter& printer) {
  PrinterSettings& settings = ApplicationPrinter();
  if (!printer.printerName().isEmpty()) settings.printer = printer.printerName().toStdString();
  settings.orientation = OrientationFromQt(printer.pageLayout().orientation());
  settings.page_size = printer.pageLayout().pageSize().id();
  settings.copies = std::max(1, printer.copyCount());
}

int QtPrintDialog(PrintDialogData& data) {
  QPrinter printer(QPrinter::HighResolution);
  ConfigureQtPrinter(printer);
  printer.setCopyCount(std::max(1, data.copies));
  QPrintDialog dialog(&printer);
  QAbstractPrintDialog::PrintDialogOptions options =
      QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
  if (!(data.flags & (PD_HIDEPRINTTOFILE | PD_DISABLEPRINTTOFILE))) options |= QAbstractPrintDialog::PrintToFile;
  if (!(data.flags & PD_NOPAGENUMS)) options |= QAbstractPrintDialog::PrintPageRange;
  if (!(data.flags & PD_NOSELECTION)) options |= QAbstractPrintDialog::PrintSelection;
  dialog.setOptions(options);
  dialog.setMinMax(data.min_page, std::max(data.min_page, data.max_page));
  if (data.flags & PD_PAGENUMS) {
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(data.from_page, data.to_page);
  }
  if (dialog.exec() != QDialog::Accepted) return IDCANCEL;

  TakeQtPrinter(printer);
  data.copies = ApplicationPrinter().copies;
  data.flags &= ~PD_SELECTION;
  if (printer.printRange() == QPrinter::Selection) data.flags |= PD_SELECTION;
  if (printer.printRange() == QPrinter::PageRange) {
    SetPageRange(data, printer.fromPage(), printer.toPage());
  } else {
    SetPageRange(data, 0, 0);
  }
  const QString file = printer.outputFileName();
  data.dc = printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()
                ? MakeDc({PrintDestination::Kind::kPdf, file.toStdString()})
                : MakeDc({PrintDestination::Kind::kPrinter, {}});
  return IDOK;
}

}  // namespace

int PrintDialog(PrintDialogData& data) {
  data.dc.reset();
  if (auto* h = hooks::print_dialog) {
    return ScriptedPrintDialog(data, h->handle({false, data.flags, data.min_page, data.max_page}));
  }
  if (!PrintToPdfBase().empty()) {
    SetPageRange(data, 0, 0);
    data.dc = MakeDc(DefaultDestination());
    return IDOK;
  }
  if (!CanShowDialog()) return IDCANCEL;
  return QtPrintDialog(data);
}

int PrinterSetupDialog() {
  if (auto* h = hooks::print_dialog) {
    const hooks::PrintDialogAnswer answer = h->handle({true, 0, 0, 0});
    if (answer.id != IDOK) return IDCANCEL;
    TakeScriptedPrinter(answer);
    return IDOK;
  }
  if (!PrintToPdfBase().empty()) return IDOK;
  if (!CanShowDialog()) return IDCANCEL;
  QPrinter printer(QPrinter::HighResolution);
  ConfigureQtPrinter(printer);
  QPageSetupDialog dialog(&printer);
  if (dialog.exec() != QDialog::Accepted) return IDCANCEL;
  TakeQtPrinter(printer);
  return IDOK;
}

}  // namespace plat
