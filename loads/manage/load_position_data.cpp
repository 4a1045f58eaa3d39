#include "loads/manage/load_position_data.h"

#include "common/position/file_names.h"
#include "loads/manage/editor_settings.h"
#include "loads/manage/reset_load_case.h"
#include "loads/model/diary.h"
#include "loads/model/read_geometry.h"
#include "loads/model/read_load_case.h"
#include "platform/files.h"

namespace pundf {

ReadOutcome LoadPositionData(LoadModel& model, const StartRequest& request) {
  model.position = common::Position(request.data_path, request.ext);
  model.settings = common::SettingsContext::Discover();

  auto diary = ReadDiary(model.position);
  if (!diary) return ReadOutcome::Fatal(diary.failure(), -1);
  model.diary = *diary;
  const int number = request.rebuild ? 0 : common::LoadCaseToShow(model.diary, request.load_case);
  model.editor.pen_width = ReadPenWidth(model.settings);

  if (auto read = ReadGeometry(model); !read.ok()) return read;

  ReadOutcome outcome = ReadOutcome::Ok();
  model.editor.new_case = number == 0;
  model.load_case = EmptyLoadCase(model.geometry, number == 0 ? 1 : number);
  if (number == 0) {
    ResetLoadCase(model);
  } else if (plat::FileExists(model.position.LoadCaseFile(common::file_names::kLoadCaseParams, number))) {
    outcome = ReadLoadCase(model, number);
    if (outcome.ends_program()) return outcome;
  }
  model.editor.saved = model.load_case.params;
  return outcome;
}

}  // namespace pundf
