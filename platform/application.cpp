#include "platform/application.h"

#include <QApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/font_setup.h"
#include "platform/message_box_window.h"
#include "platform/program_style.h"
#include "platform/script/script_run.h"

namespace plat {
namespace {

// Qt warns on stderr when XDG_RUNTIME_DIR is not set and then takes /tmp/runtime-<user>. The
// program gives it that folder itself, so that an unattended run prints only its own messages.
bool ProvideRuntimeFolder() {
  if (const char* set = std::getenv("XDG_RUNTIME_DIR"); set && *set) return true;
  const char* tmp = std::getenv("TMPDIR");
  const std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/runtime-" + std::to_string(getuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat st{};
  if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) return false;
  if ((st.st_mode & 0777) != 0700 && chmod(folder.c_str(), 0700) != 0) return false;
  return setenv("XDG_RUNTIME_DIR", folder.c_str(), 1) == 0;
}

// What the window system is told before it starts. Menus stay in their windows, as on Windows:
// asking the desktop for a global menu bar would wait on the session bus at the first frame.
int& BeforeTheWindowSystem(int& argc) {
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  return argc;
}

}  // namespace

struct Application::Impl {
  Impl(int& argc, char** argv)
      : runtime_folder(ProvideRuntimeFolder()), fonts(StartFontSetup()), app(BeforeTheWindowSystem(argc), argv) {
    fonts.join();  // before anything draws text
  }
  bool runtime_folder;  // before the application, which looks for it
  std::jthread fonts;   // the font configuration read while the window system connects
  QApplication app;
  std::unique_ptr<ScriptRun> script;  // goes before the window system
};

Application::Application(int& argc, char** argv, Attended attended)
    : impl_((PrepareDisplay(attended), std::make_unique<Impl>(argc, argv))) {
  std::setlocale(LC_NUMERIC, "C");
  detail::UseProgramStyle();
  detail::InstallWindowBoxes();
  // A program ends by WM_QUIT (or its exit code), never because a window went.
  QApplication::setQuitOnLastWindowClosed(false);
  // With PLAT_SCRIPT the program runs its script unattended.
  impl_->script = StartScriptRun(argc > 0 ? argv[0] : nullptr);
}

Application::~Application() {
  detail::SetWindowBoxes(nullptr);
  // Widgets of windows that ended inside their own handlers go before Qt does.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int Application::Exec() { return QApplication::exec(); }

}  // namespace plat
