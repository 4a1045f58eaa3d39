#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "common/position/model_defaults.h"
#include "common/records/frame_params.h"
#include "common/records/record_files.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace {

std::vector<std::uint8_t> Pattern744() {
  std::vector<std::uint8_t> bytes(744);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>((i * 7) & 0xFF);
  return bytes;
}

TEST(FrameParams, ReadAndWriteKeepsEveryByte) {
  const std::string in = plat::testing::TestFolder() + "PARAMR.1";
  const std::string out = plat::testing::TestFolder() + "PARAMR.2";
  const auto pattern = Pattern744();
  ASSERT_TRUE(plat::WriteBlock(in, pattern.data(), pattern.size()));

  auto read = common::ReadBlockRecord<common::FrameParams>(in);
  ASSERT_TRUE(read.status.ok());
  ASSERT_TRUE(common::WriteBlockRecord(out, read.record));
  auto written = plat::ReadWholeFile(out);
  ASSERT_TRUE(written.has_value());
  ASSERT_EQ(written->size(), 744u);
  for (std::size_t i = 0; i < 744; ++i) ASSERT_EQ(static_cast<std::uint8_t>((*written)[i]), pattern[i]) << i;
}

TEST(FrameParams, ResetClearsItsFieldsAndKeepsTheRest) {
  // The fields cleared on reset, as {offset, width} of the layout.
  const std::pair<int, int> cleared[] = {
      {0, 4},   {4, 4},   {12, 4},  {16, 2},  {20, 4},  {28, 4},   {32, 2},   {40, 2},  {44, 4},  {48, 4},
      {58, 2},  {62, 2},  {66, 16}, {82, 4},  {86, 4},  {90, 2},   {98, 2},   {130, 2}, {496, 8}, {504, 8},
      {520, 8}, {528, 8}, {536, 8}, {544, 16}, {560, 16}, {592, 16}, {664, 1}, {666, 2}, {668, 1}, {669, 1},
      {670, 1}, {672, 2}, {674, 1}, {675, 1}, {676, 1}, {677, 1},  {680, 1},  {681, 3}, {684, 1},
  };
  std::set<int> zero;
  for (auto [offset, width] : cleared) {
    for (int i = offset; i < offset + width; ++i) zero.insert(i);
  }

  const auto pattern = Pattern744();
  common::FrameParams params;
  std::memcpy(params.bytes().data(), pattern.data(), 744);
  common::ResetFrameParams(params);

  double tolerance;
  std::memcpy(&tolerance, params.bytes().data() + 512, 8);
  EXPECT_DOUBLE_EQ(tolerance, 1e-6);
  const std::uint8_t from679[] = {1, 0, 0, 0};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(static_cast<std::uint8_t>(params.bytes()[679 + i]), from679[i]) << 679 + i;
  EXPECT_EQ(params.node_count(), 0);

  for (int i = 0; i < 744; ++i) {
    const auto byte = static_cast<std::uint8_t>(params.bytes()[i]);
    if (zero.count(i)) {
      EXPECT_EQ(byte, 0) << "byte " << i << " is cleared on reset";
    } else if ((i < 512 || i >= 520) && i != 679) {
      EXPECT_EQ(byte, pattern[i]) << "byte " << i << " keeps what was read";
    }
  }
}

TEST(FrameParams, TitleWithoutTerminatorIsCutAtTheEndOfItsField) {
  const std::string path = plat::testing::TestFolder() + "PARAMR.1";
  std::vector<char> bytes(744, 0);
  for (int i = 136; i < 496; ++i) bytes[i] = 'A';  // no zero byte in the title
  bytes[496] = 'B';
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));

  auto read = common::ReadBlockRecord<common::FrameParams>(path);
  ASSERT_TRUE(read.status.ok());
  EXPECT_EQ(read.record.title(), std::string(359, 'A'));
  EXPECT_EQ(static_cast<char>(read.record.bytes()[495]), '\0');
  EXPECT_EQ(static_cast<char>(read.record.bytes()[496]), 'B');
}

TEST(FrameParams, ShortFileIsDamaged) {
  const std::string path = plat::testing::TestFolder() + "PARAMR.1";
  std::vector<char> bytes(700, 1);
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
  auto read = common::ReadBlockRecord<common::FrameParams>(path);
  EXPECT_TRUE(read.status.damaged());
  common::Result report = common::CheckFile(path, read.status);
  EXPECT_FALSE(report.ok());
  EXPECT_EQ(report.text(), "The file " + path + " is damaged: it holds 700 bytes instead of 744.");

  auto missing = common::ReadBlockRecord<common::FrameParams>(path + "X");
  EXPECT_TRUE(missing.status.missing());
  EXPECT_TRUE(common::CheckFile(path + "X", missing.status).ok());
  EXPECT_TRUE(missing.record == common::FrameParams());
}

TEST(ModelDefaults, MaterialAndCrossSection) {
  common::MaterialRecord m = common::DefaultMaterial();
  EXPECT_FLOAT_EQ(m.modulus(), 26700000.0f);
  EXPECT_FLOAT_EQ(m.second_value(), 0.0f);
  EXPECT_EQ(m.number(), 1);

  common::CrossSectionRecord c = common::DefaultCrossSection();
  EXPECT_FLOAT_EQ(c.width(), 0.2f);
  EXPECT_FLOAT_EQ(c.height(), 0.4f);
  EXPECT_FLOAT_EQ(c.area(), 0.08f);
  EXPECT_FLOAT_EQ(c.inertia(), 0.2f * 0.4f * 0.4f * 0.4f / 12.0f);
  EXPECT_FLOAT_EQ(c.further_value(), 50000.0f);
  EXPECT_EQ(c.number(), 1);
}

}  // namespace
