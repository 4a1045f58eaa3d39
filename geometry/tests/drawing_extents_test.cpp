// The drawing scale, and the extents written to EXTENSIOR and EXTENSIOPOLESR.
#include "geometry/model/drawing_extents.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/records/record_files.h"
#include "geometry/tests/frame_builder.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace kelmf {
namespace {

using testing::Frame;
using testing::TestPosition;

TEST(ChooseScale, FirstRowThatHoldsGivesTheScale) {
  struct Case {
    float xmin, zmin, xmax, zmax;
    int scale;
  };
  const Case cases[] = {
      {0, 0, 50, 30, 50},     {0, 0, 120, 5, 10},      {0, 0, 2, 2, 500},      {0, 0, 2, 5, 200},
      {0, 0, 45, 41, 25},     {0, 0, 11, 11, 100},     {0, 0, 100, 100, 20},   {0, 0, 5, 101, 10},
      {0, 0, 35, 31, 30},     {0, 0, 60, 40, 30},      {0, 0, 10, 10, 200},    {0, 0, 3, 2, 200},
      {1000, 1000, -1000, -1000, 10},  // the reset box: the spans count by their size
      {5, 5, 3, 4, 500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.xmin << "," << c.zmin << "," << c.xmax << "," << c.zmax);
    EXPECT_EQ(ChooseScale(common::DrawingExtents::Box(c.xmin, c.zmin, c.xmax, c.zmax)), c.scale);
  }
}

// The four floats of an extents file.
std::vector<float> ReadFloats(const std::string& path) {
  auto bytes = plat::ReadWholeFile(path);
  EXPECT_TRUE(bytes.has_value()) << path;
  if (!bytes) return {};
  std::vector<float> values(bytes->size() / 4);
  std::memcpy(values.data(), bytes->data(), values.size() * 4);
  return values;
}

TEST(DrawingExtents, WritesTheBoxOfXAndZOverAllEndsAndTheElements) {
  FrameModel model = Frame({{8, -3, 2, 1}, {2, 1, 2, 4}});
  const common::Position position = TestPosition();
  ASSERT_TRUE(WriteDrawingExtents(model, position).ok());
  EXPECT_EQ(ReadFloats(position.File("EXTENSIOR")), (std::vector<float>{2, -3, 8, 4}));
  EXPECT_FLOAT_EQ(model.extents.xmax(), 8.0f);
  // Element 1 was drawn right to left: its geometry was computed and stored.
  EXPECT_FLOAT_EQ(model.elements[1].xa(), 2.0f);
  auto stored = common::ReadTable<common::ElementTable>(position.File("ELEMENTS"));
  ASSERT_EQ(stored.table.count(), 2);
  EXPECT_FLOAT_EQ(stored.table[1].xa(), 2.0f);
  EXPECT_GT(stored.table[1].ea(), 0.0f);
}

TEST(DrawingExtents, WithoutElementsTheStartValuesAreWritten) {
  FrameModel model = Frame({});
  const common::Position position = TestPosition();
  ASSERT_TRUE(WriteDrawingExtents(model, position).ok());
  EXPECT_EQ(ReadFloats(position.File("EXTENSIOR")), (std::vector<float>{1e20f, 1e20f, -1e20f, -1e20f}));
}

TEST(DrawingExtents, ReadFillsBothCopiesAndChoosesTheScale) {
  const common::Position position = TestPosition();
  FrameModel model = Frame({});
  ASSERT_TRUE(ReadDrawingExtents(model, position).ok());  // missing: 0, 0, 50, 30
  EXPECT_EQ(model.extents, common::DrawingExtents::Default());
  EXPECT_EQ(model.editor.view_extents, common::DrawingExtents::Default());
  EXPECT_EQ(model.editor.drawing_scale, 50);

  const float box[] = {0, 0, 2, 5};
  ASSERT_TRUE(plat::WriteBlock(position.File("EXTENSIOR"), box, sizeof box));
  ASSERT_TRUE(ReadDrawingExtents(model, position).ok());
  EXPECT_FLOAT_EQ(model.editor.view_extents.zmax(), 5.0f);
  EXPECT_EQ(model.editor.drawing_scale, 200);
}

TEST(DrawingExtents, ShortFileIsReportedAndTheDefaultsHold) {
  const common::Position position = TestPosition();
  const float part[] = {0, 0, 2};
  ASSERT_TRUE(plat::WriteBlock(position.File("EXTENSIOR"), part, sizeof part));
  FrameModel model = Frame({});
  common::Result read = ReadDrawingExtents(model, position);
  ASSERT_FALSE(read.ok());
  EXPECT_NE(read.text().find(position.File("EXTENSIOR")), std::string::npos);
  EXPECT_EQ(model.extents, common::DrawingExtents::Default());
  EXPECT_EQ(model.editor.drawing_scale, 50);
}

TEST(PoleExtents, TheBoxTakesInThePolesOfTheElements) {
  FrameModel model = Frame({{0, 0, 4, 0}, {4, 0, 4, -3}, {4, -3, 8, -3}});
  PoleTable& poles = model.kinematics.poles;
  poles.SetCount(3);
  poles[1] = Pole{-2.0f, 1.0f, 0};
  poles[2] = Pole{4.0f, -9.0f, 0};
  poles[3] = Pole{-50.0f, 70.0f, 1};  // at infinity: its coordinates are left over, not taken
  poles[4] = Pole{100.0f, 100.0f, 0};  // no element 4: not taken
  const common::Position position = TestPosition();
  ASSERT_TRUE(WritePoleExtents(model, position).ok());
  EXPECT_EQ(ReadFloats(position.File("EXTENSIOPOLESR")), (std::vector<float>{-2, -9, 8, 1}));
  EXPECT_FLOAT_EQ(model.extents.xmin(), -2.0f);
}

TEST(ModelFiles, AFileThatCannotBeCreatedIsReported) {
  FrameModel model = Frame({{0, 0, 4, 0}});
  const common::Position nowhere(plat::testing::TestFolder() + "missing/", ".12");
  common::Result written = WriteDrawingExtents(model, nowhere);
  ASSERT_FALSE(written.ok());
  // The first file written: GEOMETRY 0 goes before the first model file that changes.
  EXPECT_EQ(written.text(), "The file " + nowhere.File("GEOMETRY") + " cannot be stored!");
  EXPECT_EQ(written.caption(), "Error");
}

}  // namespace
}  // namespace kelmf
