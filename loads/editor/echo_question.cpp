#include "loads/editor/echo_question.h"

#include "common/position/position_lock.h"
#include "common/settings_files.h"
#include "loads/echo/rebuild_from_echo.h"
#include "loads/editor/change_test.h"
#include "loads/editor/load_case_commands.h"
#include "loads/manage/check_load_echo_file.h"
#include "loads/manage/locked_store.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/window/cursor.h"

namespace pundf {
namespace {

void Show(const common::Result& message) { plat::MessageBox(message.text(), message.caption(), plat::MB_OK); }

void WriteTimeMark(const common::Position& position) {
  const std::string path = position.FolderFile("TIMELW");
  if (!common::WriteInt32File(path, 0)) Show(common::Result::Fail("The file " + path + " cannot be written.", "Error"));
}

}  // namespace

bool AskForLoadEcho(EditorSession& session) {
  if (!session.first_draw || session.rebuild) return false;
  session.first_draw = false;
  LoadModel& model = session.model;
  const common::Position& position = model.position;
  if (plat::FileExists(position.FolderFile("TIMELW")) || !CheckLoadEchoFile(position)) return false;
  const std::string echo = position.TextFile("ECHO_L");
  const std::string name = "ECHO_L" + position.ext() + ".TXT";
  const bool yes = plat::MessageBox("Read load case data from file " + name + "?", " ",
                                    plat::MB_YESNO | plat::MB_ICONQUESTION) == plat::IDYES;
  common::PositionLock lock;
  if (common::Result held = common::HoldPositionLock(lock, position, kEditorLockWait); !held) {
    // Asked again at the next start: TIMELW is not written.
    Show(held);
    return false;
  }
  if (yes) {
    {
      plat::WaitCursor wait;
      for (const common::Result& message : RebuildAllLoadCases(model)) Show(message);
    }
    model.editor.new_case = false;
    TakeSavedCopy(session);
    picture::ForgetLabelPlaces(model.editor.labels);
    session.title = LoadCaseTitle(session);
    return true;
  }
  // The master copy of every load case stays, under another name; the next store writes the echo
  // text anew from the stored load cases.
  const std::string kept = position.File("ECHO_L") + ".BAK";
  if (!plat::RenameFile(echo, kept)) {
    Show(common::Result::Fail("The file " + echo + " cannot be renamed to " + kept + ".", "Error"));
    return false;
  }
  WriteTimeMark(position);
  return false;
}

}  // namespace pundf
