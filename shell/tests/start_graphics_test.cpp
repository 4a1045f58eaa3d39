#include "shell/programs/start_graphics.h"

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "platform/process.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::PutFile;

class StartGraphicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.data_path = plat::testing::TestFolder() + "d/x/";
    state_.position_name = "Bridge";
    state_.position_ext = ".Bridge";
    state_.position_folder = state_.data_path + "SDIRBridge/";
  }
  std::string Geometry() const { return state_.position_folder + "GEOMETRY.Bridge"; }

  ShellState state_;
  plat::testing::MessageBoxScript boxes_;
  plat::testing::ProcessRecorder starts_;
};

TEST_F(StartGraphicsTest, AStoredFrameStartsTheViewer) {
  PutFile(Geometry(), std::string("\x01\x00\x00\x00", 4));
  EXPECT_TRUE(StartGraphics(state_));
  ASSERT_EQ(starts_.calls().size(), 1u);
  const auto& call = starts_.calls()[0];
  EXPECT_EQ(call.kind, plat::hooks::ProcessCall::Kind::kStartDetached);
  EXPECT_EQ(call.program, plat::SiblingProgram("REVUZAVI"));
  EXPECT_EQ(call.args, (std::vector<std::string>{".Bridge", "@" + state_.data_path}));
  EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(StartGraphicsTest, WithoutAStoredFrameNothingStarts) {
  const std::optional<std::string> geometry[] = {std::nullopt, std::string(4, '\0'), std::string("\x01", 1)};
  for (const auto& bytes : geometry) {
    plat::RemoveFile(Geometry());
    if (bytes) {
      PutFile(Geometry(), *bytes);
    }
    EXPECT_FALSE(StartGraphics(state_));
  }
  EXPECT_TRUE(starts_.calls().empty());
  ASSERT_EQ(boxes_.shown().size(), 3u);
  for (const auto& box : boxes_.shown()) EXPECT_EQ(box.text, "Frame data are missing.");
}

TEST_F(StartGraphicsTest, AFailedStartShowsTheSystemText) {
  PutFile(Geometry(), std::string("\x01\x00\x00\x00", 4));
  starts_.FailNext("No such file or directory");
  EXPECT_FALSE(StartGraphics(state_));
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_EQ(boxes_.shown()[0].text, "No such file or directory");
  EXPECT_EQ(boxes_.shown()[0].caption, "REVUZAVI.EXE");
  EXPECT_EQ(boxes_.shown()[0].flags, plat::MB_OK | plat::MB_ICONINFORMATION);
}

}  // namespace
}  // namespace quentaris
