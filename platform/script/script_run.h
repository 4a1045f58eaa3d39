#pragma once
// Unattended runs: with PLAT_SCRIPT=<folder> a program named NAME runs the
// steps of <folder>/NAME.script (menu choices, keys, clicks, dialog fields,
// snapshots) through the acts of plat::testing, logs each step and its
// outcome to <folder>/NAME.log, and ends with exit code 96 when a step cannot
// be done, or 97 when it waits for a person after its last step
// (PLAT_SCRIPT_IDLE_S seconds, 30 by default).
//
// One step a line, each when the program is idle; "#" starts a comment. Texts
// at a line's end (paths, typed text) may hold blanks. The script is UTF-8.
//   menu File/Store           a menu-bar or ribbon path by its texts ("&" left out)
//   command 32771             WM_COMMAND to the main frame (refused when disabled)
//   key Ctrl+S | key Num+     a key stroke; keydown K / keyup K hold a key across steps
//   type 12.5                 characters, key by key, where the focus is
//   wheel -120 [Ctrl|Shift|Alt]
//   click X Y [right|middle|x1|x2|double] [Ctrl|Shift]    in the active view
//   drag X1 Y1 X2 Y2          with the left button, in the active view
//   set ID text | check ID 0|1 | choose ID INDEX | press ID | click-in ID X Y [right|double]
//                             in the dialog now active
//   file PATH | folder PATH | cancel    the answer of the common dialog just opened
//   view-size W H             the main frame sized so that the active view is W x H
//   snapshot FILE.png         the active top-level window (relative: in the script folder)
//   wait MS | close
#include <memory>

namespace plat {

// Exit codes of a scripted run.
inline constexpr int kScriptStepFailed = 96;
inline constexpr int kScriptWaitsForPerson = 97;

// The run of a script while it is alive (the application object holds it).
class ScriptRun {
 public:
  virtual ~ScriptRun() = default;
};

// The script run of this program when PLAT_SCRIPT is set, else nullptr.
// `argv0` names the program (the file name of its executable). Needs the
// window system's application object.
std::unique_ptr<ScriptRun> StartScriptRun(const char* argv0);

// True while a script run is alive: its watchdog, not a modal loop's own,
// decides when the program waits for a person.
bool ScriptRunning();

// Message boxes go to the PLAT_MESSAGES file and no PLAT_SCRIPT plays the
// person: a window that waits for a person would wait for nobody.
bool NobodyPlaysThePerson();

// While a program waits for a child it started (a waited start whose windows
// stay painted and disabled), the script's next step and its watchdog wait
// too. Pauses nest; each PauseScript is matched by one ResumeScript.
void PauseScript();
void ResumeScript();
// True while a waited start pauses the script.
bool ScriptPaused();

// Pauses the script for its lifetime.
class ScriptPauseScope {
 public:
  ScriptPauseScope() { PauseScript(); }
  ~ScriptPauseScope() { ResumeScript(); }
  ScriptPauseScope(const ScriptPauseScope&) = delete;
  ScriptPauseScope& operator=(const ScriptPauseScope&) = delete;
};

}  // namespace plat
