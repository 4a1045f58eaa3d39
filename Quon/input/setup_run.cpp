#include "Quon/input/setup_run.h"

#include "Quon/input/find_position.h"
#include "Quon/input/read_load_case.h"
#include "Quon/input/read_model.h"
#include "Quon/input/read_parameters.h"
#include "Quon/job/choose_entry.h"
#include "Quon/run/messages.h"
#include "Quon/run/require_file.h"
#include "common/position/file_names.h"
#include "common/position/output_list.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace zedir {
namespace {

// The label of the next listing page: "D%d" of LASTD plus 1 (LASTD 0 when missing).
void ReadPageLabel(Run& run) {
  const common::PageCount last = common::ReadPageCounter(run.position);
  run.page_label = common::PageLabel((last.status.ok() ? last.value : 0) + 1);
}

common::Result ReadDiary(Run& run) {
  const std::string path = run.position.File(common::file_names::kDiary);
  if (common::Result missing = RequireFile(path); !missing) return Abandon(run, missing);
  auto read = common::ReadBlockRecord<common::LoadCaseDiary>(path);
  if (read.status.missing()) return Abandon(run, FileMissing(path));
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return Abandon(run, damaged);
  run.diary = read.record;
  return common::Result::Ok();
}

// Only a completed Store of the frame writes GEOMETRY 1; any other value (or
// none) means the model files hold a frame whose inverse may be another's.
common::Result RequireStoredGeometry(Run& run) {
  const auto marker = common::ReadInt32File(run.position.File(common::file_names::kGeometryMarker));
  if (marker && *marker == 1) return common::Result::Ok();
  return Abandon(run, common::Result::Fail("The frame of position " + run.position_name +
                                               " is not stored and checked. Open the program Frame and click on Store!",
                                           kFailureCaption));
}

void NoteStiffnessMatrix(Run& run, RunNotifier& notifier) {
  run.matrix_present = plat::FileExists(run.position.File(kStiffnessMatrixFile));
  run.params.set_matrix_present_flag(run.matrix_present ? 1 : 0);
  run.params.set_matrix_missing_flag(run.matrix_present ? 0 : 1);
  notifier.MatrixFile(run.matrix_present);
}

}  // namespace

common::Result SetupRun(Run& run, const common::SettingsContext& settings, RunNotifier& notifier) {
  if (common::Result failed = FindPosition(run, settings); !failed) return failed;
  if (common::Result failed = RequireStoredGeometry(run); !failed) return failed;
  if (common::Result failed = ChooseJobEntry(run); !failed) return failed;
  ReadPageLabel(run);
  if (common::Result failed = ReadParameters(run, notifier); !failed) return failed;
  if (common::Result failed = ReadDiary(run); !failed) return failed;
  NoteStiffnessMatrix(run, notifier);
  if (common::Result failed = ReadModelFiles(run); !failed) return failed;
  run.params.Clear(44, 4);  // cleared in memory once PARAMR is stored
  return ReadLoadCaseFiles(run);
}

}  // namespace zedir
