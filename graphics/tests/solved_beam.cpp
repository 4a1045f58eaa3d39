#include "graphics/tests/solved_beam.h"

#include <gtest/gtest.h>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "graphics/tests/computed_example.h"

namespace revuzavi::testing {

ViewerState SolvedBeam(zedir::testing::SolverFixture& f, const zedir::testing::LoadCaseFiles& files) {
  const common::Result solved = f.SolveWithResults(files);
  EXPECT_TRUE(solved.ok()) << solved.text();
  common::LoadCaseDiary diary;
  diary.set_count(1);
  diary.set_load_case(1, 1);
  EXPECT_TRUE(common::WriteBlockRecord(f.pos.File(common::file_names::kDiary), diary));
  return ViewerOn(f.pos.position(), 1);
}

zedir::testing::LoadCaseFiles UniformLoad(const zedir::testing::SolverFixture& f, float q) {
  zedir::testing::LoadCaseFiles files;
  files.line_loads.Append(zedir::testing::StoredLineLoad(f.model, 1, 'Y', q, q));
  return files;
}

}  // namespace revuzavi::testing
