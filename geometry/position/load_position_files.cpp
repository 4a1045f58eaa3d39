#include "geometry/position/load_position_files.h"

#include <cstdio>
#include <string>

#include "common/position/file_names.h"
#include "common/position/model_defaults.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/model_files.h"
#include "geometry/position/editor_settings.h"
#include "geometry/position/load_old_data.h"
#include "platform/files.h"

namespace kelmf {
namespace {
namespace names = common::file_names;

// Creates and removes "TEST" + ext in the position folder.
common::Result WriteTest(const common::Position& position) {
  const std::string path = position.File("TEST");
  std::FILE* file = plat::OpenForReplace(path);
  if (file == nullptr) {
    return common::Result::Fail("The file " + path + " cannot be stored!",
                                "Does the directory " + position.data_path() + " exist?");
  }
  std::fclose(file);
  plat::RemoveFile(path);
  return common::Result::Ok();
}

void SetDefaults(FrameModel& model) {
  model.params.set_model_constant_496(0.16);
  model.params.set_default_modulus(26700000.0);
  model.params.set_model_constant_716(50000.0f);
  model.materials.Clear();
  model.materials.Append(common::DefaultMaterial());
  model.cross_sections.Clear();
  model.cross_sections.Append(common::DefaultCrossSection());
  model.params.set_material_count(1);
  model.params.set_cross_section_count(1);
}

// A table file into `table`: empty when missing, and when damaged (reported).
template <class Tab>
void ReadModelTable(const common::Position& position, const char* base, Tab& table, LoadReport& report) {
  const std::string path = position.File(base);
  auto read = common::ReadTable<Tab>(path);
  report.Show(common::CheckFile(path, read.status));
  if (read.status.damaged()) read.table.Clear();
  table = std::move(read.table);
}

void ReadModelFiles(FrameModel& model, const common::Position& position, LoadReport& report) {
  const std::string params_path = position.File(names::kFrameParams);
  auto params = common::ReadBlockRecord<common::FrameParams>(params_path);
  if (params.status.ok()) model.params = params.record;
  report.Show(common::CheckFile(params_path, params.status));
  model.editor.load_cases_exist = plat::FileExists(position.LoadCaseFile(names::kLoadCaseParams, 1));
  ReadModelTable(position, names::kElements, model.elements, report);
  ReadModelTable(position, names::kNodes, model.nodes, report);
  ReadModelTable(position, names::kSupports, model.supports, report);
  report.Show(LoadTableOrDefault(position.File(names::kCrossSections), model.cross_sections,
                                 common::DefaultCrossSection()));
  report.Show(LoadTableOrDefault(position.File(names::kMaterials), model.materials, common::DefaultMaterial()));

  model.params.set_material_count(static_cast<std::int16_t>(model.materials.count()));
  model.params.set_cross_section_count(static_cast<std::int16_t>(model.cross_sections.count()));
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
  model.params.set_node_count(static_cast<std::int16_t>(model.nodes.count()));
  model.params.set_support_count(static_cast<std::int16_t>(model.supports.count()));
}

void RebuildFromEcho(FrameModel& model, const common::Position& position, LoadReport& report) {
  model.params.set_tolerance(1e-6);
  model.params.set_angle_convention(1);
  LoadReport rebuild = LoadOldData(model, position, TextInput::kEchoFile);
  report.rebuilt_from_echo = rebuild.rebuilt_from_echo;
  for (common::Result& message : rebuild.messages) report.Show(std::move(message));
  if (model.editor.pictures_drawn >= 1) {
    model.extents = common::DrawingExtents::Box(1000.0f, 1000.0f, -1000.0f, -1000.0f);
    model.editor.view_extents = model.extents;
  }
}

void SetNewModelDefaults(common::FrameParams& params) {
  params.set_title("");
  params.set_editor_default_68(-1);
  params.set_editor_default_108(20);
  params.set_material_input_flag_686(1);
  params.set_model_constant_496(0.16);
  params.set_tolerance(1e-6);
  params.set_angle_convention(1);
}

}  // namespace

std::uint32_t ParamsChecksum(const common::FrameParams& params) {
  std::uint32_t sum = 0;
  for (std::size_t k = 1; k < common::FrameParams::kSize; ++k) sum += std::to_integer<std::uint8_t>(params.bytes()[k]);
  return sum;
}

LoadReport LoadPositionFiles(FrameModel& model, const common::Position& position,
                             const common::SettingsContext& settings, bool rebuild_from_echo) {
  LoadReport report;
  if (common::Result test = WriteTest(position); !test) {
    report.Show(std::move(test));
    report.ends_program = true;
    return report;
  }
  SetDefaults(model);
  if (rebuild_from_echo) {
    const std::string marker = position.File(names::kGeometryMarker);
    if (!common::WriteInt32File(marker, 0)) report.Show(CannotStore(marker));
  }
  ReadEditorSettings(model.editor, settings);
  ReadModelFiles(model, position, report);
  report.Show(ReadDrawingExtents(model, position));

  model.editor.echo_found = CheckEchoFile(position) == 3;
  if (model.editor.echo_found) {
    RebuildFromEcho(model, position, report);
  } else {
    SetNewModelDefaults(model.params);
  }

  model.editor.stored_checksum = ParamsChecksum(model.params);
  if (!plat::FileExists(position.File(names::kGeometryMarker))) model.editor.geometry_stored = false;
  return report;
}

}  // namespace kelmf
