// store-position on the example positions installed beside the programs, and
// on frames that cannot be stored.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace {

std::string ReadBytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return "<missing " + path + ">";
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

template <class T>
T ValueAt(const std::string& bytes, std::size_t offset) {
  T value{};
  EXPECT_LE(offset + sizeof(T), bytes.size());
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

// The position `name` under the test's data folder with `echo` as its echo text.
common::Position PositionWithEcho(const std::string& name, const std::string& echo) {
  common::Position position(plat::testing::TestFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_G"), echo.data(), echo.size()));
  return position;
}

plat::testing::ProgramRun StorePosition(const common::Position& position) {
  auto run = plat::testing::RunProgram("store-position", {position.data_path(), position.name()});
  EXPECT_NE(run.exit_code, -2) << run.start_error;
  return run;
}

TEST(StorePositionProgram, StoresEveryExamplePosition) {
  struct Example {
    const char* name;
    int elements, nodes;
    int support_nodes[3];  // LKNOTENR in order, 0 after the last
    int equations;
    float support_stiffness;  // largest E times largest A
  };
  const Example examples[] = {
      {"BEAM2", 2, 3, {1, 2, 3}, 9, 26700000.0f * 0.08f},
      {"PORTAL", 3, 4, {1, 4, 0}, 12, 31000000.0f * 0.18f},
      {"ARCH", 8, 9, {1, 9, 0}, 27, 26700000.0f * 0.08f},
  };
  for (const Example& example : examples) {
    SCOPED_TRACE(example.name);
    const std::string echo = ReadBytes(plat::testing::BinFolder() + "EXAMPLES/ECHO_G." + example.name + ".TXT");
    const common::Position position = PositionWithEcho(example.name, echo);
    const auto run = StorePosition(position);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.messages, "");

    const std::string params = ReadBytes(position.File("PARAMR"));
    ASSERT_EQ(params.size(), 744u);
    EXPECT_EQ(ValueAt<float>(params, 704), example.support_stiffness);
    const int n = ValueAt<std::int16_t>(params, 38);
    EXPECT_EQ(n, example.equations);

    EXPECT_EQ(ValueAt<std::int16_t>(ReadBytes(position.File("ELEMENTS")), 0), example.elements);
    EXPECT_EQ(ValueAt<std::int16_t>(ReadBytes(position.File("NODES")), 0), example.nodes);
    const std::string supports = ReadBytes(position.File("LKNOTENR"));
    int count = 0;
    while (count < 3 && example.support_nodes[count] != 0) ++count;
    ASSERT_EQ(ValueAt<std::int16_t>(supports, 0), count);
    for (int k = 0; k < count; ++k) {
      EXPECT_EQ(ValueAt<std::int16_t>(supports, 2 + 32 * static_cast<std::size_t>(k)), example.support_nodes[k]);
    }
    EXPECT_TRUE(plat::FileExists(position.File("DOFSK")));
    EXPECT_EQ(plat::FileSize(position.File("INVERSE")), 8 * n * n);
    EXPECT_EQ(plat::FileSize(position.File("FLEXDIA")), 8 * n);
    EXPECT_TRUE(plat::FileExists(position.File("FLEXMAX")));
    EXPECT_EQ(ValueAt<std::int32_t>(ReadBytes(position.File("GEOMETRY")), 0), 1);
    EXPECT_EQ(ReadBytes(position.TextFile("ECHO_G")), echo);
  }
}

TEST(StorePositionProgram, AMechanismIsReportedAndLeavesNoInverse) {
  // A single span on two rollers: nothing holds it along its axis.
  const common::Position position = PositionWithEcho("ROLLER",
                                                     "TITEL\r\nRollers\r\n"
                                                     "ELEMENTS\r\n1\r\n1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\r\n"
                                                     "NODES\r\n2\r\n"
                                                     "1 0.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\r\n"
                                                     "2 5.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\r\n"
                                                     "SUPPORTS\r\n2\r\n"
                                                     "1 0.000000 1.000000 0.000000\r\n"
                                                     "2 0.000000 1.000000 0.000000\r\n");
  const auto run = StorePosition(position);
  EXPECT_NE(run.exit_code, 0);
  EXPECT_NE(run.messages.find("\tSingularity in row "), std::string::npos) << run.messages;
  EXPECT_FALSE(plat::FileExists(position.File("INVERSE")));
  EXPECT_EQ(ValueAt<std::int32_t>(ReadBytes(position.File("GEOMETRY")), 0), 0);
}

TEST(StorePositionProgram, WithoutAnEchoTextNothingIsStored) {
  common::Position position(plat::testing::TestFolder() + "data/", ".NONE");
  ASSERT_TRUE(common::EnsurePositionFolder(position));
  const auto run = StorePosition(position);
  EXPECT_NE(run.exit_code, 0);
  EXPECT_EQ(run.messages, "Missing input\tNo geometry to store: the file " + position.TextFile("ECHO_G") +
                              " is missing or empty.\n");
  EXPECT_FALSE(plat::FileExists(position.File("PARAMR")));
}

}  // namespace
