#pragma once
// The solver program ZEDIR as a whole: no command line; its work comes from
// the settings folder (EXTR, DPATH) and the position folder (the job BATCH).
namespace zedir {

class CQuonApp {
 public:
  // Runs the dialog modally while its worker computes the job and returns the
  // program's exit code: 0, or -1 (255) after a failure, shown to the user
  // before. Needs the application object.
  int InitInstance();
  // The same run where no window would be seen: the job computed on this
  // thread without the window system, its messages and failures in message
  // boxes (the PLAT_MESSAGES file, else stderr); the same files, the same
  // exit code.
  int RunWithoutWindow();
};

// ZEDIR's start: the dialog where windows are seen (plat::WindowsAreSeen),
// else the run without a window.
int RunZedir(int argc, char** argv);

}  // namespace zedir
