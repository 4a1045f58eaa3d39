#pragma once
// The load editor's commands that change which load case is edited: New and
// the steps Up and Down through the diary, and the window's title for it.
#include <optional>
#include <string>

#include "common/records/load_case_diary.h"
#include "loads/editor/editor_session.h"
#include "platform/window/window.h"

namespace pundf {

// "Position NAME  LC n", or "Position NAME  LC NEW" for a load case not yet stored.
std::string LoadCaseTitle(const EditorSession& session);

// The number of a new load case: one above the largest stored, past 99 the
// smallest free one; nullopt when the diary holds 99 load cases (or cannot be trusted).
std::optional<int> NewLoadCaseNumber(const common::LoadCaseDiary& diary);

// A command's end of the program: its exit code, or nullopt to go on.
using Quit = std::optional<int>;

// The change test: when the load case changed, `question` (caption "Save ?" for
// Yes/No/Cancel, else none) and Yes runs the save sequence. Cancelled is true
// when the person chose Cancel.
struct ChangeAnswer {
  Quit quit;
  bool cancelled = false;
};
ChangeAnswer AskToSave(EditorSession& session, plat::Window* owner, bool with_cancel);

// New (Ctrl+N): the change test, then an empty load case under a new number,
// marked new; a full diary is said and nothing changes.
Quit NewLoadCase(EditorSession& session, plat::Window* owner);

// Up and Down: the change test, then the next (previous) load case of the
// diary; a number without its PL shows empty with the title "... is not defined.".
Quit StepLoadCase(EditorSession& session, plat::Window* owner, bool up);

// Open: the change test, then "Enter LC number"; a number with its PL file is
// read, one without becomes the number of the loads shown.
Quit OpenLoadCase(EditorSession& session, plat::Window* owner);

// Delete: the load cases chosen in "Load cases" deleted; when the one shown is
// gone, the diary's first is opened (an empty diary: a new load case 1).
void DeleteChosenLoadCases(EditorSession& session, plat::Window* owner);

}  // namespace pundf
