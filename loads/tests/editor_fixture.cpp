#include "loads/tests/editor_fixture.h"

#include <gtest/gtest.h>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "tests/support/position_road.h"

namespace pundf::testing {

common::Position ExampleWithLoadCases(const std::string& name) {
  const common::Position position(plat::testing::TestFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* kind : {"ECHO_G", "ECHO_L"}) {
    const std::string echo = plat::testing::SourceFolder() + "examples/" + kind + "." + name + ".TXT";
    EXPECT_TRUE(plat::CopyFile(echo, position.TextFile(kind), true)) << echo;
  }
  const common::Result stored = support::StoreGeometry(position);
  EXPECT_TRUE(stored.ok()) << stored.text();
  const auto rebuilt = plat::testing::RunProgram("PUNDF", {position.ext(), "@" + position.data_path(), "@G"});
  EXPECT_EQ(rebuilt.exit_code, 0) << rebuilt.start_error;
  EXPECT_EQ(rebuilt.messages, "");
  return position;
}

std::string EditorCommandLine(const common::Position& position, const std::string& third) {
  return position.ext() + " @" + position.data_path() + (third.empty() ? "" : " @" + third);
}

bool OpenedEditor::Open(const std::string& command_line) {
  if (!app.Open(command_line)) return false;
  plat::testing::PumpMessages();
  return true;
}

void OpenedEditor::Command(plat::UINT id) {
  frame().SendMessage(plat::WM_COMMAND, id);
  plat::testing::PumpMessages();
}

void OpenedEditor::Key(int vk, unsigned mods) {
  plat::testing::PressKey(view(), vk, mods);
  plat::testing::PumpMessages();
}

std::string OpenedEditor::Boxes() const {
  std::string all;
  const auto& shown = dialogs.shown();
  for (std::size_t k = forgotten; k < shown.size(); ++k) {
    if (shown[k].kind == plat::testing::ShownDialog::Kind::kMessageBox) {
      all += shown[k].caption + "\t" + shown[k].text + "\n";
    }
  }
  return all;
}

std::string ReadAll(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

}  // namespace pundf::testing
