// The Input panel in the editor: "&Dialog Input" with its model defaults, the
// panel's focus, its requests, and the elements table it opens once.
#include <gtest/gtest.h>

#include "common/position/model_defaults.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/tables/table_stores.h"
#include "geometry/editor/input_panel.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/position_fixture.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace kelmf {
namespace {

struct Editor : testing::OpenedEditor {
  explicit Editor(const common::Position& position) { EXPECT_TRUE(Open(testing::CommandLine(position))); }
  CKELMWView& view() { return static_cast<CKELMWView&>(*frame().GetActiveView()); }
};

TEST(InputPanel, DefaultsOfTheModel) {
  common::FrameParams params;
  params.set_material_input_flag_686(1);
  SetInputDefaults(params);
  EXPECT_EQ((params.At<std::int32_t, 108>()), 20);
  EXPECT_EQ((params.At<std::int16_t, 68>()), -1);
  EXPECT_EQ(params.default_modulus(), 2.49e7);
  common::FrameParams plain;
  SetInputDefaults(plain);
  EXPECT_EQ(plain.default_modulus(), 3.0e7);
  EXPECT_EQ((plain.At<std::int16_t, 68>()), 25);
  EXPECT_EQ((plain.At<std::int16_t, 112>()), 1);
  plain.set_default_modulus(5.0);
  plain.SetAt<std::int16_t, 68>(7);
  SetInputDefaults(plain);
  EXPECT_EQ((plain.At<std::int16_t, 68>()), 7);
}

TEST(InputPanel, OpensWithTheFocusOnTitleAndOpensTheElementsTableOnce) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  ASSERT_EQ(editor.session().model.elements.count(), 0);
  editor.Command(ids::kDialogInput);
  CDiaMain* panel = editor.view().panel();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(panel->panel_open());
  EXPECT_EQ(plat::Window::GetFocus(), panel->GetDlgItem(panel_ids::kTitle));
  EXPECT_EQ(panel->tips().GetToolCount(), 5);
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(*panel).Save(snapshots + "kelmf-input-panel.png").ok());

  panel->SendMessage(panel_ids::kPanelRequest, 12);
  plat::testing::PumpMessages();
  CDiaElemente* table = editor.view().elements_table();
  ASSERT_NE(table, nullptr);
  panel->SendMessage(panel_ids::kPanelRequest, 12);
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.view().elements_table(), table);

  // Stop closes the table; Escape closes the panel.
  table->SendMessage(plat::WM_COMMAND, table_ids::kStop, reinterpret_cast<plat::LPARAM>(table->GetDlgItem(2)));
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.view().elements_table(), nullptr);
  panel->SendMessage(plat::WM_COMMAND, plat::IDCANCEL, 0);
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.view().panel(), nullptr);
}

TEST(InputPanel, ARowHeadingOfTheNodesMarksItsPoint) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  EditorSession& session = editor.session();
  if (session.model.materials.empty()) session.model.materials.Append(common::DefaultMaterial());
  TableCells cells(100, std::vector<std::string>(10));
  cells[0] = {"0", "0", "4", "0", "1", "1", "1", "1", "0", "0"};
  cells[1] = {"4", "0", "4", "3", "1", "1", "1", "1", "0", "0"};
  ASSERT_TRUE(StoreElementTable(session.model, position, cells).ok());
  CDiaKnoten nodes(session.model, position, session.tables, &editor.view());
  ASSERT_TRUE(nodes.Create());
  plat::Rect heading;
  ASSERT_TRUE(nodes.grid().GetCellRect(3, 0, &heading));
  plat::testing::Click(nodes.grid(), {heading.left + 5, heading.top + 3});
  plat::testing::PumpMessages();
  ASSERT_TRUE(session.view.marked_point.has_value());
  EXPECT_EQ(*session.view.marked_point, (plat::PointD{4.0, 3.0}));
}

TEST(InputPanel, AnswersToRequests) {
  EXPECT_EQ(PanelAnswer(11), plat::WM_USER + 112);
  EXPECT_EQ(PanelAnswer(12), plat::WM_USER + 93);
  EXPECT_EQ(PanelAnswer(15), plat::WM_USER + 130);
  EXPECT_FALSE(PanelAnswer(16).has_value());
}

}  // namespace
}  // namespace kelmf
