#include "geometry/tables/table_dialogs.h"

#include "common/position/model_defaults.h"
#include "common/records/capacities.h"
#include "common/text_to_float.h"
#include "geometry/generators/generator_files.h"
#include "geometry/model/bar_geometry.h"
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
          {{"Element", 0}, {"xa [m]", 1}, {"ya [m]", 1}, {"xb [m]", 1}, {"yb [m]", 1}, {"Mat.", 3}, {"Sect.", 3},
           {"C", 3}, {"T", 3}, {"H left", 3}, {"H right", 3}},
          Notes({"Click on the leftmost column\n to see the point!", "0 = No", "1 = Yes",
                 "C = Compression, 0 = No, 1 = Yes", "T = Tension, 0 = No, 1 = Yes",
                 "Rearrange = avoid upside down elements"}),
          {1035, 1037, 1038, "Elements", "Elements* | Elements*.*"}};
}

TableShape NodeShape() {
  return {319, "Nodes", GridTable::kNodes, common::kMaxNodes + 1,
          {{"Nodes", 0}, {"x", 2}, {"y", 2}, {"u", 2}, {"v", 2}, {"phi", 2}},
          Notes({"0 = no support", "1 = elastic support with the base stiffness"})};
}

TableShape SectionShape() {
  return {320, "Cross sections", GridTable::kCrossSections, common::kMaxCrossSections,
          {{"Nr.", 0}, {"width [m]", 1}, {"height [m]", 1}, {"Area [m2]", 2}, {"I [m4]", 2}},
          Notes({})};
}

TableShape MaterialShape() {
  return {2100, "Material", GridTable::kMaterials, common::kMaxMaterials,
          {{"", 0}, {"Nr.", 10}, {"E-Modulus [kN/m2]", 2}},
          Notes({}),
          {1095, 1031, 1035, "Material", "Material | Material.*"}};
}

TableShape SpanShape() {
  return {313, "Continuous beam", GridTable::kContinuousBeam, kGeneratorTableRows,
          {{"Span", 0}, {"x [m]", 2}},
          {"x = end of span\n\nincreasing:\n\nx = 4.0\nx = 7.5\nx = 12.3 ...",
           "Equal spans:\nEnter span one,\nthen Return for each further span"}};
}

// Heights and spacings take decimals ("3,5"); the number of piers is whole.
TableShape StoreyShape() {
  return {314, "Frame", GridTable::kStoreyFrame, kGeneratorTableRows,
          {{"Floor", 0}, {"Floor height [m]", 2}, {"Number of columns", 3}, {"Spacing [m]", 2}},
          {"Enter-key\ncopies from row above"},
          {},
          120};
}

std::string Int(int v) { return std::to_string(v); }

}  // namespace

// ---- Elements ----

CDiaElemente::CDiaElemente(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(ElementShape(), model, std::move(position), state, owner) {}

void CDiaElemente::Fill() {
  for (int r = 1; r <= model_.elements.count(); ++r) SetRow(r, RowOfElement(model_.elements[r]));
}

common::Result CDiaElemente::Store(const TableCells& cells) { return StoreElementTable(model_, position_, cells); }

void CDiaElemente::AddButtons(plat::DialogLayout& layout) { layout.PushButton("Rearrange", table_ids::kRearrange); }

bool CDiaElemente::Rearrange() {
  const TableCells cells = Cells();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (!RowComplete(cells[i], 10)) continue;
    common::ElementRecord e = ElementOfRow(cells[i]);
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
    SetRow(r, {FormatCell("%.2f", n.x()), FormatCell("%.2f", n.z()), FormatCell("%5.3E", n.support(1)),
               FormatCell("%5.3E", n.support(2)), FormatCell("%5.3E", n.support(3))});
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
    SetRow(r, {FormatCell("%.3f", s.width()), FormatCell("%.3f", s.height()), FormatCell("%.3E", s.area()),
               FormatCell("%.3E", s.inertia())});
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
    SetRow(r, {Int(materials[r].number()), FormatCell("%.3E", materials[r].modulus())});
  }
}

common::Result CDiaMaterial::Store(const TableCells& cells) { return StoreMaterialTable(model_, position_, cells); }

// ---- Continuous beam ----

CDiaDLT::CDiaDLT(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(SpanShape(), model, std::move(position), state, owner) {}

void CDiaDLT::Fill() {
  (void)ReadSpanFile(model_, position_);
  for (int r = 1; r <= model_.spans.count(); ++r) SetRow(r, {FormatCell("%6.2f", model_.spans[r].x_end())});
}

common::Result CDiaDLT::Store(const TableCells& cells) { return StoreSpanTable(model_, position_, cells); }

// ---- Storey frame ----

CDiaRahmen::CDiaRahmen(FrameModel& model, common::Position position, GridInputState& state, plat::Window* owner)
    : CTableDialog(StoreyShape(), model, std::move(position), state, owner) {}

void CDiaRahmen::Fill() {
  (void)ReadStoreyFile(model_, position_);
  for (int r = 1; r <= model_.storeys.count(); ++r) {
    const StoreyRecord& s = model_.storeys[r];
    SetRow(r, {FormatCell("%.3f", s.height()), Int(s.piers()), FormatCell("%.3f", s.spacing())});
  }
}

common::Result CDiaRahmen::Store(const TableCells& cells) { return StoreStoreyTable(model_, position_, cells); }

}  // namespace kelmf
