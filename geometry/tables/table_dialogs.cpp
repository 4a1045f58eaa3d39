#include "geometry/tables/table_dialogs.h"

#include "common/position/model_defaults.h"
#include "common/records/capacities.h"
#include "common/text_to_float.h"
#include "geometry/generators/generator_files.h"
#include "geometry/model/bar_geometry.h"
#include "geometry/tables/table_numbers.h"
#include "geometry/tables/table_stores.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"

namespace kelmf {
namespace {

const std::vector<std::string> kKeyNotes = {
    "Ctrl + C = Copy\nCtrl + V = Paste\nCtrl + X = Delete", "F5 = Copy downward",
    "Return in empty cell copies from above", "Ctrl + I = Insert line\nCtrl + L = Delete line"};

std::vector<std::string> Notes(std::vector<std::string> more) {
  std::vector<std::string> notes = kKeyNotes;
  notes.insert(notes.end(), more.begin(), more.end());
  return notes;
}

TableShape ElementShape() {
  return {224, "Frame elements", GridTable::kElements, common::kMaxElements,
          ElementColumns(),
          Notes({"Click on the leftmost column\n to see the point!", "0 = No", "1 = Yes",
                 "C = Compression, 0 = No, 1 = Yes", "T = Tension, 0 = No, 1 = Yes",
                 "Rearrange = avoid upside down elements"}),
          {1035, 1037, 1038, "Elements", "Elements* | Elements*.*"}};
}

TableShape NodeShape() {
  return {319, "Nodes", GridTable::kNodes, common::kMaxNodes + 1,
          NodeColumns(),
          Notes({"0 = no support", "1 = elastic support with the base stiffness"})};
}

// "&OK" is the default button: Return outside the grid stores.
TableShape SectionShape() {
  TableShape shape{320, "Cross sections", GridTable::kCrossSections, common::kMaxCrossSections,
                   CrossSectionColumns(), Notes({})};
  shape.ok_is_default = true;
  return shape;
}

TableShape MaterialShape() {
  return {2100, "Material", GridTable::kMaterials, common::kMaxMaterials,
          MaterialColumns(),
          Notes({}),
          {1095, 1031, 1035, "Material", "Material | Material.*"}};
}

TableShape SpanShape() {
  return {313, "Continuous beam", GridTable::kContinuousBeam, kGeneratorTableRows,
          SpanColumns(),
          {"x = end of span\n\nincreasing:\n\nx = 4.0\nx = 7.5\nx = 12.3 ...",
           "Equal spans:\nEnter span one,\nthen Return for each further span"}};
}

// "&OK" is the default button: Return outside the grid stores.
TableShape StoreyShape() {
  TableShape shape{314, "Frame", GridTable::kStoreyFrame, kGeneratorTableRows, StoreyColumns(),
                   {"Enter-key\ncopies from row above"}, {}, 120};
  shape.ok_is_default = true;
  return shape;
}

}  // namespace

// ---- Elements ----

CDiaElemente::CDiaElemente(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(ElementShape(), model, std::move(position), state, owner) {}

void CDiaElemente::Fill() {
  for (int r = 1; r <= model_.elements.count(); ++r) SetRow(r, CellsOfElement(model_.elements[r]));
}

common::Result CDiaElemente::Store(const TableCells& cells) { return StoreElementTable(model_, position_, cells); }

void CDiaElemente::AddButtons(plat::DialogLayout& layout) { layout.PushButton("Rearrange", table_ids::kRearrange); }

bool CDiaElemente::Rearrange() {
  const TableCells cells = CellsToStore();
  // Every number reads before a row is turned, so that no text is lost to it.
  const common::Outcome<TableNumbers> numbers =
      ReadTableNumbers(cells, static_cast<int>(cells.size()), ElementColumns());
  if (!numbers) {
    plat::MessageBox(numbers.failure().text(), numbers.failure().caption());
    return false;
  }
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (!RowComplete(cells[i], 10)) continue;
    common::ElementRecord e = ElementOfNumbers((*numbers)[i]);
    ComputeElementGeometry(e, model_.params);
    SetRow(static_cast<int>(i) + 1, RowOfElement(e));
  }
  grid_.Invalidate();
  return StoreTable();
}

bool CDiaElemente::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == table_ids::kRearrange && lParam != 0) {
    Rearrange();
    return true;
  }
  return CTableDialog::OnCommand(wParam, lParam);
}

// ---- Nodes ----

CDiaKnoten::CDiaKnoten(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(NodeShape(), model, std::move(position), state, owner) {}

void CDiaKnoten::Fill() {
  SetDlgItemText(table_ids::kBaseStiffness, FormatCell("%.4E", BaseStiffness(model_)));
  for (int r = 1; r <= model_.nodes.count(); ++r) {
    const common::NodeRecord& n = model_.nodes[r];
    SetRow(r, std::vector<CellText>{NumberCell("%.2f", n.x()), NumberCell("%.2f", n.z()),
                                    NumberCell("%5.3E", n.support(1)), NumberCell("%5.3E", n.support(2)),
                                    NumberCell("%5.3E", n.support(3))});
  }
}

common::Result CDiaKnoten::Store(const TableCells& cells) { return StoreNodeTable(model_, position_, cells); }

void CDiaKnoten::AddButtons(plat::DialogLayout& layout) {
  layout.Text("Base stiffness:");
  layout.EditBox(table_ids::kBaseStiffness, plat::ES_AUTOHSCROLL | plat::ES_READONLY);
  layout.Text("kN/m (kNm)");
  layout.Text("target value");
  layout.EditBox(table_ids::kTargetValue);
  layout.Text("k (table entry)");
  layout.EditBox(table_ids::kFactor);
}

bool CDiaKnoten::ComputeFactor() {
  const double base = BaseStiffness(model_);
  if (!(base > 0.0)) {
    plat::MessageBox("The base stiffness is 0: no material or no cross section.", "Error");
    return false;
  }
  const double target = common::TextToFloat(GetDlgItemText(table_ids::kTargetValue));
  SetDlgItemText(table_ids::kFactor, FormatCell("%.5f", target / base));
  if (plat::Window* factor = GetDlgItem(table_ids::kFactor)) GotoDlgCtrl(factor);
  return true;
}

void CDiaKnoten::OnGridReturn() {}

void CDiaKnoten::OnOK() {
  plat::Window* focus = plat::Window::GetFocus();
  if (focus != nullptr && focus == GetDlgItem(table_ids::kTargetValue)) ComputeFactor();
}

// ---- Cross sections ----

CDiaQuer::CDiaQuer(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(SectionShape(), model, std::move(position), state, owner) {}

void CDiaQuer::Fill() {
  common::CrossSectionTable sections = model_.cross_sections;
  if (sections.empty()) sections.Append(common::DefaultCrossSection());
  for (int r = 1; r <= sections.count(); ++r) {
    const common::CrossSectionRecord& s = sections[r];
    SetRow(r, std::vector<CellText>{NumberCell("%.3f", s.width()), NumberCell("%.3f", s.height()),
                                    NumberCell("%.3E", s.area()), NumberCell("%.3E", s.inertia())});
  }
}

common::Result CDiaQuer::Store(const TableCells& cells) { return StoreCrossSectionTable(model_, position_, cells); }

// ---- Materials ----

CDiaMaterial::CDiaMaterial(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(MaterialShape(), model, std::move(position), state, owner) {}

void CDiaMaterial::Fill() {
  common::MaterialTable materials = model_.materials;
  if (materials.empty()) materials.Append(common::DefaultMaterial());
  for (int r = 1; r <= materials.count(); ++r) {
    SetRow(r, std::vector<CellText>{WholeCell(materials[r].number()), NumberCell("%.3E", materials[r].modulus())});
  }
}

common::Result CDiaMaterial::Store(const TableCells& cells) { return StoreMaterialTable(model_, position_, cells); }

// ---- Continuous beam ----

CDiaDLT::CDiaDLT(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(SpanShape(), model, std::move(position), state, owner) {}

void CDiaDLT::Fill() {
  (void)ReadSpanFile(model_, position_);
  for (int r = 1; r <= model_.spans.count(); ++r) {
    SetRow(r, std::vector<CellText>{NumberCell("%6.2f", model_.spans[r].x_end())});
  }
}

common::Result CDiaDLT::Store(const TableCells& cells) { return StoreSpanTable(model_, position_, cells); }

// ---- Storey frame ----

CDiaRahmen::CDiaRahmen(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(StoreyShape(), model, std::move(position), state, owner) {}

void CDiaRahmen::Fill() {
  (void)ReadStoreyFile(model_, position_);
  for (int r = 1; r <= model_.storeys.count(); ++r) {
    const StoreyRecord& s = model_.storeys[r];
    SetRow(r, std::vector<CellText>{NumberCell("%.3f", s.height()), WholeCell(s.piers()),
                                    NumberCell("%.3f", s.spacing())});
  }
}

common::Result CDiaRahmen::Store(const TableCells& cells) { return StoreStoreyTable(model_, position_, cells); }

}  // namespace kelmf
