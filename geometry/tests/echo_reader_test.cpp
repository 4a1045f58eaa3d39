// Rebuilding the model from a geometry echo text.
#include "geometry/echo/text_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geometry/echo/echo_cards.h"
#include "geometry/echo/echo_file.h"
#include "geometry/echo/echo_reader.h"
#include "geometry/tests/echo_fixture.h"
#include "platform/files.h"

namespace kelmf {
namespace {

using testing::Crlf;
using testing::kSmallFrame;
using testing::RebuildFromBytes;
using testing::StartModel;
using testing::TestPosition;

FrameModel Rebuilt(std::string_view text) {
  FrameModel model = StartModel();
  const common::Result result = RebuildFromBytes(model, TestPosition(), text);
  EXPECT_TRUE(result.ok()) << result.text();
  return model;
}

TEST(ConvertTextInput, ReadsEverySectionAndWritesTheModelFiles) {
  const common::Position position = TestPosition();
  FrameModel model = StartModel();
  ASSERT_TRUE(RebuildFromBytes(model, position, Crlf(kSmallFrame)).ok());

  EXPECT_EQ(model.params.title(), "Small frame");
  EXPECT_EQ(model.params.vertical_sign(), -1);
  EXPECT_EQ(model.params.angle_convention(), 1);
  ASSERT_EQ(model.materials.count(), 1);
  EXPECT_FLOAT_EQ(model.materials[1].modulus(), 3.0e7f);
  EXPECT_FLOAT_EQ(model.materials[1].second_value(), 0.2f);
  ASSERT_EQ(model.cross_sections.count(), 1);
  EXPECT_FLOAT_EQ(model.cross_sections[1].area(), 0.15f);
  EXPECT_FLOAT_EQ(model.cross_sections[1].inertia(), 3.125e-3f);
  ASSERT_EQ(model.elements.count(), 1);
  EXPECT_FLOAT_EQ(model.elements[1].xb(), 5.0f);
  EXPECT_FLOAT_EQ(model.elements[1].length(), 5.0f);
  EXPECT_FLOAT_EQ(model.elements[1].ea(), 3.0e7f * 0.15f);
  ASSERT_EQ(model.nodes.count(), 2);
  EXPECT_EQ(model.nodes[1].support_flag(1), 1);
  EXPECT_EQ(model.nodes[1].support_flag(3), 0);
  EXPECT_EQ(model.params.equation_count(), 6);
  ASSERT_EQ(model.supports.count(), 1);
  EXPECT_EQ(model.params.support_count(), 1);

  for (const char* file : {"MATR.12", "CROSS.12", "ELEMENTS.12", "NODES.12", "LKNOTENR.12"}) {
    EXPECT_TRUE(plat::FileExists(position.folder() + file)) << file;
  }
  const FrameModel stored = testing::LoadModelFiles(position);
  EXPECT_EQ(stored.elements.count(), 1);
  EXPECT_FLOAT_EQ(stored.elements[1].ea(), 3.0e7f * 0.15f);
  EXPECT_EQ(stored.nodes.count(), 2);
}

TEST(ConvertTextInput, CrLfAndLfReadAlikeAndTheLastLineKeepsItsLastDigit) {
  const std::string text = std::string(kSmallFrame) + "PARABOLA\n10.00 2.00 12";
  const FrameModel lf = Rebuilt(text);
  const FrameModel crlf = Rebuilt(Crlf(text));
  EXPECT_EQ(lf.parabola, (ParabolaInput{10.0f, 2.0f, 12}));
  EXPECT_EQ(crlf.parabola, lf.parabola);
  EXPECT_EQ(crlf.params.title(), "Small frame");
  EXPECT_TRUE(crlf.elements[1].bytes() == lf.elements[1].bytes());
  EXPECT_TRUE(crlf.nodes[1].bytes() == lf.nodes[1].bytes());
}

TEST(ConvertTextInput, CountLines) {
  struct Case {
    const char* count_line;
    int materials;
  };
  for (const Case& c : {Case{"n = 3", 3}, Case{"3 materials", 3}, Case{"1e2", 1}, Case{"-4", 4}, Case{"", 0}}) {
    const std::string text = std::string("MATERIAL\n") + c.count_line +
                             "\n1 1000.00 0\n2 2000.00 0\n3 3000.00 0\n4 4000.00 0\n5 5000.00 0\nELEMENTS\n0\n";
    const FrameModel model = Rebuilt(text);
    SCOPED_TRACE(c.count_line);
    if (c.materials == 0) {
      // No material is no model: the default material takes slot 1.
      ASSERT_EQ(model.materials.count(), 1);
      EXPECT_FLOAT_EQ(model.materials[1].modulus(), 26700000.0f);
    } else {
      ASSERT_EQ(model.materials.count(), c.materials);
      EXPECT_FLOAT_EQ(model.materials[c.materials].modulus(), 1000.0f * c.materials);
      EXPECT_EQ(model.materials[c.materials].number(), c.materials);
    }
  }
}

TEST(ConvertTextInput, AWordInAnElementLineReadsAsIfAbsent) {
  const common::ElementRecord e = ReadElementLine("1 x 0.00 0.00 5.00 0.00 0 0 1 1 1 2", {});
  EXPECT_FLOAT_EQ(e.xa(), 0.0f);
  EXPECT_FLOAT_EQ(e.xb(), 5.0f);
  EXPECT_FLOAT_EQ(e.zb(), 0.0f);
  EXPECT_EQ(e.hinge_a(), 0);
  EXPECT_EQ(e.material(), 1);
  EXPECT_EQ(e.cross_section(), 1);
  // The last two fields are the member flags; a number other than 0 reads 1.
  EXPECT_EQ(e.compression_flag(), 1);
  EXPECT_EQ(e.tension_flag(), 1);
}

TEST(ConvertTextInput, ElementLinesWithAndWithoutMemberFlags) {
  const common::ElementRecord flagged = ReadElementLine("2 1.50 -2.00 4.00 -2.00 1 0 2 3 0 1", {});
  EXPECT_FLOAT_EQ(flagged.za(), -2.0f);
  EXPECT_FLOAT_EQ(flagged.ya(), 2.0f);
  EXPECT_EQ(flagged.hinge_a(), 1);
  EXPECT_EQ(flagged.material(), 2);
  EXPECT_EQ(flagged.cross_section(), 3);
  EXPECT_EQ(flagged.compression_flag(), 0);
  EXPECT_EQ(flagged.tension_flag(), 1);
  // A line that stops before the flags is an ordinary member, not a member that
  // carries nothing.
  const common::ElementRecord short_line = ReadElementLine("3 0 0 5 0 0 0 1 1", {});
  EXPECT_EQ(short_line.compression_flag(), 1);
  EXPECT_EQ(short_line.tension_flag(), 1);
}

TEST(ConvertTextInput, AZeroHeightIsStoredAsAPositiveZero) {
  // A negative zero would print as "-0.000" in the load texts that show y.
  const common::ElementRecord e = ReadElementLine("1 0.00 0.00 5.00 -0.00 0 0 1 1 1 1", {});
  EXPECT_FALSE(std::signbit(e.ya()));
  EXPECT_FALSE(std::signbit(e.yb()));
  EXPECT_FALSE(std::signbit(ReadNodeLine("1 0.00 0.00  0.0000E+00  0.0000E+00  0.0000E+00").y()));
}

TEST(ConvertTextInput, ParabolaLineWithTwoWords) {
  EXPECT_EQ(ReadParabolaLine("10.00 x y 5"), (ParabolaInput{10.0f, 5.0f, 5}));
  const FrameModel model = Rebuilt(std::string(kSmallFrame) + "PARABOLA\n10.00 x y 5\n");
  EXPECT_EQ(model.parabola, (ParabolaInput{10.0f, 5.0f, 5}));
  EXPECT_EQ(Rebuilt(kSmallFrame).parabola, ParabolaInput{});
}

std::string Elements(int count, int lines) {
  std::string text = "ELEMENTS\n" + std::to_string(count) + "\n";
  for (int k = 1; k <= lines; ++k) {
    // Separate bars of 1 m, one above the other: two nodes each.
    const std::string z = std::to_string(-2 * k) + ".00";
    text += std::to_string(k) + " 0.00 " + z + " 1.00 " + z + " 0 0 1 1 1 1\n";
  }
  return text;
}

TEST(ConvertTextInput, AnElementCountOf120Reads100Elements) {
  const FrameModel model = Rebuilt(Elements(120, 120));
  ASSERT_EQ(model.elements.count(), 100);
  EXPECT_EQ(model.params.element_count(), 100);
  EXPECT_FLOAT_EQ(model.elements[100].za(), -200.0f);
}

TEST(ConvertTextInput, TwoHundredNodesWithTheirSupports) {
  std::string text = Elements(100, 100) + "NODES\n200\n";
  for (int k = 1; k <= 100; ++k) {
    const std::string z = std::to_string(-2 * k) + ".00";
    text += std::to_string(2 * k - 1) + " 0.00 " + z + "  1.0000E+00  0.0000E+00  0.0000E+00\n";
    text += std::to_string(2 * k) + " 1.00 " + z + "  0.0000E+00  5.0000E-01  0.0000E+00\n";
  }
  const FrameModel model = Rebuilt(Crlf(text));
  ASSERT_EQ(model.nodes.count(), 200);
  EXPECT_EQ(model.params.node_count(), 200);
  EXPECT_FLOAT_EQ(model.nodes[199].support(1), 1.0f);
  EXPECT_FLOAT_EQ(model.nodes[200].x(), 1.0f);
  EXPECT_FLOAT_EQ(model.nodes[200].z(), -200.0f);
  EXPECT_FLOAT_EQ(model.nodes[200].support(2), 0.5f);
  EXPECT_EQ(model.params.equation_count(), 600);
}

TEST(ConvertTextInput, AKeywordEndsASectionWhateverItsCount) {
  const FrameModel model = Rebuilt(
      "ELEMENTS\n5\n"
      "1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\n"
      "2 5.00 0.00 5.00 -3.00 0 0 1 1 1 1\n"
      "NODES\n3\n"
      "1 0.00 0.00  1.0000E+00  1.0000E+00  1.0000E+00\n"
      "2 5.00 0.00  0.0000E+00  0.0000E+00  0.0000E+00\n"
      "3 5.00 -3.00  0.0000E+00  1.0000E+00  0.0000E+00\n");
  ASSERT_EQ(model.elements.count(), 2);
  ASSERT_EQ(model.nodes.count(), 3);
  EXPECT_FLOAT_EQ(model.nodes[1].support(3), 1.0f);
  EXPECT_FLOAT_EQ(model.nodes[3].support(2), 1.0f);
}

TEST(ConvertTextInput, TheTitleLineIsNeverAKeywordNorAComment) {
  FrameModel model = Rebuilt(std::string("TITEL\nNODES\n") + (kSmallFrame + 18));
  EXPECT_EQ(model.params.title(), "NODES");
  EXPECT_EQ(model.nodes.count(), 2);
  EXPECT_EQ(model.nodes[1].support_flag(1), 1);

  model = Rebuilt("TITLE\n; Halle M\xFC" "ller, lower case\n");
  EXPECT_EQ(model.params.title(), "; Halle M\xFC" "ller, lower case");
}

TEST(ConvertTextInput, CommentLinesAreSkippedAnywhere) {
  const FrameModel model = Rebuilt(
      "; geometry of the small frame\n"
      "ELEMENTS\n; count follows\n2\n"
      "1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\n"
      ";2 9.00 9.00 9.00 9.00 0 0 1 1 1 1\n"
      "2 5.00 0.00 5.00 -3.00 0 0 1 1 1 1\n");
  ASSERT_EQ(model.elements.count(), 2);
  EXPECT_FLOAT_EQ(model.elements[2].zb(), -3.0f);
}

TEST(ConvertTextInput, LongLinesLongFieldsAndManyFieldsAreReadWhole) {
  const std::string title(240, 'T');
  const std::string padding(150, ' ');
  const std::string long_field = std::string(70, '0') + "5.00";
  std::string many_fields;
  for (int k = 0; k < 40; ++k) many_fields += " note";
  const FrameModel model = Rebuilt("TITEL\n" + title + "\nELEMENTS\n1\n1" + padding + "0.00 0.00 " + long_field +
                                   " 0.00 0 0 1 1 1 1\nNODES\n1\n1 0.00 0.00 1 1 1" + many_fields + "\n");
  EXPECT_EQ(model.params.title(), title);
  ASSERT_EQ(model.elements.count(), 1);
  EXPECT_FLOAT_EQ(model.elements[1].xb(), 5.0f);
  ASSERT_EQ(model.nodes.count(), 2);
  EXPECT_EQ(model.nodes[1].support_flag(3), 1);
}

TEST(ConvertTextInput, SupportValuesAreAbsoluteAndSpringsKeepTheirFlags) {
  const FrameModel model = Rebuilt(
      "ELEMENTS\n1\n1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\n"
      "NODES\n2\n"
      "1 0.00 0.00  -1.0000E+00  4.7000E-03  0.0000E+00\n"
      "2 5.00 0.00  0.0000E+00  -0.5  0.0000E+00\n"
      "SUPPORTS\n2\n"
      "1 -1.000000 0.004700 0.000000\n"
      "2 0.000000 -0.500000 0.000000\n");
  EXPECT_FLOAT_EQ(model.nodes[1].support(1), 1.0f);
  EXPECT_EQ(model.nodes[1].support_flag(1), 1);
  EXPECT_FLOAT_EQ(model.nodes[1].support(2), 0.0047f);
  EXPECT_EQ(model.nodes[1].support_flag(2), 1);
  EXPECT_FLOAT_EQ(model.nodes[2].support(2), 0.5f);
  ASSERT_EQ(model.supports.count(), 2);
  EXPECT_FLOAT_EQ(model.supports[1].support(1), 1.0f);
  EXPECT_EQ(model.supports[1].support_flag(2), 1);
  EXPECT_FLOAT_EQ(model.supports[1].support(2), 0.0047f);
  EXPECT_EQ(model.supports[1].support_flag(3), 0);
  EXPECT_FLOAT_EQ(model.supports[2].support(2), 0.5f);
}

TEST(ConvertTextInput, SupportsEndUpAtTheirPointsWhateverTheNodeOrder) {
  // The text lists the nodes in another order than the rebuild finds them.
  const FrameModel model = Rebuilt(
      "ELEMENTS\n2\n1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\n2 5.00 0.00 10.00 0.00 0 0 1 1 1 1\n"
      "NODES\n3\n"
      "1 10.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\n"
      "2 0.00 0.00  1.0000E+00  1.0000E+00  0.0000E+00\n"
      "3 5.00 0.00  0.0000E+00  0.0000E+00  0.0000E+00\n"
      "SUPPORTS\n2\n1 0 1 0\n2 1 1 0\n");
  ASSERT_EQ(model.nodes.count(), 3);  // found as x = 0, 5, 10
  EXPECT_EQ(model.nodes[1].support_flag(1), 1);
  EXPECT_EQ(model.nodes[2].support_flag(2), 0);
  EXPECT_EQ(model.nodes[3].support_flag(1), 0);
  EXPECT_EQ(model.nodes[3].support_flag(2), 1);
  ASSERT_EQ(model.supports.count(), 2);
  EXPECT_EQ(model.supports[1].node(), 3);
  EXPECT_EQ(model.supports[2].node(), 1);
}

TEST(ConvertTextInput, ASupportOfAnUnknownNodeChangesNothing) {
  const common::Position position = TestPosition();
  FrameModel model = StartModel();
  const common::Result result = RebuildFromBytes(
      model, position,
      "ELEMENTS\n1\n1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\nNODES\n1\n1 0.00 0.00 1 1 1\nSUPPORTS\n1\n7 1 1 1\n");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.text(), "Support 1: node 7 does not exist");
  EXPECT_EQ(model.elements.count(), 0);
  EXPECT_FALSE(plat::FileExists(position.folder() + "ELEMENTS.12"));
  EXPECT_FALSE(plat::FileExists(position.folder() + "MATR.12"));
}

TEST(ConvertTextInput, AnElementOfAMissingMaterialChangesNothing) {
  FrameModel model = StartModel();
  const common::Result result =
      RebuildFromBytes(model, TestPosition(), "ELEMENTS\n1\n1 0.00 0.00 5.00 0.00 0 0 3 1 1 1\n");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.text(), "Element 1: material 3 does not exist");
  EXPECT_EQ(model.elements.count(), 0);
}

// A number beyond a float in any section refuses the text, naming the line;
// the model and its files stay as they were.
TEST(ConvertTextInput, ANumberBeyondAFloatIsAnInputErrorNamingItsLine) {
  struct Case {
    const char* from;
    const char* to;
    const char* number;
  } cases[] = {
      {"1 30000000.00 0.200000", "1 1E+99 0.200000", nullptr},  // kDecimal: read as 1, no exponent
      {"1 0.300 0.500 1.5000E-01 3.1250E-03", "1 0.300 0.500 1E+99 3.1250E-03", "1E+99"},
      {"1 0.300 0.500 1.5000E-01 3.1250E-03", "1 0.300 0.500 1.5000E-01 1e999", "1E999"},
      {"1 0.00 0.00 5.00 0.00 0 0 1 1 1 1", "1 0.00 0.00 1234567890123456789012345678901234567890 0.00 0 0 1 1 1 1",
       "1234567890123456789012345678901234567890"},
      {"2 5.00 0.00  0.0000E+00", "2 5.00 0.00  1E+99", "1E+99"},
      {"1 0.00 0.00  1.0000E+00", "1 0.00 1e39  1.0000E+00", "1E39"},
      // Numbers that fit, whose EA (E times A) does not.
      {"1 0.300 0.500 1.5000E-01 3.1250E-03", "1 0.300 0.500 3E+38 3.1250E-03", ""},
  };
  for (const auto& c : cases) {
    std::string text = kSmallFrame;
    text.replace(text.find(c.from), std::string(c.from).size(), c.to);
    const common::Position position = TestPosition();
    plat::RemoveFile(position.folder() + "ELEMENTS.12");
    FrameModel model = StartModel();
    const common::Result result = RebuildFromBytes(model, position, text);
    if (!c.number) {
      EXPECT_TRUE(result.ok()) << c.to << ": " << result.text();
      continue;
    }
    ASSERT_FALSE(result.ok()) << c.to;
    const std::string line = text.substr(text.find(c.to), text.find('\n', text.find(c.to)) - text.find(c.to));
    EXPECT_EQ(result.text(), *c.number ? std::string("Input error: the number ") + c.number + " in the line \"" +
                                             line + "\" is too large."
                                       : std::string("Input error: element 1 gives numbers too large for the "
                                                     "files (its length, EA or EI)."));
    EXPECT_EQ(model.elements.count(), 0) << c.to;
    EXPECT_FALSE(plat::FileExists(position.folder() + "ELEMENTS.12")) << c.to;
  }
}

TEST(ReadEchoLines, ReadsThePositionFolderOnly) {
  const common::Position position = TestPosition();
  ASSERT_EQ(EchoFileName(position), "ECHO_G.12.TXT");
  const auto missing = ReadEchoLines(position, EchoFileName(position));
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.failure().text(),
            " Neither the file ECHO_G.12.TXT nor the following file exist\n" + position.folder() + "ECHO_G.12.TXT");
  EXPECT_EQ(missing.failure().caption(), "Hint");

  testing::WriteBytes(position.folder() + "ECHO_G.12.TXT", "ELEMENTS\n0\n");
  const auto read = ReadEchoLines(position, "ECHO_G.12.TXT");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read->lines, (std::vector<std::string>{"ELEMENTS", "0"}));
}

}  // namespace
}  // namespace kelmf
