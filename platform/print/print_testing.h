#pragma once
// Test support for printing: scripted answers to the print dialog and the
// printer set-up, with a record of every one shown.
#include <deque>
#include <memory>
#include <vector>

#include "platform/print/print_hooks.h"
#include "platform/print/print_types.h"

namespace plat::testing {

// While alive, print dialogs and printer set-ups are answered from a script;
// the application's printer is restored when it ends.
class PrintDialogScript {
 public:
  PrintDialogScript();
  ~PrintDialogScript();
  PrintDialogScript(const PrintDialogScript&) = delete;
  PrintDialogScript& operator=(const PrintDialogScript&) = delete;

  // The answer of the next dialog; dialogs beyond the script answer IDOK with
  // all pages (to PLAT_PRINT_TO_PDF when it is set).
  void Answer(hooks::PrintDialogAnswer answer) { answers_.push_back(std::move(answer)); }
  const std::vector<hooks::PrintDialogRequest>& shown() const { return shown_; }

 private:
  struct SavedPrinter;

  hooks::PrintDialogHandler handler_;
  hooks::PrintDialogHandler* previous_;
  std::deque<hooks::PrintDialogAnswer> answers_;
  std::vector<hooks::PrintDialogRequest> shown_;
  std::unique_ptr<SavedPrinter> saved_;
};

}  // namespace plat::testing
