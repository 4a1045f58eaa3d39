#include "platform/print/print_testing.h"

#include "platform/print/printer_settings.h"

namespace plat::testing {

struct PrintDialogScript::SavedPrinter {
  PrinterSettings settings;
};

PrintDialogScript::PrintDialogScript()
    : previous_(hooks::print_dialog), saved_(std::make_unique<SavedPrinter>(SavedPrinter{ApplicationPrinter()})) {
  handler_.handle = [this](const hooks::PrintDialogRequest& request) {
    shown_.push_back(request);
    if (answers_.empty()) return hooks::PrintDialogAnswer{};
    hooks::PrintDialogAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  };
  hooks::print_dialog = &handler_;
}

PrintDialogScript::~PrintDialogScript() {
  hooks::print_dialog = previous_;
  ApplicationPrinter() = saved_->settings;
}

}  // namespace plat::testing
