// The starts of programs that need the window system: a watched program's end delivered on the
// user-interface thread, and a wait during which the owner's windows still paint.
#include "platform/process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/hooks.h"
#include "platform/process_spawn.h"
#include "platform/script/script_run.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window.h"

namespace plat {
namespace {

// What a watched program's end keeps of its standard error.
constexpr std::size_t kKeptErrorBytes = 4096;

// The window inside `owner` (or the owner) that has the keyboard focus, else null.
HWND FocusInside(Window* owner) {
  Window* focus = Window::GetFocus();
  if (!owner || !owner->GetSafeHwnd() || !focus) return nullptr;
  return focus == owner || owner->IsChild(focus) ? focus->GetSafeHwnd() : nullptr;
}

// After a waited program the owner's window that had the focus has it again, so
// that its keys work without a click; the owner itself gets it when none had it
// (a frame passes it on to its view). Disabling the owner took the window
// system's focus away, and the waited program's window had it meanwhile.
void GiveFocusBack(Window* owner, HWND focus) {
  if (!owner || !owner->GetSafeHwnd() || !owner->IsWindowEnabled()) return;
  Window* back = Window::FromHandle(focus);
  if (!back || !(back == owner || owner->IsChild(back))) back = owner;
  back->SetFocus();
}

}  // namespace

common::Result StartWatched(const std::string& program, const std::vector<std::string>& args,
                            std::function<void(const ProgramEnd&)> ended) {
  if (auto* h = hooks::process) {
    int code = 0;
    common::Result started = h->handle({hooks::ProcessCall::Kind::kStartDetached, program, args, {}}, &code);
    if (started) detail::PostToUiThread([ended = std::move(ended), code] { ended(ProgramEnd{code, {}}); });
    return started;
  }
  int errors[2];
  if (pipe2(errors, O_CLOEXEC) != 0) return common::Result::Fail(std::strerror(errno), program);
  pid_t pid = 0;
  const int rc = detail::Spawn(program, args, {}, &pid, errors[1]);
  close(errors[1]);
  if (rc != 0) {
    close(errors[0]);
    return common::Result::Fail(std::strerror(rc), program);
  }
  std::thread([pid, fd = errors[0], ended = std::move(ended)] {
    ProgramEnd end;
    char buffer[512];
    for (;;) {
      const ssize_t got = read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      (void)!write(STDERR_FILENO, buffer, static_cast<std::size_t>(got));
      end.errors.append(buffer, static_cast<std::size_t>(got));
      if (end.errors.size() > kKeptErrorBytes) end.errors.erase(0, end.errors.size() - kKeptErrorBytes);
    }
    close(fd);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    end.code = detail::ExitCodeOf(status);
    detail::PostToUiThread([ended, end] { ended(end); });
  }).detach();
  return common::Result::Ok();
}

std::optional<int> RunAndWaitPainted(Window* owner, const std::string& program,
                                     const std::vector<std::string>& args, const std::string& folder,
                                     std::string* error) {
  ScriptPauseScope pause;
  if (hooks::process) return RunAndWait(program, args, folder, error);
  pid_t pid = 0;
  int rc = detail::Spawn(program, args, folder, &pid);
  if (rc != 0) {
    if (error) *error = std::strerror(rc);
    return std::nullopt;
  }
  // The owner takes no input while the child runs, but still paints.
  bool reenable = owner && owner->GetSafeHwnd() && owner->IsWindowEnabled();
  const HWND focus = FocusInside(owner);
  if (reenable) owner->EnableWindow(false);
  std::optional<int> code;
  for (;;) {
    int status = 0;
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      code = detail::ExitCodeOf(status);
      break;
    }
    if (done < 0 && errno != EINTR) {
      if (error) *error = std::strerror(errno);
      break;
    }
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (reenable && owner->GetSafeHwnd()) owner->EnableWindow(true);
  GiveFocusBack(owner, focus);
  return code;
}

}  // namespace plat
