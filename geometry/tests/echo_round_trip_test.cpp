// A hand-written echo text survives the model files: rebuilt from the text,
// stored, and written again from the binary files alone, it is the same text.
#include <gtest/gtest.h>

#include "geometry/echo/echo_file.h"
#include "geometry/tests/echo_fixture.h"
#include "platform/files.h"

namespace kelmf {
namespace {

using testing::Crlf;
using testing::ReadBytes;

// Two columns and a beam hinged at its right end, two materials, two cross
// sections, a spring in x at the right foot, a beam that carries no tension and
// a column that carries no compression; the title holds an ANSI umlaut.
constexpr const char* kGolden =
    "TITEL\n"
    "Hall frame M\xFCller\n"
    "MATERIAL\n"
    "2\n"
    "1 30000000.00 0.200000\n"
    "2 210000000.00 0.300000\n"
    "CROSSECTIONS\n"
    "2\n"
    "1 0.300 0.500 1.5000E-01 3.1250E-03\n"
    "2 0.200 0.400 8.0000E-02 1.0667E-03\n"
    "ELEMENTS\n"
    "3\n"
    "1 0.00 0.00 0.00 -4.00 0 0 1 1 1 1\n"
    "2 0.00 -4.00 6.00 -4.00 0 1 2 2 1 0\n"
    "3 6.00 0.00 6.00 -4.00 0 0 1 1 0 1\n"
    "NODES\n"
    "4\n"
    "1 0.00 0.00  1.0000E+00  1.0000E+00  1.0000E+00\n"
    "2 0.00 -4.00  0.0000E+00  0.0000E+00  0.0000E+00\n"
    "3 6.00 -4.00  0.0000E+00  0.0000E+00  0.0000E+00\n"
    "4 6.00 0.00  4.7000E-03  1.0000E+00  0.0000E+00\n"
    "SUPPORTS\n"
    "2\n"
    "1 1.000000 1.000000 1.000000\n"
    "4 0.004700 1.000000 0.000000\n";

TEST(EchoRoundTrip, AHandWrittenTextComesBackFromTheModelFiles) {
  const common::Position position = testing::TestPosition();
  const std::string echo = EchoFilePath(position);

  FrameModel model = testing::StartModel();
  const common::Result rebuilt = testing::RebuildFromBytes(model, position, Crlf(kGolden));
  ASSERT_TRUE(rebuilt.ok()) << rebuilt.text();
  ASSERT_EQ(model.nodes.count(), 4);
  EXPECT_EQ(model.nodes[3].rotation_count(), 2);  // the hinged beam end and the rigid column end
  ASSERT_TRUE(WriteEchoFile(echo, model, position).ok());
  ASSERT_TRUE(plat::RemoveFile(echo));

  FrameModel stored = testing::LoadModelFiles(position);
  ASSERT_TRUE(WriteEchoFile(echo, stored, position).ok());
  EXPECT_EQ(ReadBytes(echo), Crlf(kGolden));
}

TEST(EchoRoundTrip, AnLfTextComesBackWithCrLf) {
  const common::Position position = testing::TestPosition();
  FrameModel model = testing::StartModel();
  ASSERT_TRUE(testing::RebuildFromBytes(model, position, kGolden).ok());
  ASSERT_TRUE(WriteEchoFile(EchoFilePath(position), model, position).ok());
  EXPECT_EQ(ReadBytes(EchoFilePath(position)), Crlf(kGolden));
}

}  // namespace
}  // namespace kelmf
