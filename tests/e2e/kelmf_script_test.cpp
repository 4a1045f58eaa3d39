// KELMF run unattended by a script: elements drawn with the mouse on a stored
// position and stored; the ways of ending it from the keyboard; a position
// rebuilt from its echo text, stored, ended by the close box and printed.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "tests/e2e/e2e_positions.h"

namespace {

std::string ReadBytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return "<missing " + path + ">";
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

// A file of the test folder kept under <build>/test-artifacts for a person to look at.
void KeepArtifact(const std::string& name) {
  std::error_code ec;
  std::filesystem::create_directories(E2E_ARTIFACT_DIR, ec);
  std::filesystem::copy_file(plat::testing::TestFolder() + name, std::string(E2E_ARTIFACT_DIR) + "/kelmf-" + name,
                             std::filesystem::copy_options::overwrite_existing, ec);
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

// KELMF on the position as the shell starts it; `rebuild` adds "@G".
plat::testing::ScriptedProgramRun RunKelmf(const common::Position& position, const std::string& script,
                                           bool rebuild = false, std::map<std::string, std::string> env = {}) {
  std::vector<std::string> args{position.ext(), "@" + position.data_path()};
  if (rebuild) args.push_back("@G");
  env.emplace("PLAT_SCRIPT_IDLE_S", "10");
  return plat::testing::RunScript(plat::testing::BinFolder() + "KELMF", args, script, env);
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

// The example PORTAL in a folder that holds nothing but its echo text.
common::Position PortalEchoOnly() {
  common::Position position(plat::testing::TestFolder() + "data/", ".PORTAL");
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  const std::string echo = e2e::ExampleText("ECHO_G", "PORTAL");
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_G"), echo.data(), echo.size()));
  return position;
}

// The dark pixels of each row and each column of a snapshot, the window's border left out.
struct DarkCounts {
  std::vector<int> rows;
  std::vector<int> columns;
};

DarkCounts CountDark(const QImage& image) {
  constexpr int kBorder = 5;
  DarkCounts counts{std::vector<int>(image.height()), std::vector<int>(image.width())};
  for (int y = kBorder; y < image.height() - kBorder; ++y) {
    for (int x = kBorder; x < image.width() - kBorder; ++x) {
      if (qGray(image.pixel(x, y)) < 100) {
        ++counts.rows[y];
        ++counts.columns[x];
      }
    }
  }
  return counts;
}

int CountAtLeast(const std::vector<int>& counts, int least) {
  return static_cast<int>(std::count_if(counts.begin(), counts.end(), [least](int n) { return n >= least; }));
}

// The shell's rebuild start: "@G" makes the model files from the echo text,
// the window shows the frame, and Store checks it, writes it and ends the program.
common::Position StoredPortal() {
  const common::Position position = PortalEchoOnly();
  const auto run = RunKelmf(position, "view-size 1000 800\nsnapshot portal.png\nmenu Position/Store\n", true);
  EXPECT_EQ(run.exit_code, 1) << run.log_text() << run.messages;
  EXPECT_EQ(run.messages, "");
  KeepArtifact("portal.png");
  return position;
}

TEST(KelmfScript, APositionRebuiltFromItsEchoIsShownAndStored) {
  const common::Position position = StoredPortal();
  const QImage snapshot(QString::fromStdString(plat::testing::TestFolder() + "portal.png"));
  ASSERT_FALSE(snapshot.isNull());
  EXPECT_GE(snapshot.width(), 1000);
  EXPECT_GE(snapshot.height(), 800);
  // In the 1000 x 800 view at 150 pixels a metre: the 900-pixel beam and the two 600-pixel piers.
  const DarkCounts dark = CountDark(snapshot);
  EXPECT_EQ(CountAtLeast(dark.rows, 850), 1);
  EXPECT_EQ(CountAtLeast(dark.columns, 550), 2);
  EXPECT_EQ(ReadBytes(position.File("GEOMETRY")), std::string("\x01\x00\x00\x00", 4));
  EXPECT_EQ(plat::FileSize(position.File("INVERSE")), 1152);  // 12 equations
  const std::string params = ReadBytes(position.File("PARAMR"));
  ASSERT_EQ(params.size(), 744u);
  float support_stiffness = 0;
  std::memcpy(&support_stiffness, params.data() + 704, 4);
  EXPECT_EQ(support_stiffness, 5580000.0f);  // 31000000 kN/m2 times 0.18 m2
  EXPECT_EQ(ReadBytes(position.TextFile("ECHO_G")), e2e::ExampleText("ECHO_G", "PORTAL"));
}

// The bytes of the position's files of these base names.
std::map<std::string, std::string> FilesOf(const common::Position& position, std::initializer_list<const char*> bases) {
  std::map<std::string, std::string> files;
  for (const char* base : bases) files[base] = ReadBytes(position.File(base));
  return files;
}

// Started again without "@G" and closed at once: the frame is rebuilt from the same
// echo text, so the solver's inverse and every model file stay as stored.
TEST(KelmfScript, TheCloseBoxEndsAStoredPositionAndLeavesItsFiles) {
  const common::Position position = StoredPortal();
  const auto before = FilesOf(position, {"INVERSE", "FLEXDIA", "FLEXMAX", "PARAMR", "ELEMENTS", "NODES",
                                         "LKNOTENR", "CROSS", "MATR", "EXTENSIOR"});
  ASSERT_EQ(before.at("INVERSE").size(), 1152u);
  const std::string echo = ReadBytes(position.TextFile("ECHO_G"));
  const auto run = RunKelmf(position, "close\n");
  EXPECT_EQ(run.exit_code, 1) << run.log_text() << run.messages;
  EXPECT_EQ(run.messages, "");
  EXPECT_EQ(ReadBytes(position.TextFile("ECHO_G")), echo);
  for (const auto& [base, bytes] : before) EXPECT_TRUE(ReadBytes(position.File(base)) == bytes) << base;
  EXPECT_TRUE(plat::FileExists(position.File("GEOMETRY")));  // the shell's test for a frame
}

// Every table of the Input panel opened on a stored position and closed with
// OK, then End: the model files and the inverse stay as stored (PARAMR may
// take the editor's own input defaults) and the shell still finds a frame.
TEST(KelmfScript, TablesLookedAtAndClosedWithOkKeepTheFrameStored) {
  const common::Position position = StoredPortal();
  const auto before = FilesOf(position, {"INVERSE", "FLEXDIA", "FLEXMAX", "ELEMENTS", "NODES", "LKNOTENR",
                                         "CROSS", "MATR", "DOFSK", "EXTENSIOR"});
  const auto run = RunKelmf(position,
                            "command 32817\n"
                            "press 1008\npress 1002\n"  // materials
                            "press 1041\npress 1002\n"  // cross sections
                            "press 313\npress 1002\n"   // nodes and supports
                            "press 312\npress 1002\n"   // elements
                            "close\n");
  EXPECT_EQ(run.exit_code, 1) << run.log_text() << run.messages;
  EXPECT_EQ(run.messages, "");
  for (const auto& [base, bytes] : before) EXPECT_TRUE(ReadBytes(position.File(base)) == bytes) << base;
  EXPECT_EQ(ReadBytes(position.File("GEOMETRY")), std::string("\x01\x00\x00\x00", 4));
}

// The frame is wider than high: one landscape page under the position line.
TEST(KelmfScript, PrintsTheStoredFrameOnOneLandscapePage) {
  const common::Position position = StoredPortal();
  const std::string pdf = plat::testing::TestFolder() + "portal.pdf";
  const auto run = RunKelmf(position, "menu Position/Print...\nclose\n", false, {{"PLAT_PRINT_TO_PDF", pdf}});
  EXPECT_EQ(run.exit_code, 1) << run.log_text() << run.messages;
  EXPECT_EQ(run.messages, "");
  KeepArtifact("portal.pdf");
  const auto pages = plat::testing::PdfPages(pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_GT(pages[0].width, pages[0].height);
  const std::string text = plat::testing::PdfPageText(pdf, 1);
  EXPECT_NE(text.find("Pos. PORTAL"), std::string::npos) << text;
  EXPECT_NE(text.find("Portal frame 6 m x 4 m, left foot clamped, right foot hinged"), std::string::npos) << text;
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
