#include "loads/editor/save_sequence.h"

#include "common/position/position.h"
#include "loads/editor/change_test.h"
#include "loads/editor/dia_store.h"
#include "loads/editor/replace_question.h"
#include "loads/manage/locked_store.h"
#include "loads/model/diary.h"
#include "platform/message_box.h"
#include "platform/window/cursor.h"

namespace pundf {
namespace {

void Show(const common::Result& message) { plat::MessageBox(message.text(), message.caption(), plat::MB_OK); }

}  // namespace

Quit SaveLoadCase(EditorSession& session, plat::Window* owner) {
  LoadModel& model = session.model;
  common::LoadCaseParams& params = model.load_case.params;
  const int shown = model.load_case.number() == 0 ? 1 : model.load_case.number();
  CDiaStore dialog(shown, params.title(), owner);
  const int choice = dialog.DoModal();
  if (choice != plat::IDOK && choice != CDiaStore::kOkAndEnd) return std::nullopt;
  // Another stored load case is replaced only when the person says so.
  if (dialog.number() != model.load_case.number() && FindInDiary(model.diary, dialog.number()) != 0 &&
      !AskToReplace(dialog.number())) {
    return std::nullopt;
  }

  const common::LoadCaseParams before = params;
  params.set_load_case(static_cast<std::int16_t>(dialog.number()));
  params.set_origin(1);
  params.set_title(dialog.title());
  params.set_load_case_text(common::CurrentLoadCaseText(dialog.number()));
  LockedStoreReport stored;
  {
    plat::WaitCursor wait;
    stored = StoreLoadCaseLocked(model, true);
  }
  if (!stored.stored()) {
    // The typed load case stays in memory as it was.
    params = before;
    Show(stored.refused);
    return std::nullopt;
  }
  for (const common::Result& message : stored.messages) Show(message);
  model.editor.new_case = false;
  TakeSavedCopy(session);
  picture::ClearPickMarks(model.editor.labels);
  session.title = LoadCaseTitle(session);

  if (!stored.solver.ok()) Show(stored.solver.message());
  if (stored.solver.ends_program()) return stored.solver.exit_code();
  if (choice == CDiaStore::kOkAndEnd) return 1;
  return std::nullopt;
}

void WriteEditorSettings(const EditorSession& session) {
  if (const common::Result written = WriteLoadEditorSettings(session.model.settings, session.settings); !written) {
    Show(written);
  }
}

Quit EndEditor(EditorSession& session, plat::Window* owner) {
  const ChangeAnswer answer = AskToSave(session, owner, true);
  if (answer.cancelled) return std::nullopt;
  if (answer.quit && *answer.quit != 1) return answer.quit;
  WriteEditorSettings(session);
  return 1;
}

}  // namespace pundf
