#include "platform/dialogs/common_dialog.h"

#include "platform/dialogs/nobody_answers.h"
#include "platform/hooks.h"
#include "platform/message_box.h"

namespace plat {

CommonDialog::~CommonDialog() = default;

int CommonDialog::Ask(const std::function<int()>& ask_person) {
  if (hooks::dialogs && hooks::dialogs->run_common) return hooks::dialogs->run_common(*this);
  detail::FailIfNobodyAnswers("the common dialog", title_);
  if (detail::UnattendedRun() || !detail::HasDisplay()) return IDCANCEL;
  return ask_person();
}

}  // namespace plat
