#include "platform/display_choice.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/application.h"

namespace plat {

DisplayChoice ChooseDisplay(Attended attended, const std::function<const char*(const char*)>& env) {
  auto set = [&](const char* name) {
    const char* value = env(name);
    return value != nullptr && *value != '\0';
  };
  if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return DisplayChoice::kAsSet;
  return attended == Attended::kUnattended ? DisplayChoice::kOffscreen : DisplayChoice::kNone;
}

bool WindowsAreSeen(const std::function<const char*(const char*)>& env) {
  auto set = [&](const char* name) {
    const char* value = env(name);
    return value != nullptr && *value != '\0';
  };
  if (set("PLAT_SCRIPT")) return true;
  if (set("QT_QPA_PLATFORM")) {
    const std::string_view platform = env("QT_QPA_PLATFORM");
    const std::string_view name = platform.substr(0, platform.find(':'));
    if (name == "offscreen" || name == "minimal") return false;
  }
  return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

bool WindowsAreSeen() {
  return WindowsAreSeen([](const char* name) { return std::getenv(name); });
}

void PrepareDisplay(Attended attended) {
  switch (ChooseDisplay(attended, [](const char* name) { return std::getenv(name); })) {
    case DisplayChoice::kAsSet:
      return;
    case DisplayChoice::kOffscreen:
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      return;
    case DisplayChoice::kNone:
      std::fprintf(stderr, "%s\n", kNoDisplayMessage);
      ExitProgram(1);
  }
}

}  // namespace plat
