// The writer of ELEMENTS fills material, cross section, EA and EI.
#include "geometry/model/element_writer.h"

#include <gtest/gtest.h>

#include "common/records/record_files.h"
#include "geometry/tests/frame_builder.h"
#include "platform/files.h"

namespace kelmf {
namespace {

using testing::Frame;
using testing::TestPosition;

TEST(WriteElements, NumberZeroBecomesOneAndStiffnessComesFromMaterialAndSection) {
  FrameModel model = Frame({{0, 0, 5, 0}, {5, 0, 5, -3}});
  common::MaterialRecord steel;
  steel.set_modulus(2.1e8f);
  model.materials.Append(steel);
  common::CrossSectionRecord small;
  small.set_area(0.01f);
  small.set_inertia(2e-4f);
  model.cross_sections.Append(small);
  model.elements[1].set_material(0);
  model.elements[1].set_cross_section(0);
  model.elements[2].set_material(2);
  model.elements[2].set_cross_section(2);
  const common::Position position = TestPosition();

  ASSERT_TRUE(WriteElements(model, position).ok());
  auto stored = common::ReadTable<common::ElementTable>(position.File("ELEMENTS"));
  ASSERT_TRUE(stored.status.ok());
  ASSERT_EQ(stored.table.count(), 2);
  EXPECT_EQ(stored.table[1].material(), 1);
  EXPECT_EQ(stored.table[1].cross_section(), 1);
  EXPECT_FLOAT_EQ(stored.table[1].ea(), 26700000.0f * 0.08f);
  EXPECT_FLOAT_EQ(stored.table[1].ei(), 26700000.0f * 0.0010666667f);
  EXPECT_FLOAT_EQ(stored.table[2].ea(), 2.1e8f * 0.01f);
  EXPECT_FLOAT_EQ(stored.table[2].ei(), 2.1e8f * 2e-4f);
}

TEST(WriteElements, ANumberOutsideItsTableIsReportedAndNothingIsWritten) {
  struct Case {
    std::int16_t material, section;
    const char* text;
  };
  const Case cases[] = {
      {3, 1, "Element 2: material 3 does not exist"},
      {-1, 1, "Element 2: material -1 does not exist"},
      {1, 2, "Element 2: cross section 2 does not exist"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    FrameModel model = Frame({{0, 0, 5, 0}, {5, 0, 9, 0}});
    model.elements[1].set_material(0);
    model.elements[2].set_material(c.material);
    model.elements[2].set_cross_section(c.section);
    const common::Position position = TestPosition();
    common::Result written = WriteElements(model, position);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.text(), c.text);
    EXPECT_EQ(written.caption(), "Error");
    EXPECT_EQ(model.elements[1].material(), 0);  // no record changed
    EXPECT_EQ(model.elements[1].ea(), 0.0f);
    EXPECT_FALSE(plat::FileExists(position.File("ELEMENTS")));
  }
}

}  // namespace
}  // namespace kelmf
