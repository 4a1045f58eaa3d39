// The kinematic check: listings of K and its eliminated forms, the mechanism,
// its listing and the poles of the elements.
#include "geometry/check/kinematic_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "geometry/check/element_pole.h"
#include "geometry/check/flexibility_diagonal.h"
#include "geometry/check/kinematic_listings.h"
#include "geometry/check/stiffness_assembly.h"
#include "geometry/check/support_check.h"
#include "geometry/tests/check_fixture.h"
#include "platform/files.h"
#include "platform/text_block.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

using testing::CheckFrame;
using testing::SingleSpan;
using testing::Support;
using testing::TestPosition;

// Beam (0, 0)-(4, 0) with supports u, v at its left and u, v at its right node.
FrameModel Beam(float u1, float v1, float u2, float v2) {
  FrameModel model = CheckFrame({{0, 0, 4, 0}});
  Support(model, 0, 0, u1, v1, 0);
  Support(model, 4, 0, u2, v2, 0);
  return model;
}

KinematicResult Check(FrameModel& model, const common::Position& position, CheckReport& report) {
  auto k = AssembleStiffness(model, model.params.equation_count(), 2e6f);
  EXPECT_TRUE(k.ok());
  return KinematicCheck(model, position, k.ok() ? *k : mechanics::Matrix(), report);
}

std::string Listing(const common::Position& position, const char* name) {
  auto bytes = plat::ReadWholeFile(position.FolderFile(name));
  EXPECT_TRUE(bytes.has_value()) << name;
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

std::vector<std::string> Lines(const common::Position& position, const char* name) {
  auto lines = plat::ReadLines(position.FolderFile(name));
  EXPECT_TRUE(lines.has_value()) << name;
  return lines ? *lines : std::vector<std::string>{};
}

TEST(KinematicCheck, FindsTheMechanismColumnVectorAndPoles) {
  struct Case {
    const char* what;
    float u1, v1, u2, v2;
    int column;
    std::vector<double> mechanism;
    std::int32_t at_infinity;
    const char* pole_line;
  };
  const Case cases[] = {
      {"roller-roller beam", 0, 1, 0, 1, 4, {1, 0, 0, 1, 0, 0}, 1,
       "Element does not rotate, pole lies on a line normal to the element at infinity"},
      {"pinned cantilever", 1, 1, 0, 0, 6, {0, 0, 1, 0, -4, 1}, 0, "---> Pole at left node x = 0.00 y = 0.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrameModel model = Beam(c.u1, c.v1, c.u2, c.v2);
    const common::Position position = TestPosition();
    CheckReport report;
    const KinematicResult result = Check(model, position, report);
    EXPECT_TRUE(report.messages.empty());
    ASSERT_TRUE(result.found());
    EXPECT_EQ(result.column, c.column);
    ASSERT_EQ(result.mechanism.size(), 6);
    for (int r = 1; r <= 6; ++r) EXPECT_NEAR(result.mechanism[r], c.mechanism[r - 1], 1e-9) << "equation " << r;
    ASSERT_EQ(result.poles.count(), 1);
    EXPECT_EQ(result.poles[1].at_infinity, c.at_infinity);
    // The model keeps what was returned, for the drawing.
    EXPECT_EQ(model.kinematics.column, c.column);
    EXPECT_EQ(model.kinematics.mechanism[5], result.mechanism[5]);
    EXPECT_EQ(model.kinematics.poles.count(), 1);

    const std::vector<std::string> lines = Lines(position, "MATH_UKINEMATIC.TXT");
    EXPECT_EQ(lines.front(), "First eigenvector, from column " + std::to_string(c.column) +
                                 " in the echelon matrix, entries are displacements of nodes");
    EXPECT_NE(std::find(lines.begin(), lines.end(), c.pole_line), lines.end());
    EXPECT_FALSE(plat::FileExists(position.File("MTEMP")));
  }
}

TEST(KinematicCheck, MechanismListingOfTheRollerBeam) {
  FrameModel model = Beam(0, 1, 0, 1);
  const common::Position position = TestPosition();
  CheckReport report;
  Check(model, position, report);
  EXPECT_EQ(Listing(position, "MATH_UKINEMATIC.TXT"),
            "First eigenvector, from column 4 in the echelon matrix, entries are displacements of nodes\r\n"
            "\r\n"
            " 1    1.00\r\n"
            " 2   -0.00\r\n"
            " 3   -0.00\r\n"
            " 4    1.00\r\n"
            " 5   -0.00\r\n"
            " 6   -0.00\r\n"
            "\r\n"
            "Position of Nodes, DOFs \r\n"
            "\r\n"
            "Node 1  x = 0.00 y = 0.00 zElements = 1 dofsphi = 1 dofstotal = 3\r\n"
            "DofU = 1\r\n"
            "DofV = 2\r\n"
            "DofPhi = 3\r\n"
            "Element 1\r\n"
            "\r\n"
            "Node 2  x = 4.00 y = 0.00 zElements = 1 dofsphi = 1 dofstotal = 3\r\n"
            "DofU = 4\r\n"
            "DofV = 5\r\n"
            "DofPhi = 6\r\n"
            "Element 1\r\n"
            "\r\n"
            "Element 1  Node L = 1  Node R = 2\r\n"
            "Left  dof u = 1 dof v = 2 dof phi = 3 \r\n"
            "Right dof u = 4 dof v = 5 dof phi = 6 \r\n"
            "Node left  u = 1.00 v = -0.00 phi = -0.00 \r\n"
            "Node right u = 1.00 v = -0.00 phi = -0.00 \r\n"
            "Element does not rotate, pole lies on a line normal to the element at infinity\r\n"
            "\r\n"
            "Number of nodes = 2 Number of elements = 1  Number of equations = 6\r\n"
            "\r\n");
}

TEST(KinematicCheck, ListingsOfTheSingleSpan) {
  FrameModel model = SingleSpan();
  const common::Position position = TestPosition();
  CheckReport report;
  Check(model, position, report);
  // EA / L = 2e7 * 0.1f / 4 = 500000.0075, the support stiffness 2e6 on top.
  const std::string k = Listing(position, "MATH_KMATRIX.TXT");
  EXPECT_EQ(k.substr(0, k.find("2: ")), "1: 2500000.01  0.00  0.00  -500000.01  0.00  0.00  \r\n\r\n");
  const std::string triangular = Listing(position, "MATH_TRIANGULAR.TXT");
  EXPECT_EQ(triangular.substr(0, triangular.find("\r\n\r\n") + 4),
            "2500000.01   0.00   0.00  -500000.01   0.00   0.00  \r\n\r\n");
  const std::vector<std::string> t = Lines(position, "MATH_TRIANGULAR.TXT");
  ASSERT_EQ(t.size(), 12u);
  EXPECT_EQ(t[4], " 0.00   0.00  19971.93   0.00  7485.96  9971.93  ");
  EXPECT_EQ(t[10], " 0.00   0.00   0.00   0.00   0.00  14985.95  ");
  EXPECT_EQ(Lines(position, "MATH_RREF.TXT"),
            (std::vector<std::string>{" 1.00   0.00   0.00   0.00   0.00   0.00  ", "",
                                      " 0.00   1.00   0.00   0.00   0.00   0.00  ", "",
                                      " 0.00   0.00   1.00   0.00   0.00   0.00  ", "",
                                      " 0.00   0.00   0.00   1.00   0.00   0.00  ", "",
                                      " 0.00   0.00   0.00   0.00   1.00   0.00  ", "",
                                      " 0.00   0.00   0.00   0.00   0.00   1.00  ", ""}));
  EXPECT_EQ(Lines(position, "MATH_KMATRIX.TXT").size(), 12u);
}

// The matrix listings hold what printf writes: "%i: " and "%.2f  " per entry for K, "%5.2lf  "
// for the eliminated forms, each row followed by a blank line, lines ended by CR LF.
TEST(KinematicListings, EntriesAsPrintfWritesThem) {
  const double values[] = {0.005, -0.0, -0.004, 0.125, 2.675, -123456.785, 1e15, -1e300, 5e-324, 99999.995,
                           1.0 / 3.0, -2.5e-3};
  mechanics::Matrix m(4);
  int next = 0;
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) m(i, j) = values[next++ % (sizeof values / sizeof values[0])];
  }
  auto reference = [&](bool heads, const char* format) {
    std::string text;
    char entry[512];
    for (int i = 1; i <= 4; ++i) {
      if (heads) text.append(entry, static_cast<std::size_t>(std::snprintf(entry, sizeof entry, "%i: ", i)));
      for (int j = 1; j <= 4; ++j) {
        text.append(entry, static_cast<std::size_t>(std::snprintf(entry, sizeof entry, format, m(i, j))));
      }
      text += "\r\n\r\n";
    }
    return text;
  };
  plat::TextBlock listing;
  AppendStiffnessListing(listing, m);
  EXPECT_EQ(listing.text(), reference(true, "%.2f  "));
  listing.Clear();
  AppendEchelonListing(listing, m);
  EXPECT_EQ(listing.text(), reference(false, "%5.2lf  "));
}

TEST(KinematicCheck, NoMechanismClearsTheResultsOfTheLastOne) {
  // A mechanism first, then the same position stored simply supported: no
  // mechanism listing, no poles, column 0.
  const common::Position position = TestPosition();
  FrameModel model = Beam(0, 1, 0, 1);
  CheckReport report;
  ASSERT_TRUE(Check(model, position, report).found());
  ASSERT_TRUE(plat::FileExists(position.FolderFile("MATH_UKINEMATIC.TXT")));

  model = Beam(1, 1, 0, 1);
  model.kinematics.poles.SetCount(1);
  model.kinematics.poles[1] = Pole{7.0f, 8.0f, 0};  // left over from an earlier check
  const KinematicResult result = Check(model, position, report);
  EXPECT_TRUE(report.messages.empty());
  EXPECT_FALSE(result.found());
  EXPECT_EQ(result.column, 0);
  EXPECT_EQ(result.mechanism.size(), 0);
  EXPECT_EQ(model.kinematics.column, 0);
  EXPECT_EQ(model.kinematics.poles.count(), 0);
  EXPECT_EQ(model.kinematics.poles[1].x, 0.0f);
  EXPECT_FALSE(plat::FileExists(position.FolderFile("MATH_UKINEMATIC.TXT")));
  EXPECT_TRUE(plat::FileExists(position.FolderFile("MATH_RREF.TXT")));
}

TEST(KinematicCheck, PoleOfARotatingElement) {
  // An inclined bar from (0, 0) up to (4, 3) (z = -3), held vertically at its
  // foot and horizontally at its top: it turns about (0, z = -3).
  FrameModel model = CheckFrame({{0, 0, 4, -3}});
  Support(model, 0, 0, 0, 1, 0);
  Support(model, 4, -3, 1, 0, 0);
  const common::Position position = TestPosition();
  CheckReport report;
  const KinematicResult result = Check(model, position, report);
  ASSERT_TRUE(result.found());
  EXPECT_NEAR(result.poles[1].x, 0.0f, 1e-4f);
  EXPECT_NEAR(result.poles[1].z, -3.0f, 1e-4f);
  EXPECT_EQ(result.poles[1].at_infinity, 0);
  const std::vector<std::string> lines = Lines(position, "MATH_UKINEMATIC.TXT");
  // x is a rounding residue around 0, of either sign.
  const auto line = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("--->", 0) == 0; });
  ASSERT_NE(line, lines.end());
  EXPECT_TRUE(*line == "---> Pole x = 0.00 y = -3.00" || *line == "---> Pole x = -0.00 y = -3.00") << *line;
}

TEST(ElementPole, CasesInTheirOrder) {
  struct Case {
    const char* what;
    EndMotion left, right;
    PoleKind kind;
    Pole pole;
    const char* line;
  };
  const EndPoint start{1.0f, 2.0f};
  const EndPoint end{5.0f, -1.0f};
  const Pole former{9.0f, 9.5f, 0};
  const Case cases[] = {
      {"start held", {0.005, -0.004, 1}, {1, 1, 1}, PoleKind::kLeftNode, {1, 2, 0},
       "---> Pole at left node x = 1.00 y = 2.00\n"},
      {"end held", {0.01, 0, 1}, {0, 0.009, 0}, PoleKind::kRightNode, {5, -1, 0},
       "---> Pole at right node x = 5.00 y = -1.00\n"},
      {"start turns", {0.5, 2, 0.5}, {1, 1, 0.5}, PoleKind::kFromRotation, {5, 3, 0}, "---> Pole x = 5.00 y = 3.00\n"},
      {"end turns", {1, 0, 0.01}, {1, -4, -2}, PoleKind::kFromRotation, {7, -1.5f, 0},
       "---> Pole x = 7.00 y = -1.50\n"},
      {"no turn", {1, 1, 0.01}, {1, 1, -0.01}, PoleKind::kAtInfinity, {9, 9.5f, 1},
       "Element does not rotate, pole lies on a line normal to the element at infinity\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ElementPole found = FindPole(c.left, c.right, start, end, former);
    EXPECT_EQ(found.kind, c.kind);
    EXPECT_FLOAT_EQ(found.pole.x, c.pole.x);
    EXPECT_FLOAT_EQ(found.pole.z, c.pole.z);
    EXPECT_EQ(found.pole.at_infinity, c.pole.at_infinity);
    EXPECT_EQ(PoleLine(found), c.line);
  }
}

TEST(KinematicCheck, RunsInTheStoreAndLeavesKAsItWas) {
  FrameModel model = Beam(0, 1, 0, 1);
  const common::Position position = TestPosition();
  const CheckReport report = FlexibilityDiagonal(model, position);
  EXPECT_EQ(model.kinematics.column, 4);
  EXPECT_TRUE(plat::FileExists(position.FolderFile("MATH_UKINEMATIC.TXT")));
  EXPECT_FALSE(plat::FileExists(position.File("MTEMP")));
  // MATRIX holds K as assembled, not its echelon form.
  const auto matrix = testing::FileBytes(position.File("MATRIX"));
  EXPECT_NEAR(testing::ValueAt<double>(matrix, 8 * (7 * 0 + 1)), 500000.0075, 1e-3);
  EXPECT_NEAR(testing::ValueAt<double>(matrix, 8 * (7 * 3 + 1)), -500000.0075, 1e-3);
  EXPECT_EQ(testing::Texts(report).front(), "Error|Frame can roll sideways!");
}

TEST(KinematicCheck, KThatCannotBeSavedEndsTheProgram) {
  FrameModel model = SingleSpan();
  const common::Position nowhere(plat::testing::TestFolder() + "missing/", ".12");
  CheckReport report;
  EXPECT_FALSE(SupportCheck(model, nowhere, report).has_value());
  EXPECT_TRUE(report.end_program);
  ASSERT_FALSE(report.messages.empty());
  EXPECT_EQ(testing::Texts(report).back(), "Error|Error on opening binary file for matrix");
  EXPECT_FALSE(model.kinematics.found());
}

}  // namespace
}  // namespace kelmf
