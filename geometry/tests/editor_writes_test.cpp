// The model files as the editor's tables, generators and element dialog leave
// them: what comes out as stored changes nothing (a stored frame stays stored
// and checked), a real change gives up the stored geometry before its first
// file, and nothing is written while another program holds the position.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/position/position_lock.h"
#include "geometry/editor/generator_dialogs.h"
#include "geometry/model/model_file_writer.h"
#include "geometry/tables/table_dialogs.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/position_fixture.h"
#include "geometry/tests/tables_fixture.h"
#include "platform/files.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"

namespace kelmf {
namespace {

using testing::ClickButton;
using testing::ClickTableOk;
using testing::GeometryMarker;
using testing::ModelFiles;
using testing::PanelEditor;
using testing::StoredExample;

using Files = std::map<std::string, std::string>;
const std::vector<std::string> kNone;
const std::vector<std::string> kGivenUp = {"FLEXDIA", "FLEXMAX", "GEOMETRY", "INVERSE"};

// The names of the files that differ between `before` and `now` (or are in one only).
std::vector<std::string> Changed(const Files& before, const Files& now) {
  std::vector<std::string> changed;
  for (const auto& [name, bytes] : now) {
    const auto was = before.find(name);
    if (was == before.end() || was->second != bytes) changed.push_back(name);
  }
  for (const auto& [name, bytes] : before) {
    if (!now.contains(name)) changed.push_back(name);
  }
  std::sort(changed.begin(), changed.end());
  return changed;
}

// The names of the model files whose bytes differ from `before`.
std::vector<std::string> ChangedSince(const Files& before, const common::Position& position) {
  return Changed(before, ModelFiles(position));
}

// The same without PARAMR: the geometry editor's own bookkeeping there (its
// input defaults, the table's flags) is kept at End without giving up a
// stored geometry.
std::vector<std::string> ButParams(std::vector<std::string> names) {
  std::erase(names, "PARAMR");
  return names;
}

std::vector<std::string> With(std::vector<std::string> names, const std::vector<std::string>& more) {
  names.insert(names.end(), more.begin(), more.end());
  std::sort(names.begin(), names.end());
  return names;
}

// A cell typed into a table before its OK; none (row 0) leaves the table as it opened.
struct Typed {
  int row = 0;
  int column = 0;
  std::string text;
};

// A table of the Input panel: its button, and a change of it with the model file the change rewrites.
struct TableCase {
  const char* name;
  plat::UINT button;
  Typed change;
  std::vector<std::string> changed_files;
};

const TableCase kTables[] = {
    {"materials", panel_ids::kMaterial, {2, 2, "3.2E7"}, {"MATR"}},
    {"cross sections", panel_ids::kCrossSections, {1, 4, "0.002"}, {"CROSS"}},
    {"nodes", panel_ids::kSupports, {4, 5, "1"}, {"LKNOTENR", "NODES"}},
    {"elements", panel_ids::kElements, {2, 4, "4.5"}, {"ELEMENTS", "EXTENSIOR", "LKNOTENR", "NODES"}},
};

// The message boxes a script saw, "caption<TAB>text" a line.
std::string Boxes(const plat::testing::DialogScript& script) {
  std::string all;
  for (const plat::testing::ShownDialog& box : script.shown()) {
    if (box.kind == plat::testing::ShownDialog::Kind::kMessageBox) all += box.caption + "\t" + box.text + "\n";
  }
  return all;
}

// Opens the table from the panel, types `typed` and presses OK (the boxes
// shown go to `script`); whether the dialog stayed open (refused).
bool OkOfTable(PanelEditor& editor, const TableCase& table, const Typed& typed,
               plat::testing::DialogScript& script) {
  bool still_open = false;
  auto type_and_ok = [&](CTableDialog& dialog) {
    if (typed.row > 0) dialog.grid().SetItemText(typed.row, typed.column, typed.text);
    ClickTableOk(dialog);
    still_open = !dialog.Ended();
    if (still_open && typed.row > 0) {
      EXPECT_EQ(dialog.grid().GetItemText(typed.row, typed.column), typed.text);
    }
  };
  CDiaMain& panel = editor.panel();
  script.OnNextDialog([&](plat::Dialog& d) {
    type_and_ok(static_cast<CTableDialog&>(d));
    if (!d.Ended()) plat::testing::Press(d, plat::IDCANCEL);  // "Discard the changes?" answered Yes
  });
  ClickButton(panel, table.button);
  if (CDiaElemente* elements = editor.view().elements_table()) {  // the modeless one
    type_and_ok(*elements);
    if (still_open) plat::testing::Press(*elements, plat::IDCANCEL);  // "Discard the changes?" answered Yes
    plat::testing::PumpMessages();
  }
  return still_open;
}

TEST(EditorWrites, TheOkOfATableWritesOnlyWhatChanged) {
  for (const TableCase& table : kTables) {
    SCOPED_TRACE(table.name);
    // Looked at and OK, then End: the stored frame stays stored and checked.
    const common::Position position = StoredExample("PORTAL", std::string("same-") + table.name + "/");
    const Files before = ModelFiles(position);
    PanelEditor editor(position);
    plat::testing::DialogScript script;
    EXPECT_FALSE(OkOfTable(editor, table, {}, script));
    EXPECT_EQ(Boxes(script), "");
    EXPECT_EQ(ChangedSince(before, position), kNone);
    editor.Command(ids::kEnd);
    EXPECT_EQ(editor.quit.code(), 1);
    EXPECT_EQ(ButParams(ChangedSince(before, position)), kNone);

    // A changed cell: the stored geometry goes, and the changed file is written.
    const common::Position changed = StoredExample("PORTAL", std::string("changed-") + table.name + "/");
    const Files stored = ModelFiles(changed);
    PanelEditor other(changed);
    plat::testing::DialogScript other_script;
    EXPECT_FALSE(OkOfTable(other, table, table.change, other_script));
    EXPECT_EQ(ChangedSince(stored, changed), With(kGivenUp, table.changed_files));
    EXPECT_EQ(GeometryMarker(changed), 0);
    for (const char* base : {"INVERSE", "FLEXDIA", "FLEXMAX"}) {
      EXPECT_FALSE(plat::FileExists(changed.File(base))) << base;
    }
  }
}

// The stored values, not the digits a table shows: an unchanged cell keeps
// the value it was filled from, beside one that was changed.
TEST(EditorWrites, AChangedRowKeepsTheDigitsOfItsUnchangedCells) {
  const common::Position position = StoredExample("PORTAL");
  PanelEditor editor(position);
  plat::testing::DialogScript script;
  ASSERT_FALSE(OkOfTable(editor, kTables[1], {1, 1, "0.25"}, script));  // the width of section 1
  const auto sections = common::ReadTable<common::CrossSectionTable>(position.File("CROSS"));
  ASSERT_EQ(sections.table.count(), 2);
  EXPECT_EQ(sections.table[1].width(), 0.25f);
  EXPECT_EQ(sections.table[1].inertia(), 1.0667E-03f);  // shown as 1.067E-03
  EXPECT_EQ(sections.table[1].area(), 8.0E-02f);
}

// PARAMR written at End: a byte of the editor's own bookkeeping (its input
// defaults, a table's flag, a generator's marker) keeps a stored geometry; a
// byte a program computes with gives it up.
TEST(EditorWrites, ParamsKeepAStoredGeometryUnlessAComputedByteChanges) {
  const struct {
    std::size_t offset;
    bool kept;
  } cases[] = {{68, true}, {98, true}, {540, true}, {665, true}, {691, true},
               {130, false}, {136, false}, {706, false}, {696, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.offset);
    const common::Position position = StoredExample("PORTAL", "params-" + std::to_string(c.offset) + "/");
    const Files before = ModelFiles(position);
    auto params = common::ReadBlockRecord<common::FrameParams>(position.File("PARAMR"));
    ASSERT_TRUE(params.status.ok());
    params.record.bytes()[c.offset] ^= std::byte{0x41};
    ASSERT_TRUE(ModelFileWriter(position).Params(params.record).ok());
    EXPECT_EQ(testing::ReadBytes(position.File("PARAMR")),
              std::string(reinterpret_cast<const char*>(params.record.bytes().data()), 744));
    EXPECT_EQ(ChangedSince(before, position),
              c.kept ? std::vector<std::string>{"PARAMR"} : With(kGivenUp, {"PARAMR"}));
  }
}

// A frame generated, stored, and generated again from the same input by the
// panel's generators: nothing changes, it stays stored and checked.
struct GeneratorCase {
  const char* name;
  plat::UINT button;
  std::function<void(plat::Dialog&)> input;
  bool holds_itself = true;  // the generator supports the frame (else every node gets a support)
};

void TypeRows(plat::Dialog& d, const std::vector<std::vector<std::string>>& rows) {
  auto& table = static_cast<CTableDialog&>(d);
  for (std::size_t r = 0; r < rows.size(); ++r) testing::SetRow(table.grid(), static_cast<int>(r) + 1, rows[r]);
  ClickTableOk(d);
}

const std::vector<GeneratorCase>& Generators() {
  static const std::vector<GeneratorCase> cases = {
      {"continuous beam", panel_ids::kContinuousBeam, [](plat::Dialog& d) { TypeRows(d, {{"4"}, {"9.5"}}); }},
      {"storey frame", panel_ids::kFrame, [](plat::Dialog& d) { TypeRows(d, {{"3.5", "3", "4"}, {"3", "2", "4"}}); }},
      {"arc", panel_ids::kArc,
       [](plat::Dialog& d) {
         plat::testing::TypeInto(d, gen_ids::kSegments, "6");
         plat::testing::Press(d, plat::IDOK);
       },
       false},
      {"parabola", panel_ids::kParabola,
       [](plat::Dialog& d) {
         plat::testing::TypeInto(d, gen_ids::kLength, "10");
         plat::testing::TypeInto(d, gen_ids::kHeight, "2");
         plat::testing::TypeInto(d, gen_ids::kElements, "4");
         plat::testing::Press(d, plat::IDOK);
       },
       false},
  };
  return cases;
}

void Generate(PanelEditor& editor, const GeneratorCase& generator, plat::testing::DialogScript& script) {
  CDiaMain& panel = editor.panel();
  script.OnNextDialog(generator.input);
  ClickButton(panel, generator.button);
}

TEST(EditorWrites, TheSameFrameGeneratedAgainChangesNothing) {
  for (const GeneratorCase& generator : Generators()) {
    SCOPED_TRACE(generator.name);
    const common::Position position(plat::testing::TestFolder() + "gen-" + generator.name + "/", ".G");
    ASSERT_TRUE(common::EnsurePositionFolder(position));
    {
      PanelEditor editor(position);
      plat::testing::DialogScript script;
      Generate(editor, generator, script);
      ASSERT_GT(editor.session().model.elements.count(), 1);
      if (!generator.holds_itself) {
        const int nodes = editor.session().model.nodes.count();
        script.OnNextDialog([nodes](plat::Dialog& d) {
          auto& table = static_cast<CTableDialog&>(d);
          for (int r = 1; r <= nodes; ++r) {
            for (int c = 3; c <= 5; ++c) table.grid().SetItemText(r, c, "1");
          }
          ClickTableOk(d);
        });
        ClickButton(editor.panel(), panel_ids::kSupports);
      }
      editor.Command(ids::kStore);
      ASSERT_EQ(editor.quit.code(), 1) << editor.Boxes();
    }
    ASSERT_EQ(GeometryMarker(position), 1);
    const Files before = ModelFiles(position);
    PanelEditor editor(position);
    plat::testing::DialogScript script;
    Generate(editor, generator, script);
    EXPECT_EQ(ChangedSince(before, position), kNone);
    editor.Command(ids::kEnd);
    EXPECT_EQ(editor.quit.code(), 1);
    EXPECT_EQ(ButParams(ChangedSince(before, position)), kNone);
    EXPECT_EQ(Boxes(script), "");
  }
}

// The text of a field of the generator dialog that the panel's button opens.
std::string FieldShown(PanelEditor& editor, plat::UINT button, plat::UINT field) {
  plat::testing::DialogScript script;
  std::string shown;
  script.OnNextDialog([&](plat::Dialog& d) {
    shown = d.GetDlgItemText(field);
    plat::testing::Press(d, plat::IDCANCEL);
  });
  ClickButton(editor.panel(), button);
  return shown;
}

// While another program holds the position's lock, a table's OK and the
// generators say so and write nothing: a table stays open with what was
// typed, the arc and the parabola open again with their fields.
TEST(EditorWrites, WhileThePositionIsInUseNothingIsWritten) {
  const common::Position position = StoredExample("PORTAL");
  PanelEditor editor(position);
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());
  common::PositionLock other;
  ASSERT_EQ(other.TryAcquire(position.File(common::kPositionLockFile)), common::PositionLock::Attempt::kHeld);
  const std::string busy = "Error\tPosition PORTAL is in use by another program (" +
                           position.File(common::kPositionLockFile) +
                           "). Nothing was changed; try again when it has ended.\n";
  for (const TableCase& table : {kTables[0], kTables[3]}) {  // a modal table and the modeless one
    SCOPED_TRACE(table.name);
    plat::testing::DialogScript script;
    EXPECT_TRUE(OkOfTable(editor, table, table.change, script));
    EXPECT_EQ(Boxes(script).substr(0, busy.size()), busy);
  }
  for (const GeneratorCase& generator : Generators()) {
    SCOPED_TRACE(generator.name);
    plat::testing::DialogScript script;
    Generate(editor, generator, script);
    EXPECT_EQ(Boxes(script).substr(0, busy.size()), busy);
  }
  EXPECT_EQ(FieldShown(editor, panel_ids::kArc, gen_ids::kSegments), "6");
  EXPECT_EQ(FieldShown(editor, panel_ids::kParabola, gen_ids::kLength), "10");
  other.Release();
  EXPECT_EQ(Changed(before, plat::testing::SnapshotFolder(position.folder())), kNone);
  EXPECT_EQ(editor.session().model.elements.count(), 3);
}

}  // namespace
}  // namespace kelmf
