#include "geometry/tables/table_stores.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/position/file_names.h"
#include "common/records/capacities.h"
#include "geometry/generators/beam_generator.h"
#include "geometry/generators/generator_files.h"
#include "geometry/model/bar_geometry.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/model_file_writer.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/model/element_checks.h"
#include "geometry/model/element_writer.h"
#include "geometry/tables/cell_chars.h"
#include "geometry/tables/cell_format.h"
#include "geometry/tables/table_columns.h"
#include "geometry/tables/table_numbers.h"

namespace kelmf {
namespace {

std::string Formatted(const char* format, int a, int b = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

common::Result Refuse(const std::string& text) { return common::Result::Fail(text, "Error"); }

// A plain decimal integer (leading blanks skipped); 0 when there is none, and
// clamped to the 16-bit range the records hold.
std::int16_t Integer(const std::string& text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return 0;
  long value = 0;
  const char* first = text.data() + i;
  std::from_chars(first, text.data() + text.size(), value);
  return static_cast<std::int16_t>(std::clamp<long>(value, -32768, 32767));
}

float Real(double v) { return static_cast<float>(v); }
// A whole number as the records keep it: cut towards 0 (the reader has checked the range).
std::int16_t Whole(double v) { return static_cast<std::int16_t>(v); }

// A concrete class in the material number column ("C30/37", "B25"): the
// table input turns it into a modulus; the column keeps its text.
bool IsClassText(const std::string& text) {
  if (text.find_first_of("cCbB/") == std::string::npos) return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return IsCellCharAllowed(c, 10); });
}

// Rows counted without gaps, none beyond `limit`, each with its first
// `required` cells filled.
common::Outcome<int> CheckRows(const TableCells& cells, int limit, int required, const std::string& limit_text,
                               const char* incomplete) {
  common::Outcome<int> count = CountTableRows(cells);
  if (!count) return count;
  if (*count > limit) return Refuse(limit_text);
  for (int r = 1; r <= *count; ++r) {
    if (!RowComplete(cells[static_cast<std::size_t>(r - 1)], required)) return Refuse(Formatted(incomplete, r));
  }
  return count;
}

}  // namespace

common::ElementRecord ElementOfNumbers(const std::vector<double>& row) {
  common::ElementRecord e;
  if (row.size() < 10) return e;
  e.set_xa(Real(row[0]));
  e.set_za(Real(row[1]));
  e.set_ya(UpwardY(e.za()));
  e.set_xb(Real(row[2]));
  e.set_zb(Real(row[3]));
  e.set_yb(UpwardY(e.zb()));
  e.set_material(Whole(row[4]));
  e.set_cross_section(Whole(row[5]));
  e.set_compression_flag(Whole(row[6]));
  e.set_tension_flag(Whole(row[7]));
  e.set_hinge_a(Whole(row[8]));
  e.set_hinge_b(Whole(row[9]));
  return e;
}

std::vector<CellText> CellsOfElement(const common::ElementRecord& e) {
  return {NumberCell("%.2f", e.xa()),          NumberCell("%.2f", e.za()),
          NumberCell("%.2f", e.xb()),          NumberCell("%.2f", e.zb()),
          WholeCell(e.material()),             WholeCell(e.cross_section()),
          WholeCell(e.compression_flag()),     WholeCell(e.tension_flag()),
          WholeCell(e.hinge_a()),              WholeCell(e.hinge_b())};
}

std::vector<std::string> RowOfElement(const common::ElementRecord& e) {
  std::vector<std::string> row;
  for (CellText& cell : CellsOfElement(e)) row.push_back(std::move(cell.shown));
  return row;
}

common::Result StoreElementTable(FrameModel& model, const common::Position& position, const TableCells& cells) {
  const int used = CountTableRows(cells) ? *CountTableRows(cells) : 0;
  common::Outcome<int> count = CheckRows(cells, common::kMaxElements, 10,
                                         Formatted("Too many elements %i, max = %i", used, common::kMaxElements),
                                         "Element %i is incomplete.");
  if (!count) return count.failure();
  const common::Outcome<TableNumbers> numbers = ReadTableNumbers(cells, *count, ElementColumns());
  if (!numbers) return numbers.failure();
  FrameModel next = model;
  next.elements.Clear();
  next.params.set_vertical_sign(-1);
  for (const std::vector<double>& row : *numbers) next.elements.Append(ElementOfNumbers(row));
  // The cross sections as the node rebuild reads them, so that the check sees the stiffness written.
  FrameModel checked = next;
  checked.cross_sections = CrossSectionsToRead(next, position);
  if (common::Result elements = CheckElementsToWrite(checked); !elements) return elements;
  // The records whole (geometry, EA and EI) before the node rebuild writes
  // them, so that a table that comes out as stored writes no other bytes.
  ComputeElementGeometry(checked);
  (void)FillElementStiffness(checked);  // checked above
  next.elements = checked.elements;
  next.params.set_element_count(static_cast<std::int16_t>(*count));
  next.params.SetAt<std::int16_t, 4>(1);
  next.params.set_arc_setting(1);
  next.params.set_editor_state(1);
  if (common::Result rebuilt = RebuildNodes(next, position); !rebuilt) return rebuilt;
  common::Result extents = WriteDrawingExtents(next, position);
  model = std::move(next);
  model.editor.model_changed = true;
  return extents;
}

common::Result StoreCrossSectionTable(FrameModel& model, const common::Position& position, const TableCells& cells) {
  common::Outcome<int> count =
      CheckRows(cells, common::kMaxCrossSections, 4,
                Formatted("Too many cross sections, max = %i", common::kMaxCrossSections), "Cross section %i is incomplete.");
  if (!count) return count.failure();
  const common::Outcome<TableNumbers> numbers = ReadTableNumbers(cells, *count, CrossSectionColumns());
  if (!numbers) return numbers.failure();
  common::CrossSectionTable table;
  for (int r = 1; r <= *count; ++r) {
    const auto& row = (*numbers)[static_cast<std::size_t>(r - 1)];
    common::CrossSectionRecord s = r <= model.cross_sections.count() ? model.cross_sections[r] : common::CrossSectionRecord{};
    s.set_number(static_cast<std::int16_t>(r));
    s.set_width(Real(row[0]));
    s.set_height(Real(row[1]));
    s.set_area(Real(row[2]));
    s.set_inertia(Real(row[3]));
    table.Append(s);
  }
  model.cross_sections = table;
  model.params.set_cross_section_count(static_cast<std::int16_t>(*count));
  model.editor.model_changed = true;
  return ModelFileWriter(position).Table(common::file_names::kCrossSections, model.cross_sections);
}

common::Result StoreMaterialTable(FrameModel& model, const common::Position& position, const TableCells& cells) {
  common::Outcome<int> count = CheckRows(cells, common::kMaxMaterials, 2,
                                         Formatted("Too many materials, max = %i", common::kMaxMaterials),
                                         "Material %i is incomplete.");
  if (!count) return count.failure();
  const auto class_text = [](int column, const std::string& text) { return column == 1 && IsClassText(text); };
  const common::Outcome<TableNumbers> numbers = ReadTableNumbers(cells, *count, MaterialColumns(), class_text);
  if (!numbers) return numbers.failure();
  common::MaterialTable table;
  for (int r = 1; r <= *count; ++r) {
    const auto& texts = cells[static_cast<std::size_t>(r - 1)];
    const auto& row = (*numbers)[static_cast<std::size_t>(r - 1)];
    common::MaterialRecord m;
    m.set_number(IsClassText(texts[0]) ? Integer(texts[0]) : Whole(row[0]));
    m.set_modulus(Real(row[1]));
    m.set_second_value(0.0f);
    table.Append(m);
  }
  model.materials = table;
  model.params.set_material_count(static_cast<std::int16_t>(*count));
  model.params.set_material_input_flag(0);
  model.params.set_material_input_flag_686(0);
  if (*count > 0) model.params.set_default_modulus(model.materials[1].modulus());
  model.params.set_model_constant_496(0.0);
  model.editor.model_changed = true;
  return ModelFileWriter(position).Table(common::file_names::kMaterials, model.materials);
}

common::Result StoreNodeTable(FrameModel& model, const common::Position& position, const TableCells& cells) {
  common::Outcome<int> count = CheckRows(cells, common::kMaxNodes, 1,
                                         Formatted("Too many nodes, max = %i", common::kMaxNodes), "Node %i has no x.");
  if (!count) return count.failure();
  const common::Outcome<TableNumbers> numbers = ReadTableNumbers(cells, *count, NodeColumns());
  if (!numbers) return numbers.failure();
  common::NodeTable nodes = model.nodes;
  common::NodeRefTable supports;
  const float mirror = model.params.vertical_sign();
  for (int r = 1; r <= *count; ++r) {
    const auto& texts = cells[static_cast<std::size_t>(r - 1)];
    const auto& row = (*numbers)[static_cast<std::size_t>(r - 1)];
    common::NodeRecord& n = nodes[r];
    n.set_number(static_cast<std::int16_t>(r));
    n.set_x(Real(row[0]));
    if (!texts[1].empty()) {
      n.set_z(Real(row[1]));
      n.set_y(mirror < 0.0f ? UpwardY(n.z()) : n.z() * mirror);
    }
    common::NodeRefRecord ref;
    bool supported = false;
    for (int d = 1; d <= 3; ++d) {  // u, v, phi
      const float k = std::fabs(Real(row[static_cast<std::size_t>(1 + d)]));
      n.set_support(d, k);
      n.set_support_flag(d, k > 0.0f ? 1 : 0);
      if (k > 0.0f) {
        supported = true;
        ref.set_support(d, k);
        ref.set_support_flag(d, 1);
      }
    }
    if (supported) {
      ref.set_node(static_cast<std::int16_t>(r));
      if (!supports.Append(ref)) return Refuse(Formatted("Too many supports, max = %i", common::kMaxSupports));
    }
  }
  nodes.SetCount(*count);
  model.nodes = nodes;
  model.supports = supports;
  model.params.set_node_count(static_cast<std::int16_t>(*count));
  model.params.set_support_count(static_cast<std::int16_t>(supports.count()));
  model.params.set_support_stiffness(static_cast<float>(BaseStiffness(model)));
  model.editor.model_changed = true;
  ModelFileWriter files(position);
  return FirstFailure({files.Table(common::file_names::kNodes, model.nodes),
                       files.Table(common::file_names::kSupports, model.supports)});
}

double BaseStiffness(const FrameModel& model) {
  double e = 0.0;
  for (const auto& m : model.materials.used()) e = std::max(e, static_cast<double>(m.modulus()));
  double a = 0.0;
  for (const auto& s : model.cross_sections.used()) a = std::max(a, static_cast<double>(s.area()));
  return e * a;
}

}  // namespace kelmf

namespace kelmf {

common::Result StoreSpanTable(FrameModel& model, const common::Position& position, const TableCells& cells) {
  common::Outcome<int> count = CountTableRows(cells);
  if (!count) return count.failure();
  const common::Outcome<TableNumbers> numbers = ReadTableNumbers(cells, *count, SpanColumns());
  if (!numbers) return numbers.failure();
  FrameModel trial = model;
  trial.spans.Clear();
  for (int r = 1; r <= *count && r <= kGeneratorTableRows; ++r) {
    SpanRecord span;
    span.set_number(r);
    span.set_x_end(Real((*numbers)[static_cast<std::size_t>(r - 1)][0]));
    trial.spans.Append(span);
  }
  trial.params.set_span_count(static_cast<std::int16_t>(trial.spans.count()));
  if (*count > 0) {
    trial.params.set_editor_flag(1);
    trial.params.set_vertical_sign(-1);
  }
  if (common::Result generated = GenerateBeam(trial, position); !generated) return generated;
  model = std::move(trial);
  return WriteSpanFile(model, position);
}

common::Result StoreStoreyTable(FrameModel& model, const common::Position& position, const TableCells& cells) {
  auto refuse = [&model](const std::string& text) {
    model.editor.storey_frame_error = 1;
    return Refuse(text);
  };
  common::Outcome<int> count = CountTableRows(cells);
  if (!count) return refuse(count.failure().text());
  const common::Outcome<TableNumbers> numbers = ReadTableNumbers(cells, *count, StoreyColumns());
  if (!numbers) {
    model.editor.storey_frame_error = 1;
    return numbers.failure();
  }
  StoreyTable table;
  int elements = 0;
  for (int r = 1; r <= *count; ++r) {
    const auto& texts = cells[static_cast<std::size_t>(r - 1)];
    const auto& row = (*numbers)[static_cast<std::size_t>(r - 1)];
    if (r > kMaxStoreys) return refuse(Formatted("Too many floors, max = %i", kMaxStoreys));
    if (!RowComplete(texts, 3)) return refuse(Formatted("Floor %i: height, number of columns and spacing are needed.", r));
    const int piers = static_cast<int>(row[1]);  // a whole number of the int32 the record keeps
    if (piers > kMaxPiers) return refuse(Formatted("Too many piers %i, max = %i", piers, kMaxPiers));
    if (piers < 2) return refuse("2 piers and more make a frame");
    elements += 2 * piers - 1;
    if (elements > common::kMaxElements) return refuse(Formatted("Too many elements, max = %i", common::kMaxElements));
    StoreyRecord storey;
    storey.set_number(r);
    storey.set_height(Real(row[0]));
    storey.set_piers(piers);
    storey.set_spacing(Real(row[2]));
    table.Append(storey);
  }
  model.storeys = table;
  model.params.set_storey_count(static_cast<std::int16_t>(table.count()));
  model.editor.storey_frame_error = 0;
  return WriteStoreyFile(model, position);
}

}  // namespace kelmf
