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
};

}  // namespace zedir
