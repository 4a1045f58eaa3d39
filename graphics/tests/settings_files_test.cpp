// The viewer's remembered settings: PSCALA, MMGRAFIKR1, the remembered diagram scales and
// "Scales", byte by byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "common/position/file_names.h"
#include "common/print_scales_file.h"
#include "graphics/settings/graphics_settings_file.h"
#include "graphics/settings/print_scales.h"
#include "graphics/settings/small_settings_files.h"
#include "graphics/tests/viewer_fixture.h"
#include "platform/binary_io.h"

namespace revuzavi {
namespace {

using zedir::testing::DoubleAt;
using zedir::testing::FileBytes;
using zedir::testing::FloatAt;

template <class T>
void Put(std::vector<std::byte>& bytes, std::size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

ViewerState StateIn(const testing::ViewerPosition& p) {
  ViewerState state;
  state.position = p.pos.position();
  state.settings = common::SettingsContext::Discover();
  return state;
}

std::string SettingsFile(const ViewerState& state, const char* name) {
  return common::JoinSettingsPath(state.settings, name);
}

TEST(ReadPrintScales, AMissingFileIsWrittenWithTheDefaultBytes) {
  testing::ViewerPosition p;
  ViewerState state = StateIn(p);
  EXPECT_TRUE(ReadPrintScales(state).ok());
  const std::vector<std::byte> bytes = FileBytes(SettingsFile(state, "PSCALA"));
  ASSERT_EQ(bytes.size(), 100u);
  const unsigned char head[56] = {0x04, 0x00, 0x01, 0x00, 0x02, 0x00, 0x52, 0xa9, 0xf0, 0xc4, 0x25, 0xe5, 0xaa, 0x00,
                                  0x5b, 0x02, 0x00, 0x00, 0xae, 0x56, 0x10, 0x3b, 0xdb, 0x1a, 0x0a, 0x3c, 0x6b, 0x29,
                                  0x00, 0x00, 0x84, 0xc2, 0xf8, 0xd5, 0x85, 0xd5, 0x5a, 0x02, 0x09, 0x02, 0x00, 0x00,
                                  0x7c, 0x3d, 0x08, 0x2a, 0x7b, 0x2a, 0x6a, 0x29, 0x29, 0x1e, 0x00, 0x00, 0x00, 0x00};
  EXPECT_EQ(std::memcmp(bytes.data(), head, sizeof head), 0);
  EXPECT_DOUBLE_EQ(DoubleAt(bytes, 56), 0.1);
  EXPECT_DOUBLE_EQ(DoubleAt(bytes, 64), 1.0);
  EXPECT_DOUBLE_EQ(DoubleAt(bytes, 72), 1.0);
  EXPECT_DOUBLE_EQ(DoubleAt(bytes, 80), 1.0);
  EXPECT_EQ(std::to_integer<int>(bytes[88]), 1);
  EXPECT_EQ(std::to_integer<int>(bytes[90]), 0);
  EXPECT_FLOAT_EQ(FloatAt(bytes, 92), 1.0f);
  for (std::size_t k = 96; k < 100; ++k) EXPECT_EQ(std::to_integer<int>(bytes[k]), 0) << k;
  EXPECT_FLOAT_EQ(state.text_scale, 1.0f);
}

// Below a tenth reads as one, beyond ten as ten; a factor that is not a number marks the file as
// damaged, read as one, and the file keeps its bytes.
TEST(ReadPrintScales, ATextScaleOutsideItsRangeIsCutAndOneNotFiniteIsNamed) {
  testing::ViewerPosition p;
  ViewerState state = StateIn(p);
  struct Case {
    double stored, read;
    bool damaged;
  };
  const double inf = std::numeric_limits<double>::infinity();
  for (const Case c : {Case{0.05, 1.0, false}, Case{0.1, 0.1, false}, Case{1.5, 1.5, false}, Case{1e300, 10.0, false},
                       Case{inf, 1.0, true}, Case{-inf, 1.0, true}, Case{std::nan(""), 1.0, true}}) {
    common::PrintScales scales = common::PrintScales::Default();
    scales.set_text_scale(c.stored);
    const std::string path = SettingsFile(state, "PSCALA");
    ASSERT_TRUE(common::WritePrintScalesFile(path, scales));
    const std::vector<std::byte> written = FileBytes(path);
    const common::Result read = ReadPrintScales(state);
    EXPECT_EQ(read.ok(), !c.damaged) << c.stored;
    if (c.damaged) {
      EXPECT_EQ(read.text(), "The file " + path + " is damaged: its text factor is not a finite number. The factor 1 is drawn.");
    }
    EXPECT_DOUBLE_EQ(state.print_scales.text_scale(), c.read) << c.stored;
    EXPECT_FLOAT_EQ(state.text_scale, static_cast<float>(c.read));
    EXPECT_EQ(FileBytes(path), written) << c.stored;
  }
}

// Bytes beyond the block (the shell's value) survive a rewrite.
TEST(WritePrintScalesFile, KeepsTheBytesBeyondTheBlock) {
  testing::ViewerPosition p;
  ViewerState state = StateIn(p);
  std::vector<std::byte> bytes(104, std::byte{0x11});
  Put(bytes, 100, 2.5f);
  const std::string path = SettingsFile(state, "PSCALA");
  plat::WriteBlock(path, bytes.data(), bytes.size());
  common::PrintScales scales = *common::ReadPrintScalesFile(path);
  scales.set_text_scale(0.7);
  ASSERT_TRUE(common::WritePrintScalesFile(path, scales));
  const std::vector<std::byte> written = FileBytes(path);
  ASSERT_EQ(written.size(), 104u);
  EXPECT_DOUBLE_EQ(DoubleAt(written, 80), 0.7);
  EXPECT_EQ(std::to_integer<int>(written[79]), 0x11);
  EXPECT_FLOAT_EQ(FloatAt(written, 100), 2.5f);
}

TEST(ReadGraphicsSettings, CorrectsTheBlockAsItIsRead) {
  struct Case {
    const char* name;
    std::size_t offset;
    std::int32_t value;
  };
  for (const Case c : {Case{"count 0", 0, 0}, Case{"-3 at 12", 12, -3}, Case{"style 2", 20, 2}}) {
    testing::ViewerPosition p;
    ViewerState state = StateIn(p);
    std::vector<std::byte> bytes(184);
    Put(bytes, 0, std::int32_t{7});
    Put(bytes, 68, 3.0f);
    Put(bytes, 72, 2.0f);
    Put(bytes, 100, 2.0f);
    Put(bytes, c.offset, c.value);
    plat::WriteBlock(SettingsFile(state, "MMGRAFIKR1"), bytes.data(), bytes.size());
    ReadGraphicsSettings(state);
    const GraphicsSettings& g = state.graphics;
    if (c.offset == 0) {
      EXPECT_EQ(g.view_count_setting(), 5);
      EXPECT_FLOAT_EQ(g.scale_68(), 1.0f);
    } else {
      EXPECT_EQ(g.view_count_setting(), 7) << c.name;
      EXPECT_FLOAT_EQ(g.scale_68(), 3.0f) << c.name;
    }
    EXPECT_EQ(g.view_setting_12(), c.offset == 12 ? 6 : 0) << c.name;
    EXPECT_EQ(state.page_head_style, c.offset == 20 ? 2 : 0) << c.name;
    const PageMargins m = state.page_margins;
    if (c.offset == 20) {
      EXPECT_FLOAT_EQ(m.left, 0.02f);
      EXPECT_FLOAT_EQ(m.right, 0.9f);
      EXPECT_FLOAT_EQ(m.height, 0.75f);
    } else {
      EXPECT_FLOAT_EQ(m.left, 0.05f) << c.name;
      EXPECT_FLOAT_EQ(m.right, 0.95f) << c.name;
      EXPECT_FLOAT_EQ(m.height, 0.8f) << c.name;
    }
  }
}

TEST(ReadGraphicsSettings, FactorsBelowTheToleranceAndAMissingFile) {
  testing::ViewerPosition p;
  ViewerState state = StateIn(p);
  state.params.set_tolerance(0.01);
  ReadGraphicsSettings(state);
  EXPECT_EQ(state.page_head_style, 1);
  EXPECT_EQ(state.graphics.bytes(), GraphicsSettings::Default().bytes());
  EXPECT_EQ(state.graphics.Get<std::int32_t>(4), 20);
  EXPECT_FLOAT_EQ(state.graphics.Get<float>(64), 0.5f);
  EXPECT_EQ(state.graphics.Get<std::int32_t>(180), 1);

  std::vector<std::byte> bytes(184);
  Put(bytes, 0, std::int32_t{5});
  Put(bytes, 72, 0.001f);
  Put(bytes, 100, 0.005f);
  Put(bytes, 116, std::uint8_t{1});
  plat::WriteBlock(SettingsFile(state, "MMGRAFIKR1"), bytes.data(), bytes.size());
  ReadGraphicsSettings(state);
  EXPECT_FLOAT_EQ(state.graphics.scale_72(), 1.0f);
  EXPECT_FLOAT_EQ(state.graphics.scale_100(), 0.5f);
  EXPECT_EQ(state.solid_band_mirror, 1);
  ASSERT_TRUE(WriteGraphicsSettings(state));
  EXPECT_FLOAT_EQ(FloatAt(FileBytes(SettingsFile(state, "MMGRAFIKR1")), 72), 1.0f);
}

TEST(RememberedScales, TheWriterClampsTheTwoFactorsTheReaderEveryScale) {
  testing::ViewerPosition p;
  ViewerState state = StateIn(p);
  EXPECT_FALSE(ReadRememberedScales(state, 3).has_value());
  RememberedScales scales;
  const float values[12] = {5000, 0.001f, 20, 0.0f, 7, 0.5f, 0.25f, 0.0001f, 2000, 1, 2, 3};
  for (int k = 1; k <= 12; ++k) scales.set_field(k, values[k - 1]);
  ASSERT_TRUE(WriteRememberedScales(state, 3, scales));
  RememberedScales none = scales;  // a zero diagram scale is read as the smallest
  none.set_field(3, 0.0f);
  ASSERT_TRUE(WriteRememberedScales(state, 4, none));
  EXPECT_FLOAT_EQ((*ReadRememberedScales(state, 4))[2], 1e-6f);
  const std::vector<std::byte> bytes = FileBytes(p.pos.File("MEMSCALEGLF13"));
  ASSERT_EQ(bytes.size(), 48u);
  EXPECT_FLOAT_EQ(FloatAt(bytes, 16), 1.0f);
  EXPECT_FLOAT_EQ(FloatAt(bytes, 28), 0.001f);
  EXPECT_FLOAT_EQ(FloatAt(bytes, 0), 5000.0f);
  EXPECT_FLOAT_EQ(FloatAt(bytes, 44), 3.0f);

  const auto read = ReadRememberedScales(state, 3);
  ASSERT_TRUE(read.has_value());
  const std::array<float, 9> expected = {1000, 0.001f, 20, 0.01f, 1, 0.5f, 0.25f, 0.001f, 1000};
  for (std::size_t k = 0; k < 9; ++k) EXPECT_FLOAT_EQ((*read)[k], expected[k]) << k;
}

TEST(ReadReanalysisScales, AMissingFileIsCreatedAndItsFirstFloatRead) {
  testing::ViewerPosition p;
  ViewerState state = StateIn(p);
  ReadReanalysisScales(state);
  const std::vector<std::byte> bytes = FileBytes(p.pos.position().FolderFile("Scales"));
  ASSERT_EQ(bytes.size(), 20u);
  EXPECT_FLOAT_EQ(FloatAt(bytes, 4), 1e-7f);
  EXPECT_FLOAT_EQ(FloatAt(bytes, 8), 1e-9f);
  std::int32_t ints[2];
  std::memcpy(ints, bytes.data() + 12, sizeof ints);
  EXPECT_EQ(ints[0], 100000);
  EXPECT_EQ(ints[1], 500000);
  EXPECT_TRUE(state.scales_factor_zero);

  std::vector<std::byte> changed = bytes;
  Put(changed, 0, 0.5f);
  plat::WriteBlock(p.pos.position().FolderFile("Scales"), changed.data(), changed.size());
  ReadReanalysisScales(state);
  EXPECT_FLOAT_EQ(state.scales_factor, 0.5f);
  EXPECT_FALSE(state.scales_factor_zero);
}

// ISEITE and CLIP are counted on by one: a count a step below the largest int is read as
// 999999999, so that counting on stays a number.
TEST(ReadPageCounters, ACountNearTheLargestIntIsReadAsTheLargestCount) {
  testing::ViewerPosition p;
  ViewerState state = StateIn(p);
  struct Case {
    std::int32_t stored, read;
  };
  for (const Case c : {Case{7, 7}, Case{999999999, 999999999}, Case{2147483647, 999999999}}) {
    ASSERT_TRUE(plat::WriteBlock(state.position.File("ISEITE"), &c.stored, sizeof c.stored));
    ASSERT_TRUE(plat::WriteBlock(state.position.File("CLIP"), &c.stored, sizeof c.stored));
    ReadPageCounters(state);
    EXPECT_EQ(state.page_number, c.read) << c.stored;
    EXPECT_EQ(state.picture_counter, c.read) << c.stored;
  }
}

}  // namespace
}  // namespace revuzavi
