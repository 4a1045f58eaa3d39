#include "graphics/tests/two_spans_example.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace revuzavi::testing {
namespace {

constexpr char kGeometry[] =
    "TITEL\r\nTwo spans of 4 m\r\nMATERIAL\r\n1\r\n1 26700000.00 0.000000\r\nCROSSECTIONS\r\n1\r\n"
    "1 0.200 0.400 8.0000E-02 1.0667E-03\r\nELEMENTS\r\n2\r\n1 0.00 0.00 4.00 0.00 0 0 1 1 1 1\r\n"
    "2 4.00 0.00 8.00 0.00 0 0 1 1 1 1\r\nNODES\r\n3\r\n1 0.00 0.00  1.0000E+00  1.0000E+00  0.0000E+00\r\n"
    "2 4.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\r\n3 8.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\r\n"
    "SUPPORTS\r\n3\r\n1 1.000000 1.000000 0.000000\r\n2 0.000000 1.000000 0.000000\r\n"
    "3 0.000000 1.000000 0.000000\r\n";
constexpr char kLoads[] =
    "LOAD CASES\r\nLC 1\r\n0 1 1\r\nTITLE\r\nq = 10 kN/m on span 1\r\nLINELOADS\r\n1 q_span_1\r\n"
    "1 1    0.000    0.000    4.000    0.000    0.000    0.000   10.000   10.000 Y\r\n";

}  // namespace

common::Position ComputedTwoSpans() {
  common::Position position(plat::testing::TestFolder() + "data/", ".TWO");
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_G"), kGeometry, sizeof kGeometry - 1));
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_L"), kLoads, sizeof kLoads - 1));
  const auto run = plat::testing::RunProgram("compute-position", {position.data_path(), position.name()});
  EXPECT_EQ(run.exit_code, 0) << run.start_error;
  EXPECT_EQ(run.messages, "");
  return position;
}

}  // namespace revuzavi::testing
