// KELMF's command line and the program run as a child.
#include <gtest/gtest.h>

#include "geometry/app/command_line.h"
#include "geometry/tests/position_fixture.h"

namespace kelmf {
namespace {

using testing::GeometryMarker;

TEST(ParseCommandLine, SuffixDataPathAndRebuildFlag) {
  struct Case {
    const char* text;
    bool parsed;
    const char* ext;
    const char* data_path;
    bool rebuild;
  };
  const Case cases[] = {
      {".0 @/d/", true, ".0", "/d/", false},
      {".0 @/d/ @G", true, ".0", "/d/", true},
      {".0 @/d/ @Go", true, ".0", "/d/", true},
      {".0 @/d/ @g", true, ".0", "/d/", false},
      {".0 @/d/ @X", true, ".0", "/d/", false},
      {".0 @/d/ ", true, ".0", "/d/ ", false},  // a blank after the data path stays in it
      {"@/d/", true, "", "/d/", false},
      {"", false, "", "", false},
      {".0 /d/", false, "", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto line = ParseCommandLine(c.text);
    ASSERT_EQ(line.has_value(), c.parsed);
    if (!line) continue;
    EXPECT_EQ(line->ext, c.ext);
    EXPECT_EQ(line->data_path, c.data_path);
    EXPECT_EQ(line->rebuild, c.rebuild);
  }
}

plat::testing::ProgramRun RunKelmf(const std::vector<std::string>& args) {
  plat::testing::ProgramRun run = plat::testing::RunProgram("KELMF", args);
  EXPECT_NE(run.exit_code, -2) << run.start_error;
  return run;
}

TEST(KelmfProgram, AnUnusableCommandLineIsMissingInput) {
  const std::string long_part(241, 'A');
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"/d/"}, {"@/d/"}, {".0", "@"}, {"." + long_part, "@/d/"}, {".0", "@/" + long_part}}) {
    SCOPED_TRACE(args.empty() ? "empty" : args.front());
    const auto run = RunKelmf(args);
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.messages, "Missing input\tCommand line: .POS @PathData\\ \n");
  }
}

// The window waits for Store or End; in an unattended run without a script
// nobody can choose them, so the program ends with 97 instead of waiting.
TEST(KelmfProgram, RebuildsTheModelFilesFromTheEchoTextAndWaitsForStoreOrEnd) {
  const common::Position position = testing::ExamplePosition("BEAM2");
  ASSERT_TRUE(common::WriteInt32File(position.File("GEOMETRY"), 1));
  const auto run = RunKelmf({position.ext(), "@" + position.data_path(), "@G"});
  EXPECT_EQ(run.exit_code, 97);
  EXPECT_EQ(run.messages, "");
  EXPECT_EQ(GeometryMarker(position), 0);
  for (const char* base : {"ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR"}) {
    EXPECT_TRUE(plat::FileExists(position.File(base))) << base;
  }
  EXPECT_FALSE(plat::FileExists(position.File("INVERSE")));  // nothing is stored without the Store command
}

TEST(KelmfProgram, AFolderThatCannotBeWrittenEndsAfterItsMessage) {
  const std::string data = plat::testing::TestFolder() + "nowhere/";
  const auto run = RunKelmf({".7", "@" + data});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.messages, "Does the directory " + data + " exist?\tThe file " + data + "SDIR7/TEST.7 cannot be stored!\n");
}

}  // namespace
}  // namespace kelmf
