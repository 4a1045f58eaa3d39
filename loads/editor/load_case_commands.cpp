#include "loads/editor/load_case_commands.h"

#include <cstdio>

#include "common/position/file_names.h"
#include "common/position/position_lock.h"
#include "loads/dialogs/dia_lf.h"
#include "loads/dialogs/dia_nr_lf.h"
#include "loads/editor/change_test.h"
#include "loads/editor/save_sequence.h"
#include "loads/manage/delete_load_cases.h"
#include "loads/manage/locked_store.h"
#include "loads/manage/reset_load_case.h"
#include "loads/model/diary.h"
#include "loads/model/read_load_case.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/window/cursor.h"

namespace pundf {
namespace {

std::string Format(const char* format, const std::string& name, int number) {
  char text[400];
  std::snprintf(text, sizeof text, format, name.c_str(), number);
  return text;
}

// The number `number` becomes current without loads.
void EmptyCase(EditorSession& session, int number) {
  LoadModel& model = session.model;
  model.load_case = EmptyLoadCase(model.geometry, number);
  ResetLoadCase(model);
  picture::ForgetLabelPlaces(model.editor.labels);
}

// Load case `number` read from its files, or empty when it has none; false
// when it is not defined (or does not read).
bool OpenCase(EditorSession& session, int number) {
  LoadModel& model = session.model;
  if (plat::FileExists(model.position.LoadCaseFile(common::file_names::kLoadCaseParams, number))) {
    picture::ForgetLabelPlaces(model.editor.labels);
    const ReadOutcome read = ReadLoadCase(model, number);
    if (read.ok()) {
      model.editor.new_case = false;
      TakeSavedCopy(session);
      return true;
    }
    plat::MessageBox(read.message().text(), read.message().caption(), plat::MB_OK);
  }
  EmptyCase(session, number);
  model.editor.new_case = false;
  TakeSavedCopy(session);
  return false;
}

}  // namespace

std::string LoadCaseTitle(const EditorSession& session) {
  const std::string name = session.model.position.name();
  if (session.model.editor.new_case) return "Position " + name + "  LC NEW";
  return Format("Position %s  LC %i", name, session.model.load_case.number());
}

std::optional<int> NewLoadCaseNumber(const common::LoadCaseDiary& diary) {
  if (!diary.has_valid_count()) return std::nullopt;
  const int count = diary.count();
  if (count >= common::LoadCaseDiary::kMaxEntries) return std::nullopt;
  int largest = 0;
  for (int k = 1; k <= count; ++k) largest = std::max<int>(largest, diary.load_case(k));
  if (largest < common::LoadCaseDiary::kMaxEntries) return largest + 1;
  for (int n = 1; n <= common::LoadCaseDiary::kMaxEntries; ++n) {
    if (FindInDiary(diary, n) == 0) return n;
  }
  return std::nullopt;
}

ChangeAnswer AskToSave(EditorSession& session, plat::Window* owner, bool with_cancel) {
  if (!LoadCaseChanged(session)) return {};
  const int answer =
      with_cancel ? plat::MessageBox("Save the input?", "Save ?", plat::MB_YESNOCANCEL | plat::MB_ICONQUESTION)
                  : plat::MessageBox("Save load case?", "Save ?", plat::MB_YESNO | plat::MB_ICONQUESTION);
  if (answer == plat::IDCANCEL) return {std::nullopt, true};
  if (answer == plat::IDYES) return {SaveLoadCase(session, owner), false};
  return {};
}

Quit NewLoadCase(EditorSession& session, plat::Window* owner) {
  if (Quit quit = AskToSave(session, owner, false).quit) return quit;
  const auto number = NewLoadCaseNumber(session.model.diary);
  if (!number) {
    plat::MessageBox("The diary holds 99 load cases: delete one before a new load case.", "New load case",
                     plat::MB_OK | plat::MB_ICONEXCLAMATION);
    return std::nullopt;
  }
  EmptyCase(session, *number);
  session.model.editor.new_case = true;
  session.display.frame_switch = false;
  TakeSavedCopy(session);
  session.title = LoadCaseTitle(session);
  return std::nullopt;
}

Quit StepLoadCase(EditorSession& session, plat::Window* owner, bool up) {
  if (Quit quit = AskToSave(session, owner, false).quit) return quit;
  const common::LoadCaseDiary& diary = session.model.diary;
  if (!diary.has_valid_count() || diary.count() == 0) return std::nullopt;
  const int count = diary.count();
  const int at = FindInDiary(diary, session.model.load_case.number());
  int next = 0;
  if (up) {
    next = at == 0 ? 1 : (at < count ? at + 1 : 0);
  } else {
    next = at > 1 ? at - 1 : 0;
  }
  if (next == 0) return std::nullopt;
  const int number = diary.load_case(next);
  session.display.frame_switch = false;
  const std::string name = session.model.position.name();
  if (OpenCase(session, number)) {
    session.title = LoadCaseTitle(session);
  } else {
    session.title = Format(up ? "Position %s  Load case %i is not defined."
                              : "Position %s  A load case %i is not defined.",
                           name, number);
  }
  return std::nullopt;
}

Quit OpenLoadCase(EditorSession& session, plat::Window* owner) {
  if (Quit quit = AskToSave(session, owner, false).quit) return quit;
  LoadModel& model = session.model;
  const int current = model.load_case.number() == 0 ? 1 : model.load_case.number();
  CDiaNrLF dialog(model.diary, current, owner);
  if (dialog.DoModal() != plat::IDOK) return std::nullopt;
  const int number = dialog.chosen();
  if (plat::FileExists(model.position.LoadCaseFile(common::file_names::kLoadCaseParams, number))) {
    OpenCase(session, number);
  } else {
    model.load_case.params.set_load_case(static_cast<std::int16_t>(number));
    model.load_case.params.set_load_case_text(common::CurrentLoadCaseText(number));
  }
  session.title = LoadCaseTitle(session);
  return std::nullopt;
}

void DeleteChosenLoadCases(EditorSession& session, plat::Window* owner) {
  LoadModel& model = session.model;
  const std::string lcdel = model.position.File("LCDEL");
  // Marks left by an earlier run would delete what nobody chose now.
  plat::RemoveFile(lcdel);
  CDiaLF dialog(model.diary, lcdel, owner);
  if (dialog.DoModal() != plat::IDOK) return;
  std::vector<common::Result> messages;
  {
    common::PositionLock lock;
    if (common::Result held = common::HoldPositionLock(lock, model.position, kEditorLockWait); !held) {
      plat::RemoveFile(lcdel);
      plat::MessageBox(held.text(), held.caption(), plat::MB_OK);
      return;
    }
    plat::WaitCursor wait;
    messages = DeleteLoadCases(model);
  }
  for (const common::Result& m : messages) plat::MessageBox(m.text(), m.caption(), plat::MB_OK);
  if (FindInDiary(model.diary, model.load_case.number()) != 0) return;
  if (model.diary.has_valid_count() && model.diary.count() > 0) {
    OpenCase(session, model.diary.load_case(1));
  } else {
    EmptyCase(session, 1);
    model.editor.new_case = true;
    TakeSavedCopy(session);
  }
  session.title = LoadCaseTitle(session);
}

}  // namespace pundf
