// The modal loop of a dialog: a test's script, a person, or an unattended run.
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/dialogs/nobody_answers.h"
#include "platform/hooks.h"
#include "platform/script/script_run.h"
#include "platform/text_codec.h"
#include "platform/window/window_state.h"

namespace plat {
namespace detail {

void ExitModalLoop(void* loop) {
  if (loop) static_cast<QEventLoop*>(loop)->exit();
}

namespace {

// An unattended run under the offscreen platform whose modal dialog handles
// no message for this long waits for a person who never comes.
constexpr int kUnattendedIdleSeconds = 30;

}  // namespace
}  // namespace detail

int Dialog::DoModal() {
  detail::FailIfNobodyAnswers("the dialog", caption_);
  const HWND focus_before = plat::GetFocus();
  if (!MakeWindow(nullptr, true)) return -1;
  if (!ended_ && !IsWindowVisible()) ShowWindow(SW_SHOW);
  if (!ended_ && GetSafeHwnd()) RunModalLoop();
  const int result = result_;
  const HWND self = GetSafeHwnd();
  if (self) {
    ShowWindow(SW_HIDE);
    DestroyWindow();
  }
  // The window that had the focus gets it back.
  if (self && focus_before && IsWindow(focus_before) && !plat::GetFocus()) plat::SetFocus(focus_before);
  return result;
}

void Dialog::RunModalLoop() {
  if (hooks::dialogs && hooks::dialogs->run_modal) {
    const HWND self = GetSafeHwnd();
    hooks::dialogs->run_modal(*this);
    if (IsWindow(self) && !ended_) EndDialog(IDCANCEL);
    return;
  }
  QEventLoop loop;
  loop_ = &loop;
  QTimer watchdog;
  std::uint64_t handled = detail::DispatchedMessageCount();
  int idle_seconds = 0;
  if (detail::UnattendedRun() && !detail::HasDisplay() && !ScriptRunning()) {
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      const std::uint64_t now = detail::DispatchedMessageCount();
      idle_seconds = now == handled ? idle_seconds + 1 : 0;
      handled = now;
      if (idle_seconds < detail::kUnattendedIdleSeconds) return;
      std::fprintf(stderr, "the dialog \"%s\" waited %d s for a person in an unattended run\n",
                   Cp1252ToUtf8(caption_).c_str(), detail::kUnattendedIdleSeconds);
      std::fflush(stderr);
      std::_Exit(97);
    });
    watchdog.start(1000);
  }
  loop.exec(QEventLoop::DialogExec);
  loop_ = nullptr;
}

}  // namespace plat
