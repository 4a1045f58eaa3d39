// The start of a program on a machine with or without a display.
#include "platform/display_choice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using plat::Attended;
using plat::DisplayChoice;

TEST(DisplayChoice, OffscreenOnlyForUnattendedProgramsWithoutDisplay) {
  struct Case {
    std::map<std::string, std::string> env;
    Attended attended;
    DisplayChoice expected;
  } cases[] = {
      {{{"DISPLAY", ":0"}}, Attended::kPerson, DisplayChoice::kAsSet},
      {{{"WAYLAND_DISPLAY", "wayland-0"}}, Attended::kPerson, DisplayChoice::kAsSet},
      {{{"QT_QPA_PLATFORM", "offscreen"}}, Attended::kPerson, DisplayChoice::kAsSet},
      {{{"QT_QPA_PLATFORM", "xcb"}}, Attended::kUnattended, DisplayChoice::kAsSet},
      {{}, Attended::kUnattended, DisplayChoice::kOffscreen},
      {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, Attended::kUnattended, DisplayChoice::kOffscreen},
      {{}, Attended::kPerson, DisplayChoice::kNone},
      {{{"DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}, Attended::kPerson, DisplayChoice::kNone},
  };
  for (const Case& c : cases) {
    auto env = [&](const char* name) -> const char* {
      auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(plat::ChooseDisplay(c.attended, env), c.expected)
        << c.env.size() << " variables, unattended " << (c.attended == Attended::kUnattended);
  }
}

TEST(DisplayChoice, WindowsAreSeenOnlyOnADisplayQtDrawsOn) {
  struct Case {
    std::map<std::string, std::string> env;
    bool seen;
  } cases[] = {
      {{{"DISPLAY", ":0"}}, true},
      {{{"WAYLAND_DISPLAY", "wayland-0"}}, true},
      {{{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "xcb"}}, true},
      {{}, false},
      {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, false},
      {{{"QT_QPA_PLATFORM", "offscreen"}}, false},
      {{{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "offscreen"}}, false},
      {{{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "minimal:enable_fonts"}}, false},
      {{{"QT_QPA_PLATFORM", "offscreen"}, {"PLAT_SCRIPT", "/tmp/steps"}}, true},
      {{{"PLAT_SCRIPT", ""}}, false},
  };
  for (const Case& c : cases) {
    auto env = [&](const char* name) -> const char* {
      auto it = c.env.find(name);
      return it == c.env.end() ? nullptr : it->second.c_str();
    };
    std::string variables;
    for (const auto& [name, value] : c.env) variables += name + "=" + value + " ";
    EXPECT_EQ(plat::WindowsAreSeen(env), c.seen) << variables;
  }
}

}  // namespace
