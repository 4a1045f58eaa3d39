// The inversion of a Store and its files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "geometry/check/flexibility_diagonal.h"
#include "geometry/check/gauss_elimination.h"
#include "geometry/check/inverse_files.h"
#include "geometry/check/matrix_files.h"
#include "geometry/tests/check_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

using testing::CheckFrame;
using testing::ExpectRelative;
using testing::FileBytes;
using testing::NodeAt;
using testing::SingleSpan;
using testing::Support;
using testing::Texts;
using testing::ValueAt;

// Files of an older store that a failed one must not leave behind.
void WriteStaleInverse(const common::Position& position) {
  const double stale = 1.0;
  for (const char* name : {"INVERSE", "FLEXDIA", "FLEXMAX"}) {
    ASSERT_TRUE(plat::WriteBlock(position.File(name), &stale, sizeof stale));
  }
}

void ExpectNoInverse(const common::Position& position) {
  for (const char* name : {"INVERSE", "FLEXDIA", "FLEXMAX"}) EXPECT_FALSE(plat::FileExists(position.File(name))) << name;
}

// A portal frame with a hinge at each top node and springs at its feet.
FrameModel PortalFrame() {
  FrameModel model = CheckFrame({{0, 0, 0, -4}, {0, -4, 6, -4, 1, 0}, {6, 0, 6, -4, 0, 1}});
  Support(model, 0, 0, 1, 1, 0.3f);
  Support(model, 6, 0, 0.5f, 1, 1);
  return model;
}

// Entry (i, j) of an n x n file stored column by column (INVERSE) or row by row.
double SquareEntry(const std::vector<std::byte>& bytes, int n, int major, int minor) {
  return ValueAt<double>(bytes, static_cast<std::size_t>((major - 1) * n + (minor - 1)) * 8);
}

TEST(FlexibilityDiagonal, SingleSpanFiles) {
  FrameModel model = SingleSpan();
  const common::Position position = testing::TestPosition();
  const CheckReport report = FlexibilityDiagonal(model, position);
  EXPECT_EQ(report.result, 0);
  EXPECT_TRUE(report.stored());
  EXPECT_TRUE(report.messages.empty());

  const auto matrix = FileBytes(position.File("MATRIX"));
  ASSERT_EQ(matrix.size(), 336u);
  ExpectRelative(ValueAt<double>(matrix, 80), -7500.0, 1e-6);  // K[2][3]
  ExpectRelative(ValueAt<double>(matrix, 8), 2.5e6, 1e-6);
  for (std::size_t row = 0; row < 6; ++row) EXPECT_EQ(ValueAt<double>(matrix, row * 56), 0.0) << row;
  EXPECT_EQ(FileBytes(position.File("MATRIXORI")), matrix);

  const auto plain = FileBytes(position.File("MATRIXP"));
  ASSERT_EQ(plain.size(), 288u);
  ExpectRelative(ValueAt<double>(plain, 64), -7500.0, 1e-6);  // K[2][3]
  ExpectRelative(ValueAt<double>(plain, 136), 1e4, 1e-6);  // K[3][6]

  const auto lu = FileBytes(position.File("LU"));
  ASSERT_EQ(lu.size(), 336u);
  for (std::size_t row = 0; row < 6; ++row) EXPECT_EQ(ValueAt<double>(lu, row * 56), 0.0) << row;

  const auto inverse = FileBytes(position.File("INVERSE"));
  ASSERT_EQ(inverse.size(), 288u);
  struct Entry {
    std::size_t offset;
    double value;
  };
  const Entry entries[] = {
      {0, 5e-7},                  // F11
      {56, 5e-7},                 // F22
      {168, 2.5e-6},              // F44
      {104, 1.25e-7},             // F23
      {248, 1.25e-7},             // F26
      {112, 3203 / 48e6},         // F33
      {280, 3203 / 48e6},         // F66
      {136, -1597 / 48e6},        // F63
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.offset);
    ExpectRelative(ValueAt<double>(inverse, e.offset), e.value, 1e-4);
  }

  const auto diagonal = FileBytes(position.File("FLEXDIA"));
  ASSERT_EQ(diagonal.size(), 48u);
  for (int j = 1; j <= 6; ++j) EXPECT_EQ(ValueAt<double>(diagonal, (j - 1) * 8u), SquareEntry(inverse, 6, j, j));

  const auto flexmax = FileBytes(position.File("FLEXMAX"));
  ASSERT_EQ(flexmax.size(), 72u);
  const int ranks[6][2] = {{2, 6}, {1, 3}, {2, 4}, {2, 5}, {1, 2}, {1, 1}};
  for (std::size_t r = 0; r < 6; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(ValueAt<std::int32_t>(flexmax, 12 * r), ranks[r][0]);
    EXPECT_EQ(ValueAt<std::int32_t>(flexmax, 12 * r + 4), ranks[r][1]);
    EXPECT_EQ(ValueAt<float>(flexmax, 12 * r + 8), static_cast<float>(SquareEntry(inverse, 6, ranks[r][1], ranks[r][1])));
  }

  const auto listing = plat::ReadLines(position.folder() + "FLEXMAX.TXT");
  ASSERT_TRUE(listing.has_value());
  const std::vector<std::string> expected = {
      "Entries on the diagonal of the inverse (= flexibility matrix) from max --> min",
      "",
      "6     6   6.673E-05  phi at Node 2",
      "5     3   6.673E-05  phi at Node 1",
      "4     4   2.500E-06  ux at Node 2",
      "3     5   5.000E-07  uy at Node 2",
      "2     2   5.000E-07  uy at Node 1",
      "1     1   5.000E-07  ux at Node 1",
  };
  EXPECT_EQ(*listing, expected);
}

TEST(FlexibilityDiagonal, PortalFrameInverseTimesStiffnessIsTheIdentity) {
  FrameModel model = PortalFrame();
  const common::Position position = testing::TestPosition();
  const CheckReport report = FlexibilityDiagonal(model, position);
  ASSERT_EQ(report.result, 0) << (report.messages.empty() ? "" : report.messages.front().text());

  const int n = model.params.equation_count();
  ASSERT_EQ(n, 14);
  mechanics::Matrix k(n);
  ASSERT_TRUE(ReadMatrixFile(position, "MATRIX", k));
  const auto inverse = FileBytes(position.File("INVERSE"));
  ASSERT_EQ(inverse.size(), static_cast<std::size_t>(n * n * 8));
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) largest = std::max(largest, std::fabs(SquareEntry(inverse, n, j, i)));
  }
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      double product = 0.0;
      for (int m = 1; m <= n; ++m) product += k(i, m) * SquareEntry(inverse, n, j, m);
      EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-9) << i << "," << j;
      EXPECT_NEAR(SquareEntry(inverse, n, j, i), SquareEntry(inverse, n, i, j), 1e-9 * largest) << i << "," << j;
    }
  }

  // One column solved alone is the column in INVERSE, to the last bit.
  const mechanics::FactoredSystem system = GaussEliminate(k);
  for (int j = 1; j <= n; ++j) {
    mechanics::Vector x;
    ASSERT_EQ(SolveUnitColumn(system, j, x), 0);
    for (int i = 1; i <= n; ++i) EXPECT_EQ(x[i], SquareEntry(inverse, n, j, i)) << i << "," << j;
  }
}

TEST(FlexibilityDiagonal, EveryRotationIsListedWithItsNode) {
  FrameModel model = PortalFrame();
  const common::Position position = testing::TestPosition();
  ASSERT_EQ(FlexibilityDiagonal(model, position).result, 0);
  const common::NodeRecord& top = NodeAt(model, 0, -4);
  ASSERT_EQ(top.rotation_count(), 2);

  const auto flexmax = FileBytes(position.File("FLEXMAX"));
  const auto listing = plat::ReadLines(position.folder() + "FLEXMAX.TXT");
  ASSERT_TRUE(listing.has_value());
  for (int k = 1; k <= 2; ++k) {
    const int equation = top.rotation_dof(k);
    SCOPED_TRACE(equation);
    bool recorded = false;
    for (std::size_t r = 0; r < flexmax.size() / 12; ++r) {
      if (ValueAt<std::int32_t>(flexmax, 12 * r + 4) != equation) continue;
      recorded = true;
      EXPECT_EQ(ValueAt<std::int32_t>(flexmax, 12 * r), top.number());
    }
    EXPECT_TRUE(recorded);
    const std::string label = "phi at Node " + std::to_string(top.number());
    const auto line = std::find_if(listing->begin() + 2, listing->end(), [&](const std::string& l) {
      int rank = 0;
      int listed = 0;
      return std::sscanf(l.c_str(), "%d %d", &rank, &listed) == 2 && listed == equation;
    });
    ASSERT_NE(line, listing->end());
    EXPECT_EQ(line->substr(line->size() - label.size()), label);
  }
}

TEST(FlexibilityDiagonal, RollerRollerBeamIsSingularAndLeavesNoInverse) {
  FrameModel model = testing::CheckFrame({{0, 0, 4, 0}});
  Support(model, 0, 0, 0, 1, 0);
  Support(model, 4, 0, 0, 1, 0);
  const common::Position position = testing::TestPosition();
  WriteStaleInverse(position);
  const CheckReport report = FlexibilityDiagonal(model, position);
  EXPECT_EQ(report.result, 4);
  EXPECT_FALSE(report.end_program);
  EXPECT_EQ(Texts(report), (std::vector<std::string>{"Error|Frame can roll sideways!", "Error|Singularity in row 4"}));
  ExpectNoInverse(position);
  EXPECT_TRUE(plat::FileExists(position.File("MATRIX")));
}

TEST(FlexibilityDiagonal, FailedModelCheckKeepsTheEditorOpenAndRemovesTheOldInverse) {
  struct Case {
    const char* what;
    void (*spoil)(FrameModel&);
    std::string message;
  };
  const Case cases[] = {
      {"element without stiffness", [](FrameModel& m) { m.cross_sections[1].set_inertia(0.0f); },
       " |Error in the stiffness of element 1. Check E, A and I"},
      {"material beyond the table", [](FrameModel& m) { m.elements[1].set_material(3); },
       " |Error in the stiffness of element 1. Check E, A and I"},
      {"more than 600 equations", [](FrameModel& m) { m.params.set_equation_count(601); },
       "Error|The frame has 601 equations, too many for the inversion, max = 600"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrameModel model = SingleSpan();
    c.spoil(model);
    const common::Position position = testing::TestPosition();
    WriteStaleInverse(position);
    const CheckReport report = FlexibilityDiagonal(model, position);
    EXPECT_EQ(report.result, kModelCheckFailed);
    EXPECT_FALSE(report.stored());
    EXPECT_FALSE(report.end_program);
    EXPECT_EQ(Texts(report), std::vector<std::string>{c.message});
    ExpectNoInverse(position);
  }
}

TEST(FlexibilityDiagonal, FileThatCannotBeWritten) {
  struct Case {
    const char* file;
    bool end_program;
    bool matrix_message;
  };
  // A folder of the file's name (with a file in it, so that it cannot be removed).
  const Case cases[] = {{"MATRIX", true, true}, {"MATRIXP", true, true}, {"INVERSE", false, false},
                        {"FLEXMAX", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    FrameModel model = SingleSpan();
    const common::Position position(plat::testing::TestFolder() + c.file, ".12");
    ASSERT_TRUE(common::EnsurePositionFolder(position));
    const std::string blocked = position.File(c.file);
    ASSERT_TRUE(plat::MakeFolder(blocked));
    ASSERT_TRUE(plat::WriteBlock(blocked + "/keep", "x", 1));
    const CheckReport report = FlexibilityDiagonal(model, position);
    EXPECT_EQ(report.result, kModelCheckFailed);
    EXPECT_EQ(report.end_program, c.end_program);
    const std::string message = c.matrix_message ? "Error|Error on opening binary file for matrix"
                                                 : "Error|The file " + blocked + " cannot be stored!";
    EXPECT_EQ(Texts(report), std::vector<std::string>{message});
    for (const char* name : {"INVERSE", "FLEXDIA", "FLEXMAX"}) {
      if (std::string(name) != c.file) {
        EXPECT_FALSE(plat::FileExists(position.File(name))) << name;
      }
    }
  }
}

TEST(FlexibilityDiagonal, ModelWithoutEquations) {
  FrameModel model = testing::Frame({});
  const common::Position position = testing::TestPosition();
  const CheckReport report = FlexibilityDiagonal(model, position);
  EXPECT_EQ(report.result, 0);
  EXPECT_TRUE(report.messages.empty());
  EXPECT_EQ(plat::FileSize(position.File("INVERSE")), 0);
  EXPECT_EQ(plat::FileSize(position.File("FLEXMAX")), 0);
}

TEST(GaussEliminate, ExchangeCases) {
  struct Case {
    std::vector<std::vector<double>> k;
    std::vector<std::vector<double>> inverse;
  };
  const Case cases[] = {
      {{{0, 1, 0}, {1, 0, 0}, {0, 0, 2}}, {{0, 1, 0}, {1, 0, 0}, {0, 0, 0.5}}},
      {{{0, 0, 1}, {0, 3, 0}, {1, 0, 5}}, {{-5, 0, 1}, {0, 1.0 / 3, 0}, {1, 0, 0}}},
  };
  for (const Case& c : cases) {
    mechanics::Matrix k(3);
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= 3; ++j) k(i, j) = c.k[i - 1][j - 1];
    }
    const mechanics::FactoredSystem system = GaussEliminate(k);
    ASSERT_EQ(system.singularRow(), 0);
    EXPECT_TRUE(system.swaps().exchanged);
    for (int j = 1; j <= 3; ++j) {
      mechanics::Vector x;
      ASSERT_EQ(SolveUnitColumn(system, j, x), 0);
      for (int i = 1; i <= 3; ++i) EXPECT_NEAR(x[i], c.inverse[i - 1][j - 1], 1e-15) << i << "," << j;
    }
  }
}

TEST(GaussEliminate, SingularRowAndColumnsOutsideTheSystem) {
  mechanics::Matrix k(2);
  k(1, 1) = 1;
  k(1, 2) = 1;
  k(2, 1) = 1;
  k(2, 2) = 1;
  mechanics::Vector x(2);
  x[1] = 7;
  EXPECT_EQ(SolveUnitColumn(GaussEliminate(k), 1, x), 2);
  EXPECT_EQ(x[1], 7);
  k(2, 2) = 2;
  EXPECT_EQ(SolveUnitColumn(GaussEliminate(k), 3, x), kModelCheckFailed);
  EXPECT_EQ(x[1], 7);
}

TEST(MatrixFiles, ReadBackOnlyAWholeFileOfTheSameSize) {
  const common::Position position = testing::TestPosition();
  mechanics::Matrix k(2);
  k(1, 1) = 1;
  k(1, 2) = 2;
  k(2, 1) = 3;
  k(2, 2) = 4;
  ASSERT_TRUE(WriteMatrixFile(position, "MTEMP", k).ok());
  EXPECT_EQ(plat::FileSize(position.File("MTEMP")), 48);

  mechanics::Matrix read(2);
  ASSERT_TRUE(ReadMatrixFile(position, "MTEMP", read));
  EXPECT_EQ(std::vector<double>(read.data(), read.data() + 6), (std::vector<double>{0, 1, 2, 0, 3, 4}));

  // Index 0 of a row is not read.
  const double rows[6] = {9, 1, 2, 9, 3, 4};
  ASSERT_TRUE(plat::WriteBlock(position.File("OLD"), rows, sizeof rows));
  ASSERT_TRUE(ReadMatrixFile(position, "OLD", read));
  EXPECT_EQ(read.row(1)[0], 0.0);
  EXPECT_EQ(read.row(2)[0], 0.0);

  mechanics::Matrix larger(3);
  larger(1, 1) = 5;
  EXPECT_FALSE(ReadMatrixFile(position, "MTEMP", larger));
  EXPECT_EQ(larger(1, 1), 5);
  EXPECT_FALSE(ReadMatrixFile(position, "MISSING", larger));
  EXPECT_EQ(larger(1, 1), 5);
}

TEST(InverseFiles, RankingFromTheLargestWithHigherEquationsFirstAmongEquals) {
  struct Case {
    std::vector<double> diagonal;
    std::vector<int> ranked;
  };
  const Case cases[] = {
      {{1, 3, 2}, {2, 3, 1}},
      {{1, 2, 2, 0.5}, {3, 2, 1, 4}},
      // Equal in single precision.
      {{1.0, 1.0 + 1e-12, 1.0 - 1e-12}, {3, 2, 1}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    mechanics::Vector d(static_cast<int>(c.diagonal.size()));
    for (int j = 1; j <= d.size(); ++j) d[j] = c.diagonal[static_cast<std::size_t>(j - 1)];
    EXPECT_EQ(RankByFlexibility(d), c.ranked);
  }
}

}  // namespace
}  // namespace kelmf
