// The store sequence around the echo text: listing, marker, parameters,
// equations, elements and the output list.
#include "geometry/echo/echo_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "geometry/model/node_rebuild.h"
#include "geometry/tests/echo_fixture.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace kelmf {
namespace {

using testing::Crlf;
using testing::Frame;
using testing::ReadBytes;
using testing::TestPosition;
using testing::WriteBytes;

template <class T>
T At(const std::string& bytes, std::size_t offset) {
  T value{};
  EXPECT_LE(offset + sizeof(T), bytes.size());
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

// An L of two elements over three nodes; a second material with the largest E
// and a second section with the largest A, used by no element.
FrameModel StoredFrame() {
  FrameModel model = Frame({{0, 0, 4, 0}, {4, 0, 4, -3}});
  common::MaterialRecord steel;
  steel.set_modulus(2.0e8f);
  steel.set_number(2);
  model.materials.Append(steel);
  common::CrossSectionRecord wide;
  wide.set_width(1.0f);
  wide.set_height(0.5f);
  wide.set_area(0.5f);
  wide.set_inertia(0.01f);
  wide.set_number(2);
  model.cross_sections.Append(wide);
  EXPECT_TRUE(RebuildTopology(model).ok());
  model.params.set_title("L frame");
  model.editor.model_changed = true;
  return model;
}

TEST(WriteEchoFile, WritesTheFilesOfAStore) {
  plat::testing::FakeClock clock(1700000000);
  FrameModel model = StoredFrame();
  const common::Position position = TestPosition();
  ASSERT_TRUE(WriteEchoFile(EchoFilePath(position), model, position).ok());

  EXPECT_TRUE(plat::FileExists(position.folder() + "ECHO_G.12.TXT"));
  EXPECT_FALSE(model.editor.model_changed);

  // GRAFIKGO.12: one int32, 1.
  const std::string marker = ReadBytes(position.folder() + "GRAFIKGO.12");
  ASSERT_EQ(marker.size(), 4u);
  EXPECT_EQ(At<std::int32_t>(marker, 0), 1);

  // PARAMR.12: counts, equations, title and max E * max A, at their offsets.
  const std::string params = ReadBytes(position.folder() + "PARAMR.12");
  ASSERT_EQ(params.size(), 744u);
  EXPECT_EQ(At<std::int16_t>(params, 38), 9);
  EXPECT_EQ(At<std::int16_t>(params, 132), 9);
  EXPECT_EQ(At<std::int16_t>(params, 124), 2);
  EXPECT_EQ(At<std::int16_t>(params, 126), 2);
  EXPECT_EQ(At<std::int16_t>(params, 128), 2);
  EXPECT_EQ(At<std::int16_t>(params, 130), 3);
  EXPECT_EQ(At<std::int16_t>(params, 702), 0);
  EXPECT_STREQ(params.c_str() + 136, "L frame");
  EXPECT_FLOAT_EQ(At<float>(params, 704), 1.0e8f);

  // DOFSK.12: no count, one 12-byte record per equation: node, equation, kind.
  const std::string dofs = ReadBytes(position.folder() + "DOFSK.12");
  ASSERT_EQ(dofs.size(), 9u * 12u);
  EXPECT_EQ(At<std::int32_t>(dofs, 36), 2);  // equation 4: u of node 2
  EXPECT_EQ(At<std::int32_t>(dofs, 40), 4);
  EXPECT_EQ(At<std::int32_t>(dofs, 44), 1);
  EXPECT_EQ(At<std::int32_t>(dofs, 96), 3);  // equation 9: rotation of node 3
  EXPECT_EQ(At<std::int32_t>(dofs, 100), 9);
  EXPECT_EQ(At<std::int32_t>(dofs, 104), 3);

  // ELEMENTS.12 with EA at 140 and EI at 144 of each record (after the count).
  const std::string elements = ReadBytes(position.folder() + "ELEMENTS.12");
  ASSERT_EQ(elements.size(), 2u + 2u * 148u);
  EXPECT_FLOAT_EQ(At<float>(elements, 2 + 140), 26700000.0f * 0.08f);
  EXPECT_FLOAT_EQ(At<float>(elements, 2 + 144), 26700000.0f * 0.0010666667f);

  // FILES: the line of the dimension listing.
  EXPECT_EQ(ReadBytes(position.folder() + "FILES"),
            "              D1                                Dimensions\r\n");

  const std::string listing = ReadBytes(position.folder() + "D1.TXT");
  for (const char* text : {
           "Frame Analysis", "L frame",
           "Material  1  E-Modulus = 2.6700E+07 kN/m2\r\n",
           "Material  2  E-Modulus = 2.0000E+08 kN/m2\r\n",
           "Nr.  xa [m]  ya [m]   xb [m]  yb [m]     Nodes     Mat.  C.Sect.   C    T    H left  H right\r\n",
           "The stiffness of a rigid support equals:  max E * max A = ",
           "The effective support stiffness in kN/m (or kNm) is the table entry * ",
       }) {
    EXPECT_NE(listing.find(text), std::string::npos) << text << "\n" << listing;
  }
  EXPECT_NE(listing.find(plat::LocalDateText()), std::string::npos);
}

TEST(WriteEchoFile, AnExistingOutputListStaysAsItIs) {
  FrameModel model = StoredFrame();
  const common::Position position = TestPosition();
  const std::string files = Crlf("              D1                                Dimensions\n"
                                 "              D2                                Load cases       \n");
  WriteBytes(position.folder() + "FILES", files);
  ASSERT_TRUE(WriteEchoFile(EchoEditFilePath(position), model, position).ok());
  EXPECT_EQ(ReadBytes(position.folder() + "FILES"), files);
  EXPECT_TRUE(plat::FileExists(position.folder() + "ECHO_G.TMP.TXT"));
}

TEST(WriteEchoFile, AnEchoThatCannotBeWrittenIsReportedAndTheRestIsStored) {
  FrameModel model = StoredFrame();
  const common::Position position = TestPosition();
  const std::string path = position.folder() + "missing/ECHO_G.12.TXT";
  const common::Result result = WriteEchoFile(path, model, position);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.text(), "The file " + path + " cannot be stored!");
  EXPECT_TRUE(model.editor.model_changed);
  EXPECT_TRUE(plat::FileExists(position.folder() + "PARAMR.12"));
  EXPECT_TRUE(plat::FileExists(position.folder() + "DOFSK.12"));
  EXPECT_TRUE(plat::FileExists(position.folder() + "ELEMENTS.12"));
}

TEST(WriteEchoFile, AMaterialOutsideItsTableIsReportedAndTheListingStillWritten) {
  for (const std::int16_t material : {std::int16_t{-3}, std::int16_t{7}}) {
    SCOPED_TRACE(material);
    FrameModel model = StoredFrame();
    model.elements[2].set_material(material);
    const common::Position position = TestPosition();
    const common::Result result = WriteEchoFile(EchoFilePath(position), model, position);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.text(), "Element 2: material " + std::to_string(material) + " does not exist");
    EXPECT_NE(ReadBytes(position.folder() + "D1.TXT").find("Material  2  E-Modulus"), std::string::npos);
  }
}

}  // namespace
}  // namespace kelmf
