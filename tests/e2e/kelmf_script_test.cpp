// KELMF run unattended by a script: elements drawn with the mouse on a stored
// position and stored; the ways of ending it from the keyboard.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"

namespace {

std::string ReadBytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return "<missing " + path + ">";
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

// BEAM2 stored by store-position under the test's data folder.
common::Position StoredBeam() {
  common::Position position(plat::testing::TestFolder() + "data/", ".BEAM2");
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  const std::string echo = ReadBytes(plat::testing::BinFolder() + "EXAMPLES/ECHO_G.BEAM2.TXT");
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_G"), echo.data(), echo.size()));
  const auto stored = plat::testing::RunProgram("store-position", {position.data_path(), position.name()});
  EXPECT_EQ(stored.exit_code, 0) << stored.start_error << stored.messages;
  return position;
}

plat::testing::ScriptedProgramRun RunKelmf(const common::Position& position, const std::string& script) {
  return plat::testing::RunScript(plat::testing::BinFolder() + "KELMF", {position.ext(), "@" + position.data_path()},
                                  script, {{"PLAT_SCRIPT_IDLE_S", "10"}});
}

TEST(KelmfScript, ElementsDrawnWithTheMouseAreStored) {
  const common::Position position = StoredBeam();
  const std::string supports_before = ReadBytes(position.File("LKNOTENR"));
  const auto run = RunKelmf(position,
                            "view-size 1000 800\n"
                            "command 32776\n"
                            "click 500 437\n"
                            "click 500 212\n"
                            "click 800 212\n"
                            "click 800 212 right\n"
                            "command 57603\n");
  ASSERT_EQ(run.exit_code, 1) << run.log_text() << run.messages;
  const std::string echo = ReadBytes(position.TextFile("ECHO_G"));
  EXPECT_NE(echo.find("ELEMENTS\r\n4\r\n"), std::string::npos) << echo;
  EXPECT_NE(echo.find("\r\n3 6.00 0.00 6.00 3.00 0 0 1 1 1 1\r\n"), std::string::npos) << echo;
  EXPECT_NE(echo.find("\r\n4 6.00 3.00 10.00 3.00 0 0 1 1 1 1\r\n"), std::string::npos) << echo;
  EXPECT_NE(echo.find("SUPPORTS\r\n3\r\n1 1.000000 1.000000 0.000000\r\n2 0.000000 1.000000 0.000000\r\n"
                      "3 0.000000 1.000000 0.000000\r\n"),
            std::string::npos)
      << echo;
  EXPECT_EQ(ReadBytes(position.File("LKNOTENR")), supports_before);
  const std::string params = ReadBytes(position.File("PARAMR"));
  ASSERT_EQ(params.size(), 744u);
  std::int16_t equations = 0;
  std::memcpy(&equations, params.data() + 38, 2);
  EXPECT_EQ(equations, 15);
  EXPECT_EQ(plat::FileSize(position.File("INVERSE")), 1800);
  EXPECT_EQ(ReadBytes(position.File("GEOMETRY")), std::string("\x01\x00\x00\x00", 4));
}

TEST(KelmfScript, TwoEscapesOrTheKeyXEndTheEditor) {
  const common::Position position = StoredBeam();
  for (const std::string script : {"key Escape\nkey Escape\n", "type x\n"}) {
    const auto run = RunKelmf(position, script);
    EXPECT_EQ(run.exit_code, 1) << script << run.log_text() << run.messages;
  }
}

}  // namespace

namespace {

// A new position T1 typed into the tables of the Input panel and stored.
TEST(KelmfScript, AFrameTypedIntoTheTablesIsStored) {
  common::Position position(plat::testing::TestFolder() + "data/", ".T1");
  ASSERT_TRUE(common::EnsurePositionFolder(position));
  const auto run = RunKelmf(position,
                            "command 32817\n"
                            "press 312\n"
                            "type 0\nkey Return\ntype 0\nkey Return\ntype 4\nkey Return\ntype 0\nkey Return\n"
                            "key Return\nkey Return\nkey Return\nkey Return\n"
                            "type 4\nkey Return\ntype 3\nkey Return\n"
                            "press 1002\n"
                            "press 313\n"
                            "key Right\nkey Right\n"
                            "type 1\nkey Return\ntype 1\nkey Return\ntype 1\nkey Return\n"
                            "press 1002\n"
                            "command 57603\n");
  ASSERT_EQ(run.exit_code, 1) << run.log_text() << run.messages;
  const std::string echo = ReadBytes(position.TextFile("ECHO_G"));
  EXPECT_NE(echo.find("\r\n1 0.00 0.00 4.00 0.00 0 0 1 1 1 1\r\n"), std::string::npos) << echo;
  EXPECT_NE(echo.find("\r\n2 4.00 0.00 4.00 3.00 0 0 1 1 1 1\r\n"), std::string::npos) << echo;
  EXPECT_NE(echo.find("SUPPORTS\r\n1\r\n1 1.000000 1.000000 1.000000\r\n"), std::string::npos) << echo;
  const std::string params = ReadBytes(position.File("PARAMR"));
  ASSERT_EQ(params.size(), 744u);
  auto int16_at = [&](std::size_t at) {
    std::int16_t v = 0;
    std::memcpy(&v, params.data() + at, 2);
    return v;
  };
  EXPECT_EQ(int16_at(38), 9);
  EXPECT_EQ(int16_at(128), 2);
  EXPECT_EQ(int16_at(130), 3);
  EXPECT_EQ(int16_at(702), 1);
  float base = 0.0f;
  std::memcpy(&base, params.data() + 704, 4);
  EXPECT_FLOAT_EQ(base, 2136000.0f);
  EXPECT_EQ(plat::FileSize(position.File("INVERSE")), 648);
  EXPECT_EQ(ReadBytes(position.File("GEOMETRY")), std::string("\x01\x00\x00\x00", 4));
}

}  // namespace
