// Every number of a grid table is read at OK, whether typed, pasted or
// imported: a text that is not a number, or does not fit the file, is an
// input error naming its row and column, and nothing is stored.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/position/model_defaults.h"
#include "geometry/tables/table_dialogs.h"
#include "geometry/tables/table_stores.h"
#include "geometry/tables/table_text.h"
#include "geometry/tests/tables_fixture.h"
#include "platform/clipboard/data_object.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

using testing::ModelWithDefaults;
using testing::SetRow;

template <class Dialog>
std::unique_ptr<CTableDialog> Open(FrameModel& model, const common::Position& position, GridInputState& state) {
  auto dialog = std::make_unique<Dialog>(model, position, state);
  EXPECT_TRUE(dialog->Create());
  return dialog;
}

using Opener = std::function<std::unique_ptr<CTableDialog>(FrameModel&, const common::Position&, GridInputState&)>;

const std::string kForty(40, '9');

TEST(TableNumbers, ATextThatIsNoNumberOrTooLargeIsRefusedAndNothingIsStored) {
  struct Case {
    const char* name;
    Opener open;
    std::vector<std::string> row;  // row 1
    std::string message;
    std::string caption = "Input error";
  };
  const std::vector<std::string> element = {"0", "0", "4", "0", "1", "1", "1", "1", "0", "0"};
  auto with = [](std::vector<std::string> row, std::size_t at, std::string text) {
    row[at] = std::move(text);
    return row;
  };
  const Case cases[] = {
      {"forty digits", Open<CDiaElemente>, with(element, 0, kForty),
       "Row 1, column \"xa [m]\": \"" + kForty + "\" is too large for the files."},
      {"letters", Open<CDiaElemente>, with(element, 1, "abc"), "Row 1, column \"ya [m]\": \"abc\" is not a number."},
      {"digits and letters", Open<CDiaElemente>, with(element, 2, "4x"),
       "Row 1, column \"xb [m]\": \"4x\" is not a number."},
      {"a section number beyond int16", Open<CDiaElemente>, with(element, 5, "40000"),
       "Row 1, column \"Sect.\": \"40000\" is too large for the files."},
      {"an element without a length", Open<CDiaElemente>, with(with(element, 2, "0"), 3, "0"),
       "Input error: element 1 has no length: both its ends lie at x = 0.00, z = 0.00.", "Error"},
      {"an area beyond a float", Open<CDiaQuer>, {"0.2", "0.4", "1E39", "0.001"},
       "Row 1, column \"Area [m2]\": \"1E39\" is too large for the files."},
      {"a modulus of letters", Open<CDiaMaterial>, {"1", "abc"},
       "Row 1, column \"E-Modulus [kN/m2]\": \"abc\" is not a number."},
      {"a support factor", Open<CDiaKnoten>, {"0", "0", "nan", "1", "0"},
       "Row 1, column \"u\": \"nan\" is not a number."},
      {"a span end", Open<CDiaDLT>, {"inf"}, "Row 1, column \"x [m]\": \"inf\" is not a number."},
      {"a storey height", Open<CDiaRahmen>, {"1e39", "2", "5"},
       "Row 1, column \"Floor height [m]\": \"1e39\" is too large for the files."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const common::Position position = testing::FreshTablePosition("NUM");
    FrameModel model = ModelWithDefaults();
    GridInputState state;
    plat::testing::MessageBoxScript boxes;
    const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
    std::unique_ptr<CTableDialog> dialog = c.open(model, position, state);
    SetRow(dialog->grid(), 1, c.row);
    testing::ClickTableOk(*dialog);
    EXPECT_FALSE(dialog->Ended());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, c.message);
    EXPECT_EQ(boxes.shown()[0].caption, c.caption);
    EXPECT_EQ(plat::testing::SnapshotFolder(position.folder()), before);
  }
}

// Pasted and imported texts are read as typed ones are.
TEST(TableNumbers, PastedAndImportedTextsAreReadAtOk) {
  const common::Position position = testing::FreshTablePosition("NUMP");
  FrameModel model = ModelWithDefaults();
  GridInputState state;
  plat::testing::MessageBoxScript boxes;
  CDiaElemente pasted(model, position, state);
  ASSERT_TRUE(pasted.Create());
  SetRow(pasted.grid(), 1, {"0", "0", "4", "0", "1", "1", "1", "1", "0", "0"});
  ASSERT_TRUE(pasted.grid().PasteDataAtCell(1, 4, *plat::DataObject::FromText("abc")));
  testing::ClickTableOk(pasted);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "Row 1, column \"yb [m]\": \"abc\" is not a number.");

  const std::string file = plat::testing::TestFolder() + "imported.txt";
  ASSERT_TRUE(plat::WriteTextFile(file, "Element,xa\nElement,xa [m],ya [m],xb [m],yb [m],Mat.,Sect.,C,T,H left,H right\n"
                                        "1,0,0,4,0,1,2 1,1,1,0,0\n"));
  CDiaElemente imported(model, position, state);
  ASSERT_TRUE(imported.Create());
  ASSERT_TRUE(ReadTableText(imported.grid(), file));
  testing::ClickTableOk(imported);
  ASSERT_EQ(boxes.shown().size(), 2u);
  EXPECT_EQ(boxes.shown()[1].text, "Row 1, column \"Sect.\": \"2 1\" is not a number.");
  EXPECT_FALSE(plat::FileExists(position.File("ELEMENTS")));
}

// What reads stays as it was read before: a decimal comma, blanks around a
// number, a whole number written with a point, a concrete class in the
// material number column.
TEST(TableNumbers, NumbersAsTheTablesAlwaysTookThem) {
  const common::Position position = testing::FreshTablePosition("NUMOK");
  FrameModel model = ModelWithDefaults();
  const common::Result elements = StoreElementTable(
      model, position, {{" 0 ", "0", "4,5", "0", "1.0", "1", "1", "1", "0", "0"}});
  ASSERT_TRUE(elements.ok()) << elements.text();
  EXPECT_EQ(model.elements[1].xb(), 4.5f);
  EXPECT_EQ(model.elements[1].material(), 1);
  const common::Result materials = StoreMaterialTable(model, position, {{"C30/37", "2.83E7"}, {"2", "3e7"}});
  ASSERT_TRUE(materials.ok()) << materials.text();
  EXPECT_EQ(model.materials.count(), 2);
  EXPECT_EQ(model.materials[2].number(), 2);
  EXPECT_EQ(model.materials[1].modulus(), 2.83e7f);
}

}  // namespace
}  // namespace kelmf
