// The nodes dialog (32984) on BEAM2 computed by the real programs: the base
// stiffness, the nodes of the modification step, and damaged files.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/nodes_dialog.h"
#include "graphics/app/nodes_table.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "graphics/reanalysis/working_copies.h"
#include "graphics/tests/computed_example.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/whole_file.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using NodesDialog = testing::ComputedExampleTest<kBeam2>;

const std::vector<NodeRowTexts> kBeam2Rows = {
    {"1", "0.00", "0.00", "1.000E+00", "1.000E+00", "0.000E+00"},
    {"2", "6.00", "0.00", "0.000E+00", "1.000E+00", "0.000E+00"},
    {"3", "12.00", "0.00", "0.000E+00", "1.000E+00", "0.000E+00"},
};

// The grid's non-fixed rows as texts.
std::vector<NodeRowTexts> GridRows(grid::CGridCtrl& g) {
  std::vector<NodeRowTexts> rows;
  for (int r = 1; r < g.GetRowCount(); ++r) {
    NodeRowTexts row;
    for (int c = 0; c < 6; ++c) row[static_cast<std::size_t>(c)] = g.GetItemText(r, c);
    rows.push_back(row);
  }
  return rows;
}

// A file's bytes put back when the test ends.
class KeptFile {
 public:
  explicit KeptFile(std::string path) : path_(std::move(path)), bytes_(plat::ReadWholeFile(path_)) {}
  ~KeptFile() {
    if (bytes_) {
      EXPECT_TRUE(plat::WriteBlock(path_, bytes_->data(), bytes_->size()));
    } else {
      plat::RemoveFile(path_);
    }
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::optional<std::vector<std::byte>> bytes_;
};

// The node copy of step 1 with node 3's vertical support factor 0.25.
void WriteStepOneCopy(const ViewerState& state) {
  ViewerState changed = state;
  changed.nodes[3].set_support(2, 0.25f);
  StepTable steps;
  steps.node_count(1) = 1;
  ASSERT_TRUE(WriteNodeCopy(changed, steps, 1));
}

TEST_F(NodesDialog, ShowsTheBaseStiffnessAndTheNodesOfTheStep) {
  const ViewerState state = testing::ViewerOn(*position_, 1);
  const NodesShown shown = ReadNodesShown(state, 0);
  EXPECT_EQ(shown.base_stiffness, "2.136E+06");
  EXPECT_EQ(shown.rows, kBeam2Rows);
  EXPECT_TRUE(shown.problems.empty());

  KeptFile copy(StepFile(*position_, kNodeCopyFile, 1));
  WriteStepOneCopy(state);
  EXPECT_EQ(ReadNodesShown(state, 1).rows[2][4], "2.500E-01");
  EXPECT_EQ(ReadNodesShown(state, 0).rows, kBeam2Rows);  // step 0 reads NODES
}

// A damaged file is named and not shown from: the viewer's own nodes are
// (node 1 at x 99 in memory); a missing one is no problem.
TEST_F(NodesDialog, CountsBeyondTheTableOrTheFileAreReportedNamingTheFile) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  state.nodes[1].set_x(99.0f);
  const std::string matr = position_->File(common::file_names::kMaterials);
  const std::string nodes = position_->File(common::file_names::kNodes);
  const std::string copy = StepFile(*position_, kNodeCopyFile, 1);
  const struct {
    const char* what;
    std::string path;
    std::vector<std::byte> bytes;  // empty: the file removed
    int step;
    const char* damaged;  // the file named, nullptr when none
    const char* x1;
  } cases[] = {
      {"MATR count beyond the table", matr, {std::byte{21}, std::byte{0}}, 0, "MATR", "0.00"},
      {"NODES count beyond its records", nodes, {std::byte{4}, std::byte{0}}, 0, "NODES", "99.00"},
      {"KNOTENRTEMP1 short of the frame's nodes", copy, std::vector<std::byte>(4 + 2 * 204), 1, "KNOTENRTEMP1",
       "99.00"},
      {"KNOTENRTEMP1 missing: NODES", copy, {}, 1, nullptr, "0.00"},
      {"NODES missing: the viewer's", nodes, {}, 0, nullptr, "99.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    KeptFile kept(c.path);
    if (c.bytes.empty()) {
      plat::RemoveFile(c.path);
    } else if (c.path == copy) {
      ASSERT_TRUE(plat::WriteBlock(c.path, c.bytes.data(), c.bytes.size()));
    } else {
      // The count written over the first two bytes, the records kept.
      std::vector<std::byte> bytes = *plat::ReadWholeFile(c.path);
      bytes[0] = c.bytes[0];
      bytes[1] = c.bytes[1];
      ASSERT_TRUE(plat::WriteBlock(c.path, bytes.data(), bytes.size()));
    }
    const NodesShown shown = ReadNodesShown(state, c.step);
    if (c.damaged == nullptr) {
      EXPECT_TRUE(shown.problems.empty());
    } else {
      ASSERT_EQ(shown.problems.size(), 1u);
      const std::string file = c.path == copy ? copy : position_->File(c.damaged);
      EXPECT_EQ(shown.problems[0].text().rfind("The file " + file + " is damaged: ", 0), 0u)
          << shown.problems[0].text();
    }
    ASSERT_EQ(shown.rows.size(), 3u);
    EXPECT_EQ(shown.rows[0][1], c.x1);
  }
}

void SaveSnapshot(plat::Window& window, const std::string& name) {
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(window).Save(snapshots + name).ok());
}

TEST_F(NodesDialog, TheNodesCommandShowsTheStepsNodesInTheViewersGrid) {
  const ViewerState state = testing::ViewerOn(*position_, 1);
  KeptFile copy(StepFile(*position_, kNodeCopyFile, 1));
  WriteStepOneCopy(state);

  plat::testing::DialogScript dialogs;
  plat::testing::QuitCatcher quit;
  CGRAPHApp app;
  ASSERT_TRUE(app.Open(position_->ext() + " @" + position_->data_path() + " @1"));
  plat::testing::PumpMessages();
  app.session().run.current_step = 1;
  EXPECT_TRUE(app.main_frame()->IsCommandEnabled(ids::kNodes));
  bool seen = false;
  dialogs.OnNextDialog([&](plat::Dialog& d) {
    auto& dialog = dynamic_cast<CDiaKnotenR&>(d);
    seen = true;
    EXPECT_EQ(d.GetDlgItemText(kBaseStiffnessEdit), "2.136E+06");
    ViewerGrid& g = dialog.grid();
    EXPECT_EQ(g.GetDlgCtrlID(), static_cast<int>(kNodesGrid));
    EXPECT_EQ(GridRows(g)[2], (NodeRowTexts{"3", "12.00", "0.00", "0.000E+00", "2.500E-01", "0.000E+00"}));
    EXPECT_EQ(g.GetItemText(0, 5), "phi");
    EXPECT_EQ(g.colours().text_background, plat::Rgb(255, 255, 224));
    EXPECT_TRUE(g.GetDragAndDrop());
    EXPECT_TRUE(g.IsEditable());
    EXPECT_EQ(g.viewer_host().ColumnClass(4), 2);
    SaveSnapshot(d, "revuzavi-nodes-dialog.png");

    // Keys and a click act in the grid, not on the dialog.
    g.SetFocusCell(1, 1);
    plat::testing::PressKey(g, plat::VK_RETURN);
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(g.GetFocusCell(), grid::CCellID(1, 2));
    // A click toggles a switch cell by its integer value: 1 (of "1.000E+00") to "0"; 2 (of "2.500E-01") stays.
    plat::Rect cell;
    ASSERT_TRUE(g.GetCellRect(1, 4, &cell));
    plat::testing::Click(g, {cell.left + 5, cell.top + 5});
    EXPECT_EQ(g.GetItemText(1, 4), "0");
    ASSERT_TRUE(g.GetCellRect(3, 4, &cell));
    plat::testing::Click(g, {cell.left + 5, cell.top + 5});
    EXPECT_EQ(g.GetItemText(3, 4), "2.500E-01");
    d.SendMessage(plat::WM_COMMAND, plat::IDCANCEL);
  });
  app.main_frame()->SendMessage(plat::WM_COMMAND, ids::kNodes);
  plat::testing::PumpMessages();
  EXPECT_TRUE(seen);
  ASSERT_EQ(dialogs.shown().size(), 1u);
  EXPECT_EQ(dialogs.shown()[0].template_id, kNodesDialogTemplate);
  EXPECT_EQ(dialogs.shown()[0].caption, "Nodes");
  app.ExitInstance();
}

TEST_F(NodesDialog, ADamagedFileIsToldBeforeTheDialogShowsTheViewersNodes) {
  plat::testing::DialogScript dialogs;
  plat::testing::QuitCatcher quit;
  CGRAPHApp app;
  ASSERT_TRUE(app.Open(position_->ext() + " @" + position_->data_path() + " @1"));
  plat::testing::PumpMessages();
  KeptFile matr(position_->File(common::file_names::kMaterials));
  std::vector<std::byte> bytes = *plat::ReadWholeFile(matr.path());
  bytes[0] = std::byte{100};
  ASSERT_TRUE(plat::WriteBlock(matr.path(), bytes.data(), bytes.size()));
  std::vector<NodeRowTexts> rows;
  dialogs.OnNextDialog([&](plat::Dialog& d) { rows = GridRows(dynamic_cast<CDiaKnotenR&>(d).grid()); });
  app.main_frame()->SendMessage(plat::WM_COMMAND, ids::kNodes);
  plat::testing::PumpMessages();
  ASSERT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(dialogs.shown()[0].kind, plat::testing::ShownDialog::Kind::kMessageBox);
  EXPECT_EQ(dialogs.shown()[0].text.rfind("The file " + matr.path() + " is damaged", 0), 0u);
  EXPECT_EQ(dialogs.shown()[1].caption, "Nodes");
  EXPECT_EQ(rows, kBeam2Rows);
  app.ExitInstance();
}

}  // namespace
}  // namespace revuzavi
