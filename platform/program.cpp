// The services of application.h that need no window system: a program that starts none links
// only these.
#include "platform/application.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/hooks.h"

namespace plat {

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
