#pragma once
// What a run tells the window that watches it. Every call is synchronous; the
// defaults do nothing, so a run without a window (tests, benchmarks) passes a
// plain RunNotifier.
#include <string>

namespace zedir {

class RunNotifier {
 public:
  virtual ~RunNotifier() = default;

  // A new status text: the title of a pass, a progress text.
  virtual void StatusText(const std::string& text) { (void)text; }
  // Whether the stiffness matrix file MATRIX exists, once per pass.
  virtual void MatrixFile(bool present) { (void)present; }
  // Column `column` of `columns` of the settlement system is eliminated.
  virtual void SettlementColumn(int column, int columns) {
    (void)column;
    (void)columns;
  }
  // The run waits for another program to let its position go (true), or has
  // taken the position after such a wait (false).
  virtual void LockWait(bool waiting) { (void)waiting; }
  // A message the user must see while the run goes on.
  virtual void Message(const std::string& text, const std::string& caption) {
    (void)text;
    (void)caption;
  }
};

}  // namespace zedir
