#pragma once
// The application object of a program: Qt underneath, numbers in the "C" locale.
#include <memory>
#include <string>

#include "platform/display_choice.h"

namespace plat {

class Application {
 public:
  // Creates the Qt application; afterwards LC_NUMERIC is "C" again. Without a display an
  // unattended program draws offscreen and one that needs a person ends (PrepareDisplay).
  Application(int& argc, char** argv, Attended attended = Attended::kPerson);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Runs the event loop until the program quits; its exit code.
  int Exec();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The locale a program has without the application object: the user's, numbers in "C" (what
// Qt sets up and the application object then mends), for programs that start no window system.
void UseProgramLocale();

// The command-line text a Windows program received: argv[1..] joined with single blanks.
std::string CommandLineText(int argc, char** argv);

// Ends the program with a code (-1 becomes 255). Tests catch it through
// plat::testing::ExitCatcher instead of losing the test process.
[[noreturn]] void ExitProgram(int code);

}  // namespace plat
