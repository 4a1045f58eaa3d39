// The geometry echo text as the store writes it.
#include "geometry/echo/echo_writer.h"

#include <gtest/gtest.h>

#include "geometry/echo/echo_file.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/tests/echo_fixture.h"

namespace kelmf {
namespace {

using testing::Crlf;
using testing::Frame;
using testing::ReadBytes;
using testing::TestPosition;

void Support(FrameModel& model, int node, float u, float v, float phi) {
  const float values[] = {u, v, phi};
  for (int d = 1; d <= 3; ++d) {
    model.nodes[node].set_support(d, values[d - 1]);
    model.nodes[node].set_support_flag(d, values[d - 1] > 0 ? 1 : 0);
  }
}

common::NodeRefRecord Entry(int node, float u, float v, float phi, bool flagged = true) {
  const float values[] = {u, v, phi};
  common::NodeRefRecord entry;
  entry.set_node(static_cast<std::int16_t>(node));
  for (int d = 1; d <= 3; ++d) {
    entry.set_support(d, values[d - 1]);
    entry.set_support_flag(d, flagged && values[d - 1] > 0 ? 1 : 0);
  }
  return entry;
}

// One material, one section, one element of 5 m, two nodes, one support entry.
FrameModel MinimalFrame() {
  FrameModel model = Frame({{0, 0, 5, 0}});
  EXPECT_TRUE(RebuildTopology(model).ok());
  Support(model, 1, 1, 1, 0);
  Support(model, 2, 0, 1, 0);
  model.supports.Append(Entry(1, 1, 1, 0));
  return model;
}

std::string WrittenEcho(FrameModel& model) {
  const common::Position position = TestPosition();
  const std::string path = EchoFilePath(position);
  EXPECT_TRUE(WriteEchoFile(path, model, position).ok());
  return ReadBytes(path);
}

TEST(EchoWriter, MinimalFrameByteForByte) {
  FrameModel model = MinimalFrame();
  model.params.set_title("   ");

  EXPECT_EQ(WrittenEcho(model), Crlf("TITEL\n"
                                     "Position 12\n"
                                     "MATERIAL\n"
                                     "1\n"
                                     "1 26700000.00 0.000000\n"
                                     "CROSSECTIONS\n"
                                     "1\n"
                                     "1 0.200 0.400 8.0000E-02 1.0667E-03\n"
                                     "ELEMENTS\n"
                                     "1\n"
                                     "1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\n"
                                     "NODES\n"
                                     "2\n"
                                     "1 0.00 0.00  1.0000E+00  1.0000E+00  0.0000E+00\n"
                                     "2 5.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\n"
                                     "SUPPORTS\n"
                                     "1\n"
                                     "1 1.000000 1.000000 0.000000\n"));
  // The blank title is replaced in the model too; one support entry sets byte 671.
  EXPECT_EQ(model.params.title(), "Position 12");
  EXPECT_EQ(model.params.single_support_flag(), 1);
}

TEST(EchoWriter, SupportsKeepSpringFactorsAndWriteUnflaggedValuesAsZero) {
  FrameModel model = MinimalFrame();
  model.params.set_title("Spring test");
  model.supports.Append(Entry(2, 0.0047f, 1, 0));
  model.supports.Append(Entry(2, 0.5f, 0.25f, 1, false));

  const std::string echo = WrittenEcho(model);
  EXPECT_NE(echo.find("TITEL\r\nSpring test\r\n"), std::string::npos);
  EXPECT_NE(echo.find(Crlf("SUPPORTS\n"
                           "3\n"
                           "1 1.000000 1.000000 0.000000\n"
                           "2 0.004700 1.000000 0.000000\n"
                           "2 0.000000 0.000000 0.000000\n")),
            std::string::npos)
      << echo;
  EXPECT_EQ(model.params.single_support_flag(), 0);
}

TEST(EchoWriter, EmptySectionsWriteTheirCountAndTheParabolaItsElements) {
  FrameModel model = Frame({});
  model.parabola = {12.0f, 2.5f, 8};
  plat::TextWriter out(TestPosition().folder() + "echo.txt");
  WriteEchoSections(out, model, "A1");
  ASSERT_TRUE(out.Close());

  EXPECT_EQ(ReadBytes(TestPosition().folder() + "echo.txt"),
            Crlf("TITEL\nPosition A1\nMATERIAL\n1\n1 26700000.00 0.000000\nCROSSECTIONS\n1\n"
                 "1 0.200 0.400 8.0000E-02 1.0667E-03\nELEMENTS\n0\nNODES\n0\nSUPPORTS\n0\n"
                 "PARABOLA\n12.00 2.50 8\n"));
}

TEST(EchoWriter, ElementLinesCarryHingesMaterialsAndMemberFlags) {
  FrameModel model = Frame({{0, 0, 4, 0, 0, 1}, {4, 0, 4, -3}});
  model.elements[1].set_tension_flag(0);
  model.elements[2].set_material(2);
  model.elements[2].set_compression_flag(0);
  model.elements[2].set_cross_section(1);

  plat::TextWriter out(TestPosition().folder() + "echo.txt");
  WriteEchoSections(out, model, "12");
  ASSERT_TRUE(out.Close());
  EXPECT_NE(ReadBytes(TestPosition().folder() + "echo.txt")
                .find(Crlf("ELEMENTS\n2\n1 0.00 0.00 4.00 0.00 0 1 1 1 1 0\n2 4.00 0.00 4.00 -3.00 0 0 2 1 0 1\n")),
            std::string::npos);
}

}  // namespace
}  // namespace kelmf
