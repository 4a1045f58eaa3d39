#pragma once
// How a program meets a machine without a display: one that works unattended draws offscreen, one
// that needs a person says so and ends.
#include <functional>
#include <string>

namespace plat {

enum class Attended {
  kPerson,      // needs a person at a screen
  kUnattended,  // can do its work alone (the solver, the load rebuild)
};

enum class DisplayChoice {
  kAsSet,      // a display, or a Qt platform chosen by the caller
  kOffscreen,  // no display: Qt's offscreen platform
  kNone,       // no display and a person needed: the program cannot start
};

// The choice for a program from its environment (`env` gives a variable, nullptr when unset); an
// empty variable counts as unset.
DisplayChoice ChooseDisplay(Attended attended, const std::function<const char*(const char*)>& env);

// The message of a program that needs a person on a machine without a display.
inline constexpr const char* kNoDisplayMessage = "No display: set DISPLAY or run with QT_QPA_PLATFORM=offscreen";

// Whether windows made by this process would be seen: a display is there (DISPLAY or
// WAYLAND_DISPLAY) and Qt is not told to draw offscreen (QT_QPA_PLATFORM "offscreen" or
// "minimal", with or without options). A run under PLAT_SCRIPT counts as seen: its steps act on
// the windows. A program whose windows nobody would see and that shows nothing but message boxes
// runs without the window system: no application object, no platform plug-in, no fonts; its boxes
// go to the PLAT_MESSAGES file or, without one, to stderr with their default answers.
bool WindowsAreSeen(const std::function<const char*(const char*)>& env);
bool WindowsAreSeen();

// Applies ChooseDisplay to this process before Qt starts: sets QT_QPA_PLATFORM for kOffscreen;
// for kNone writes kNoDisplayMessage to stderr and ends the program with code 1.
void PrepareDisplay(Attended attended);

}  // namespace plat
