// The generator dialogs of the Input panel: the continuous beam and the
// storey frame tables, the arc and the parabola fields, each run from the
// panel's buttons.
#include <gtest/gtest.h>

#include "common/position/model_defaults.h"
#include "geometry/editor/generator_dialogs.h"
#include "geometry/editor/input_panel.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/generators/generator_files.h"
#include "geometry/tables/table_dialogs.h"
#include "geometry/tables/table_stores.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/frame_builder.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/tests/position_fixture.h"
#include "geometry/tests/tables_fixture.h"
#include "grid/grid_notify.h"
#include "platform/files.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
namespace {

using testing::ModelWithDefaults;

TableCells Column(std::vector<std::vector<std::string>> rows, int width) {
  TableCells cells(100, std::vector<std::string>(static_cast<std::size_t>(width)));
  for (std::size_t r = 0; r < rows.size(); ++r) cells[r] = rows[r];
  return cells;
}

using testing::ClickTableOk;
using testing::SaveSnapshot;
using testing::TypeInGrid;

TEST(GeneratorDialogs, BeamProposesEqualSpansAndGeneratesFromTheTable) {
  const common::Position position = testing::FreshTablePosition("GBEAM");
  plat::RemoveFile(position.File("DLT"));
  FrameModel model = ModelWithDefaults();
  GridInputState state;
  CDiaDLT dialog(model, position, state);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(state.active_table, GridTable::kContinuousBeam);
  TypeInGrid(dialog.grid(), "4");
  TypeInGrid(dialog.grid(), "");
  EXPECT_EQ(dialog.grid().GetItemText(2, 1), "8.00");
  EXPECT_EQ(dialog.grid().GetItemText(3, 1), "12.00");
  EXPECT_EQ(dialog.grid().GetItemText(4, 1), "");
  SaveSnapshot(dialog, "kelmf-continuous-beam.png");

  dialog.grid().SetItemText(2, 1, "7,5");
  dialog.grid().SetItemText(3, 1, "12.3");
  ClickTableOk(dialog);
  EXPECT_TRUE(dialog.Ended());
  ASSERT_EQ(model.elements.count(), 3);
  const float ends[][2] = {{0.0f, 4.0f}, {4.0f, 7.5f}, {7.5f, 12.3f}};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(model.elements[i].xa(), ends[i - 1][0]);
    EXPECT_EQ(model.elements[i].xb(), ends[i - 1][1]);
    EXPECT_EQ(model.elements[i].za(), 0.0f);
    EXPECT_EQ(model.elements[i].zb(), 0.0f);
  }
  EXPECT_EQ(testing::ReadAll(position.File("DLT")).size(), 26u);
  FrameModel read;
  ASSERT_TRUE(ReadSpanFile(read, position).ok());
  ASSERT_EQ(read.spans.count(), 3);
  EXPECT_EQ(read.spans[3].number(), 3);
  EXPECT_EQ(read.spans[2].x_end(), 7.5f);
  EXPECT_EQ((model.params.At<std::uint8_t, 665>()), 1);
  EXPECT_EQ((model.params.At<std::int16_t, 696>()), -1);
  EXPECT_EQ(testing::GeometryMarker(position), 0);
}

TEST(GeneratorDialogs, RefusedSpansChangeNothing) {
  const struct {
    std::vector<std::vector<std::string>> rows;
    const char* message;
  } cases[] = {
      {{{"4.0"}, {"4.0"}}, "Coordinates of field ends must be increasing, x1 < x2 < x3 ..."},
      {{{"0"}}, "Zero length of field 1"},
  };
  for (const auto& c : cases) {
    const common::Position position = testing::FreshTablePosition("GBREF");
    plat::RemoveFile(position.File("DLT"));
    FrameModel model = ModelWithDefaults();
    const common::Result stored = StoreSpanTable(model, position, Column(c.rows, 1));
    EXPECT_FALSE(stored.ok());
    EXPECT_EQ(stored.text(), c.message);
    EXPECT_EQ(stored.caption(), "Error");
    EXPECT_EQ(model.elements.count(), 0);
    EXPECT_EQ(model.spans.count(), 0);
    EXPECT_EQ(model.params.editor_flag(), 0);
    EXPECT_FALSE(plat::FileExists(position.File("DLT")));
    EXPECT_FALSE(plat::FileExists(position.File("ELEMENTS")));
  }
}

std::vector<std::vector<std::string>> Storeys(int rows, const std::string& piers) {
  return std::vector<std::vector<std::string>>(static_cast<std::size_t>(rows), {"3", piers, "4"});
}

TEST(GeneratorDialogs, StoreyLimitsAreCheckedBeforeAnythingChanges) {
  std::vector<std::vector<std::string>> one_more = Storeys(20, "3");
  one_more[7][1] = "4";
  std::vector<std::vector<std::string>> single = Storeys(2, "2");
  single[1][1] = "1";
  const struct {
    std::vector<std::vector<std::string>> rows;
    const char* message;
  } cases[] = {
      {Storeys(20, "3"), ""},
      {one_more, "Too many elements, max = 100"},
      {single, "2 piers and more make a frame"},
      {{{"3", "51", "4"}}, "Too many piers 51, max = 50"},  // the piers typed, not the row
      {Storeys(21, "2"), "Too many floors, max = 20"},
      {{{"3", "99999999999", "4"}},
       "Row 1, column \"Number of columns\": \"99999999999\" is too large for the files."},
  };
  for (const auto& c : cases) {
    const common::Position position = testing::FreshTablePosition("GSREF");
    plat::RemoveFile(position.File("RAHMENDAT"));
    FrameModel model = ModelWithDefaults();
    model.editor.storey_frame_error = 1;
    const common::Result stored = StoreStoreyTable(model, position, Column(c.rows, 3));
    if (std::string(c.message).empty()) {
      EXPECT_TRUE(stored.ok());
      EXPECT_EQ(model.storeys.count(), 20);
      EXPECT_EQ(model.editor.storey_frame_error, 0);
      EXPECT_TRUE(plat::FileExists(position.File("RAHMENDAT")));
      continue;
    }
    EXPECT_EQ(stored.text(), c.message);
    EXPECT_EQ(model.editor.storey_frame_error, 1);
    EXPECT_EQ(model.storeys.count(), 0);
    EXPECT_FALSE(plat::FileExists(position.File("RAHMENDAT")));
  }
}

TEST(GeneratorDialogs, StoreyGridTakesDecimalHeightsAndKeepsItsRowsOnRefusal) {
  const common::Position position = testing::FreshTablePosition("GSTOR");
  plat::RemoveFile(position.File("RAHMENDAT"));
  FrameModel model = ModelWithDefaults();
  GridInputState state;
  CDiaRahmen dialog(model, position, state);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(state.active_table, GridTable::kStoreyFrame);
  TypeInGrid(dialog.grid(), "3,5");
  dialog.grid().SetItemText(1, 2, "1");
  dialog.grid().SetItemText(1, 3, "4");
  SaveSnapshot(dialog, "kelmf-storey-frame.png");
  {
    plat::testing::MessageBoxScript boxes;
    ClickTableOk(dialog);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "2 piers and more make a frame");
  }
  EXPECT_FALSE(dialog.Ended());
  dialog.grid().SetItemText(1, 2, "3");
  ClickTableOk(dialog);
  EXPECT_TRUE(dialog.Ended());
  ASSERT_EQ(model.storeys.count(), 1);
  EXPECT_EQ(model.storeys[1].height(), 3.5f);
  EXPECT_EQ(model.storeys[1].piers(), 3);
}

TEST(GeneratorDialogs, CountsOutsideTheLimitsAreRefusedBeforeConversion) {
  const ArcFields arc = FieldsOfArc(ArcInput::Default());
  EXPECT_EQ(arc.radius, "10.00");
  EXPECT_EQ(arc.left_angle, "180.00");
  EXPECT_EQ(arc.right_angle, "0.00");
  EXPECT_EQ(arc.segments, "48");
  for (const char* count : {"99999999999", "0", "101", "-3", ""}) {
    EXPECT_FALSE(ArcOfFields({"10", "180", "0", count}).ok()) << count;
    EXPECT_FALSE(ParabolaOfFields({"10", "2", count}).ok()) << count;
  }
  EXPECT_FALSE(ArcOfFields({"10", "180", "0", "4x"}).ok());
  EXPECT_FALSE(ParabolaOfFields({"10", "2", "1e12"}).ok());
  const auto parabola = ParabolaOfFields({"10", "2", "4,7"});
  ASSERT_TRUE(parabola.ok());
  EXPECT_EQ(parabola->elements, 4);
  const auto read = ArcOfFields({"10,5", "180", "0", " 4 "});
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read->radius(), 10.5f);
  EXPECT_EQ(read->segments(), 4);
  EXPECT_TRUE(FieldsOfParabola(ParabolaInput{}).elements.empty());
}

using Editor = testing::PanelEditor;
using testing::ClickButton;

void ExpectPoints(const FrameModel& model, const std::vector<std::pair<float, float>>& points) {
  ASSERT_EQ(model.elements.count() + 1, static_cast<int>(points.size()));
  for (int i = 1; i <= model.elements.count(); ++i) {
    const auto [xa, za] = points[static_cast<std::size_t>(i - 1)];
    const auto [xb, zb] = points[static_cast<std::size_t>(i)];
    EXPECT_NEAR(model.elements[i].xa(), xa, 0.005) << i;
    EXPECT_NEAR(model.elements[i].za(), za, 0.005) << i;
    EXPECT_NEAR(model.elements[i].xb(), xb, 0.005) << i;
    EXPECT_NEAR(model.elements[i].zb(), zb, 0.005) << i;
  }
}

TEST(GeneratorDialogs, ArcFromThePanel) {
  const common::Position position = testing::TestPosition();
  plat::RemoveFile(position.File("BOGEN"));
  Editor editor(position);
  EditorSession& session = editor.session();
  CDiaMain& panel = editor.panel();
  plat::testing::DialogScript script;
  ArcFields shown;
  script.OnNextDialog([&](plat::Dialog& d) {
    shown = {d.GetDlgItemText(gen_ids::kRadius), d.GetDlgItemText(gen_ids::kLeftAngle),
             d.GetDlgItemText(gen_ids::kRightAngle), d.GetDlgItemText(gen_ids::kSegments)};
    SaveSnapshot(d, "kelmf-arc.png");
    plat::testing::TypeInto(d, gen_ids::kSegments, "4");
    plat::testing::Press(d, plat::IDOK);
  });
  ClickButton(panel, panel_ids::kArc);
  EXPECT_EQ(shown.radius, "10.00");
  EXPECT_EQ(shown.left_angle, "180.00");
  EXPECT_EQ(shown.right_angle, "0.00");
  EXPECT_EQ(shown.segments, "48");
  ExpectPoints(session.model, {{-10, 0}, {-7.07f, 7.07f}, {0, 10}, {7.07f, 7.07f}, {10, 0}});
  EXPECT_EQ(testing::ReadAll(position.File("BOGEN")).size(), 16u);
  const ArcInput stored = ReadArcInput(position);
  EXPECT_EQ(stored.radius(), 10.0f);
  EXPECT_EQ(stored.left_angle(), 180.0f);
  EXPECT_EQ(stored.right_angle(), 0.0f);
  EXPECT_EQ(stored.segments(), 4);
  EXPECT_EQ((session.model.params.At<std::uint8_t, 691>()), 1);
  EXPECT_EQ(testing::GeometryMarker(position), 0);
  EXPECT_FALSE(plat::FileExists(position.File("INVERSE")));
}

TEST(GeneratorDialogs, ParabolaFromThePanelOpensTheElementsTable) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  EditorSession& session = editor.session();
  CDiaMain& panel = editor.panel();
  plat::testing::DialogScript script;
  script.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, gen_ids::kLength, "10");
    plat::testing::TypeInto(d, gen_ids::kHeight, "2");
    plat::testing::TypeInto(d, gen_ids::kElements, "4");
    SaveSnapshot(d, "kelmf-parabola.png");
    plat::testing::Press(d, plat::IDOK);
  });
  ClickButton(panel, panel_ids::kParabola);
  ExpectPoints(session.model, {{0, 0}, {2.5f, 1.5f}, {5, 2}, {7.5f, 1.5f}, {10, 0}});
  EXPECT_EQ(session.model.parabola.elements, 4);
  plat::testing::PumpMessages();
  EXPECT_NE(editor.view().elements_table(), nullptr);
}

// A parabola the generator refuses opens again with the fields as typed, as
// the arc does.
TEST(GeneratorDialogs, ARefusedParabolaKeepsItsFields) {
  const common::Position position = testing::TestPosition();
  Editor editor(position);
  CDiaMain& panel = editor.panel();
  plat::testing::DialogScript script;
  script.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, gen_ids::kLength, "-10");
    plat::testing::TypeInto(d, gen_ids::kHeight, "2.5");
    plat::testing::TypeInto(d, gen_ids::kElements, "6");
    plat::testing::Press(d, plat::IDOK);
  });
  ClickButton(panel, panel_ids::kParabola);
  ASSERT_FALSE(script.shown().empty());
  EXPECT_EQ(script.shown().back().text, "The length of the base line must be a number greater than 0");
  ParabolaFields shown;
  script.OnNextDialog([&](plat::Dialog& d) {
    shown = {d.GetDlgItemText(gen_ids::kLength), d.GetDlgItemText(gen_ids::kHeight),
             d.GetDlgItemText(gen_ids::kElements)};
    plat::testing::Press(d, plat::IDCANCEL);
  });
  ClickButton(panel, panel_ids::kParabola);
  EXPECT_EQ(shown.length, "-10");
  EXPECT_EQ(shown.height, "2.5");
  EXPECT_EQ(shown.elements, "6");
  EXPECT_EQ(editor.session().model.elements.count(), 0);
}

TEST(GeneratorDialogs, AStoreyFrameFromThePanelHoldsItsGroundNodes) {
  const common::Position position = testing::TestPosition();
  plat::RemoveFile(position.File("RAHMENDAT"));
  Editor editor(position);
  EditorSession& session = editor.session();
  CDiaMain& panel = editor.panel();
  plat::testing::DialogScript script;
  script.OnNextDialog([&](plat::Dialog& d) {
    auto& table = static_cast<CDiaRahmen&>(d);
    table.grid().SetItemText(1, 1, "3,5");
    table.grid().SetItemText(1, 2, "3");
    table.grid().SetItemText(1, 3, "4");
    table.grid().SetItemText(2, 1, "3");
    table.grid().SetItemText(2, 2, "2");
    table.grid().SetItemText(2, 3, "4");
    ClickTableOk(d);
  });
  ClickButton(panel, panel_ids::kFrame);
  ASSERT_EQ(session.model.elements.count(), 8);
  EXPECT_EQ(session.model.elements[1].zb(), 3.5f);
  EXPECT_EQ(session.model.params.support_count(), 3);
  EXPECT_EQ(testing::GeometryMarker(position), 0);
}

}  // namespace
}  // namespace kelmf
