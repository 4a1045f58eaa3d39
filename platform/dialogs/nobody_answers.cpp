#include "platform/dialogs/nobody_answers.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

#include "platform/hooks.h"
#include "platform/text_codec.h"

namespace plat::detail {

bool HasDisplay() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  const QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

bool UnattendedRun() {
  const char* log = std::getenv("PLAT_MESSAGES");
  return log && *log;
}

void FailIfNobodyAnswers(std::string_view what, std::string_view caption) {
  if (hooks::dialogs || HasDisplay() || UnattendedRun()) return;
  std::fprintf(stderr, "%s \"%s\" was shown without a script and without PLAT_MESSAGES where nobody can answer\n",
               std::string(what).c_str(), Cp1252ToUtf8(caption).c_str());
  std::fflush(stderr);
  std::_Exit(97);
}

}  // namespace plat::detail
