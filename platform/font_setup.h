#pragma once
// The font configuration of the system (fontconfig: its configuration files and font caches),
// read once at a program's start on a thread of its own while the window system connects, so
// that the first text drawn does not wait for it.
#include <thread>

namespace plat {

// Starts reading it; join the thread before the first text is measured or drawn (the window
// system would otherwise read it a second time beside it).
std::jthread StartFontSetup();

}  // namespace plat
