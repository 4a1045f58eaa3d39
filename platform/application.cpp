#include "platform/application.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "platform/hooks.h"
#include "platform/script/script_run.h"

namespace plat {

struct Application::Impl {
  Impl(int& argc, char** argv) : app(argc, argv) {}
  QApplication app;
  std::unique_ptr<ScriptRun> script;  // goes before the window system
};

Application::Application(int& argc, char** argv, Attended attended)
    : impl_((PrepareDisplay(attended), std::make_unique<Impl>(argc, argv))) {
  std::setlocale(LC_NUMERIC, "C");
  // A program ends by WM_QUIT (or its exit code), never because a window went.
  QApplication::setQuitOnLastWindowClosed(false);
  // With PLAT_SCRIPT the program runs its script unattended.
  impl_->script = StartScriptRun(argc > 0 ? argv[0] : nullptr);
}

Application::~Application() {
  // Widgets of windows that ended inside their own handlers go before Qt does.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int Application::Exec() { return QApplication::exec(); }

void UseProgramLocale() {
  std::setlocale(LC_ALL, "");
  std::setlocale(LC_NUMERIC, "C");
}

std::string CommandLineText(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

void ExitProgram(int code) {
  if (auto* hook = hooks::exit_hook) {
    (*hook)(code);
    std::abort();  // a hook must not return
  }
  std::fflush(nullptr);
  std::exit(code & 0xFF);
}

}  // namespace plat
