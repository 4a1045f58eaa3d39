#include "graphics/tests/viewer_fixture.h"

#include <gtest/gtest.h>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "graphics/model/read_model_files.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace revuzavi::testing {

zedir::testing::FrameModel TwoSpanBeam() {
  zedir::testing::FrameBuilder frame;
  const int a = frame.AddNode(0, 0, 1, 1);
  const int b = frame.AddNode(6, 0, 0, 1);
  const int c = frame.AddNode(12, 0, 0, 1);
  frame.AddElement(a, b);
  frame.AddElement(b, c);
  return frame.Build();
}

ViewerPosition::ViewerPosition() : pos(plat::testing::TestFolder()), model(TwoSpanBeam()) { pos.WriteModel(model); }

StartupRequest ViewerPosition::Request(int start_load_case) const {
  return StartupRequest{pos.position().data_path(), pos.position().ext(), start_load_case};
}

void ViewerPosition::WriteDiary(const std::vector<int>& load_cases) const {
  common::LoadCaseDiary diary;
  diary.set_count(static_cast<std::int16_t>(load_cases.size()));
  for (std::size_t k = 0; k < load_cases.size(); ++k) {
    diary.set_load_case(static_cast<int>(k + 1), static_cast<std::int16_t>(load_cases[k]));
  }
  common::WriteBlockRecord(pos.File(common::file_names::kDiary), diary);
}

void ViewerPosition::WriteDisplacements(int load_case, double value) const {
  std::vector<double> u(1001, value);
  u[0] = 0.0;
  plat::WriteBlock(pos.LoadCaseFile(common::file_names::kDisplacements, load_case), u.data(),
                   u.size() * sizeof(double));
}

void ViewerPosition::WriteLoadVector(int load_case, double value) const {
  std::vector<double> f(static_cast<std::size_t>(model.params.equation_count()), value);
  plat::WriteBlock(pos.position().FolderFile(std::string(common::file_names::kLoadVector) +
                                             common::CurrentLoadCaseText(load_case)),
                   f.data(), f.size() * sizeof(double));
}

ViewerState ModelRead(const ViewerPosition& p) {
  ViewerState state;
  state.position = p.pos.position();
  state.settings = common::SettingsContext::Discover();
  const common::ReadOutcome read = ReadModelFiles(state);
  EXPECT_TRUE(read.ok()) << read.message().text();
  return state;
}

}  // namespace revuzavi::testing
