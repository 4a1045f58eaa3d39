#include "geometry/echo/text_input.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/echo/card_reader.h"
#include "common/position/file_names.h"
#include "common/position/model_defaults.h"
#include "common/records/capacities.h"
#include "geometry/echo/echo_cards.h"
#include "geometry/echo/echo_keywords.h"
#include "geometry/echo/echo_sections.h"
#include "geometry/model/bar_geometry.h"
#include "geometry/model/element_checks.h"
#include "geometry/model/element_writer.h"
#include "geometry/model/model_file_writer.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_rebuild.h"

namespace kelmf {
namespace {

using Lines = std::optional<std::vector<std::string_view>>;

// Fills `table` from the lines: line r into slot r through read(line, the
// slot's former record), numbered r; an empty result gets `fallback`.
template <class Tab, class Read>
void FillNumberedTable(Tab& table, const std::vector<std::string_view>& lines, Read read,
                       const typename Tab::Record& fallback) {
  Tab filled;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int slot = static_cast<int>(i) + 1;
    auto record = read(lines[i], table[slot]);
    record.set_number(static_cast<std::int16_t>(slot));
    filled.Append(record);
  }
  if (filled.empty()) filled.Append(fallback);
  table = std::move(filled);
}

void ReadTitle(FrameModel& model, const common::echo::EchoText& text) {
  const auto title = LineAfterKeyword(text, echo::kTitleSection);
  if (title) model.params.set_title(*title);
}

void ReadElements(FrameModel& model, const std::vector<std::string_view>& lines) {
  common::ElementTable elements;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    elements.Append(ReadElementLine(lines[i], model.elements[static_cast<int>(i) + 1]));
  }
  model.elements = std::move(elements);
}

common::Result UnknownSupportNode(int entry, int node) {
  return common::Result::Fail(
      "Support " + std::to_string(entry) + ": node " + std::to_string(node) + " does not exist", "Error");
}

// The nodes of the text carry their supports, and the entries name them; the
// node rebuild moves both to the nodes found at the same points. An entry
// takes its values from its node's line, which holds them with more digits
// than the entry's own line.
common::Result ReadSupports(FrameModel& model, const Lines& node_lines, const Lines& support_lines) {
  common::NodeTable nodes;
  for (std::string_view line : node_lines.value_or(std::vector<std::string_view>{})) {
    common::NodeRecord node = ReadNodeLine(line);
    node.set_number(static_cast<std::int16_t>(nodes.count() + 1));
    nodes.Append(node);
  }
  common::NodeRefTable supports;
  for (std::string_view line : support_lines.value_or(std::vector<std::string_view>{})) {
    common::NodeRefRecord entry = ReadSupportLine(line);
    if (entry.node() < 1 || entry.node() > nodes.count()) return UnknownSupportNode(supports.count() + 1, entry.node());
    const common::NodeRecord& node = nodes[entry.node()];
    for (int d = 1; d <= 3; ++d) {
      entry.set_support(d, node.support(d));
      entry.set_support_flag(d, node.support_flag(d));
    }
    supports.Append(entry);
  }
  model.nodes = std::move(nodes);
  model.supports = std::move(supports);
  return common::Result::Ok();
}

// An input error for the first line of the section whose numbers do not all
// fit the floats of the records.
template <std::size_t N>
common::Result CheckNumbers(const Lines& lines, const std::array<common::echo::ColumnKind, N>& kinds) {
  for (std::string_view line : lines.value_or(std::vector<std::string_view>{})) {
    if (const auto number = common::echo::ReadCard(line, kinds).FirstUnfitNumber()) {
      return common::Result::Fail("Input error: " + common::echo::UnfitNumberProblem(*number, line) + ".", "Error");
    }
  }
  return common::Result::Ok();
}

// Every number of the text fits the float it is stored in.
common::Result CheckTextNumbers(const common::echo::EchoText& text) {
  namespace columns = echo::columns;
  const auto parabola = LineAfterKeyword(text, echo::kParabolaSection);
  return FirstFailure(
      {CheckNumbers(CountedSection(text, echo::kMaterialSection, common::kMaxMaterials), columns::kMaterial),
       CheckNumbers(CountedSection(text, echo::kCrossSectionSection, common::kMaxCrossSections),
                    columns::kCrossSection),
       CheckNumbers(CountedSection(text, echo::kElementSection, common::kMaxElements), columns::kElement),
       CheckNumbers(CountedSection(text, echo::kNodeSection, common::kMaxNodes), columns::kNode),
       CheckNumbers(CountedSection(text, echo::kSupportSection, common::kMaxSupports), columns::kSupport),
       CheckNumbers(parabola ? Lines(std::vector<std::string_view>{*parabola}) : Lines(), columns::kParabola)});
}

// A text without a single keyword line holds no frame (an echo text emptied or
// replaced by something else): it is refused rather than read as an empty frame.
common::Result CheckKeywords(const common::echo::EchoText& text) {
  for (int kind : text.kinds) {
    if (kind > common::echo::kDataLine) return common::Result::Ok();
  }
  return common::Result::Fail(
      "Input error: the echo text holds none of the lines TITLE, MATERIAL, CROSSECTIONS, ELEMENTS, NODES, "
      "SUPPORTS: no frame was read from it.",
      "Error");
}

common::Result Convert(FrameModel& model, const common::echo::EchoText& text) {
  if (common::Result keywords = CheckKeywords(text); !keywords) return keywords;
  if (common::Result numbers = CheckTextNumbers(text); !numbers) return numbers;
  model.params.set_vertical_sign(-1);
  ReadTitle(model, text);
  if (Lines lines = CountedSection(text, echo::kMaterialSection, common::kMaxMaterials)) {
    FillNumberedTable(model.materials, *lines, ReadMaterialLine, common::DefaultMaterial());
  }
  if (Lines lines = CountedSection(text, echo::kCrossSectionSection, common::kMaxCrossSections)) {
    FillNumberedTable(model.cross_sections, *lines, ReadCrossSectionLine, common::DefaultCrossSection());
  }
  model.params.set_angle_convention(1);
  ReadElements(model, CountedSection(text, echo::kElementSection, common::kMaxElements)
                          .value_or(std::vector<std::string_view>{}));
  if (common::Result lengths = CheckElementLengths(model.elements); !lengths) return lengths;
  const common::Result supports = ReadSupports(model, CountedSection(text, echo::kNodeSection, common::kMaxNodes),
                                               CountedSection(text, echo::kSupportSection, common::kMaxSupports));
  if (!supports) return supports;
  const auto parabola = LineAfterKeyword(text, echo::kParabolaSection);
  model.parabola = parabola ? ReadParabolaLine(*parabola) : ParabolaInput{};

  model.params.set_material_count(static_cast<std::int16_t>(model.materials.count()));
  model.params.set_cross_section_count(static_cast<std::int16_t>(model.cross_sections.count()));
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
  model.params.set_element_result_file_count(0);
  if (common::Result rebuilt = RebuildTopology(model); !rebuilt) return rebuilt;
  ComputeElementGeometry(model);
  if (common::Result stiffness = FillElementStiffness(model); !stiffness) return stiffness;
  return CheckElementNumbers(model);
}

}  // namespace

common::Result ConvertTextInput(FrameModel& model, const common::echo::EchoText& text,
                                const common::Position& position) {
  FrameModel trial = model;
  if (common::Result converted = Convert(trial, text); !converted) {
    model.editor.storey_frame_error = trial.editor.storey_frame_error;
    return converted;
  }
  model = std::move(trial);
  namespace names = common::file_names;
  // The stiffness of every element is filled: ELEMENTS is written as it stands.
  ModelFileWriter files(position);
  return FirstFailure({files.Table(names::kMaterials, model.materials),
                       files.Table(names::kCrossSections, model.cross_sections),
                       files.Table(names::kElements, model.elements),
                       files.Table(names::kNodes, model.nodes),
                       files.Table(names::kSupports, model.supports)});
}

}  // namespace kelmf
