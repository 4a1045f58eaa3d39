// The generators' input files: DLT, RAHMENDAT, BOGEN, byte for byte.
#include "geometry/generators/generator_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "geometry/tests/frame_builder.h"
#include "platform/binary_io.h"

namespace kelmf {
namespace {

using testing::TestPosition;

template <class T>
T ValueAt(const std::vector<std::byte>& bytes, std::size_t offset) {
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

SpanRecord Span(std::int32_t number, float x) {
  SpanRecord s;
  s.set_number(number);
  s.set_x_end(x);
  return s;
}

TEST(SpanFile, ThreeSpansTake26BytesAndReadBack) {
  const common::Position position = TestPosition();
  FrameModel model;
  for (int k = 1; k <= 3; ++k) model.spans.Append(Span(k, std::vector<float>{4.0f, 7.5f, 12.3f}[k - 1]));
  ASSERT_TRUE(WriteSpanFile(model, position).ok());

  auto bytes = plat::ReadWholeFile(position.File("DLT"));
  ASSERT_TRUE(bytes.has_value());
  ASSERT_EQ(bytes->size(), 26u);
  EXPECT_EQ(ValueAt<std::int16_t>(*bytes, 0), 3);
  EXPECT_EQ(ValueAt<std::int32_t>(*bytes, 2), 1);
  EXPECT_EQ(ValueAt<float>(*bytes, 6), 4.0f);
  EXPECT_EQ(ValueAt<std::int32_t>(*bytes, 10), 2);
  EXPECT_EQ(ValueAt<float>(*bytes, 14), 7.5f);
  EXPECT_EQ(ValueAt<std::int32_t>(*bytes, 18), 3);
  EXPECT_EQ(ValueAt<float>(*bytes, 22), 12.3f);

  FrameModel read;
  ASSERT_TRUE(ReadSpanFile(read, position).ok());
  ASSERT_EQ(read.spans.count(), 3);
  EXPECT_EQ(read.params.Get<std::int16_t>(698), 3);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(read.spans[k], model.spans[k]);
}

TEST(StoreyFile, RecordsOf16BytesReadBack) {
  const common::Position position = TestPosition();
  FrameModel model;
  StoreyRecord storey;
  storey.set_height(3.5f);
  storey.set_spacing(6.0f);
  storey.set_piers(4);
  storey.set_number(1);
  model.storeys.Append(storey);
  storey.set_number(2);
  storey.set_piers(2);
  model.storeys.Append(storey);
  ASSERT_TRUE(WriteStoreyFile(model, position).ok());

  auto bytes = plat::ReadWholeFile(position.File("RAHMENDAT"));
  ASSERT_TRUE(bytes.has_value());
  ASSERT_EQ(bytes->size(), 34u);
  EXPECT_EQ(ValueAt<std::int16_t>(*bytes, 0), 2);
  EXPECT_EQ(ValueAt<float>(*bytes, 2), 3.5f);
  EXPECT_EQ(ValueAt<float>(*bytes, 6), 6.0f);
  EXPECT_EQ(ValueAt<std::int32_t>(*bytes, 10), 4);
  EXPECT_EQ(ValueAt<std::int32_t>(*bytes, 14), 1);
  EXPECT_EQ(ValueAt<std::int32_t>(*bytes, 26), 2);  // piers of storey 2
  EXPECT_EQ(ValueAt<std::int32_t>(*bytes, 30), 2);  // its number

  FrameModel read;
  ASSERT_TRUE(ReadStoreyFile(read, position).ok());
  ASSERT_EQ(read.storeys.count(), 2);
  EXPECT_EQ(read.params.Get<std::int16_t>(700), 2);
  EXPECT_EQ(read.storeys[2], model.storeys[2]);
}

TEST(SpanFile, MissingIsEmptyAndDamagedIsReported) {
  const common::Position position = TestPosition();
  FrameModel model;
  model.spans.Append(Span(1, 6.0f));
  ASSERT_TRUE(ReadSpanFile(model, position).ok());
  EXPECT_EQ(model.spans.count(), 0);

  // The count claims 5 records, 1 is present.
  model.spans.Append(Span(1, 6.0f));
  std::vector<std::byte> bytes(2 + 8);
  const std::int16_t count = 5;
  std::memcpy(bytes.data(), &count, 2);
  ASSERT_TRUE(plat::WriteBlock(position.File("DLT"), bytes.data(), bytes.size()));
  common::Result read = ReadSpanFile(model, position);
  EXPECT_FALSE(read.ok());
  EXPECT_NE(read.text().find(position.File("DLT")), std::string::npos) << read.text();
  EXPECT_EQ(model.spans.count(), 1);
}

TEST(ArcInputFile, DefaultWhenMissingAndFourValuesInOrder) {
  const common::Position position = TestPosition();
  const ArcInput first = ReadArcInput(position);
  EXPECT_EQ(first.radius(), 10.0f);
  EXPECT_EQ(first.left_angle(), 180.0f);
  EXPECT_EQ(first.right_angle(), 0.0f);
  EXPECT_EQ(first.segments(), 48);

  ArcInput arc;
  arc.set_radius(7.5f);
  arc.set_left_angle(150.0f);
  arc.set_right_angle(30.0f);
  arc.set_segments(12);
  ASSERT_TRUE(WriteArcInput(arc, position).ok());
  auto bytes = plat::ReadWholeFile(position.File("BOGEN"));
  ASSERT_TRUE(bytes.has_value());
  ASSERT_EQ(bytes->size(), 16u);
  EXPECT_EQ(ValueAt<float>(*bytes, 0), 7.5f);
  EXPECT_EQ(ValueAt<float>(*bytes, 4), 150.0f);
  EXPECT_EQ(ValueAt<float>(*bytes, 8), 30.0f);
  EXPECT_EQ(ValueAt<std::int32_t>(*bytes, 12), 12);
  EXPECT_EQ(ReadArcInput(position), arc);

  // A file too short to hold an arc gives the default.
  ASSERT_TRUE(plat::WriteBlock(position.File("BOGEN"), bytes->data(), 8));
  EXPECT_EQ(ReadArcInput(position), ArcInput::Default());
}

}  // namespace
}  // namespace kelmf
