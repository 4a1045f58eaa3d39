#include "geometry/position/load_position_files.h"

#include <cstdio>
#include <string>

#include "common/position/file_names.h"
#include "common/position/model_defaults.h"
#include "common/records/record_files.h"
#include "geometry/echo/echo_cards.h"
#include "geometry/echo/echo_file.h"
#include "geometry/echo/echo_keywords.h"
#include "geometry/echo/echo_reader.h"
#include "geometry/echo/echo_sections.h"
#include "geometry/echo/echo_writer.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/model_files.h"
#include "geometry/position/editor_lock.h"
#include "geometry/position/editor_settings.h"
#include "geometry/position/load_old_data.h"
#include "platform/binary_io.h"
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
// False unless the file was there and whole.
template <class Tab>
bool ReadModelTable(const common::Position& position, const char* base, Tab& table, LoadReport& report) {
  const std::string path = position.File(base);
  auto read = common::ReadTable<Tab>(path);
  report.Show(common::CheckFile(path, read.status));
  if (read.status.damaged()) read.table.Clear();
  table = std::move(read.table);
  return read.status.ok();
}

// A table that a frame always has (CROSS, MATR): a missing one gets the
// default record, written at once when the files may be written.
template <class Tab>
bool ReadTableOrDefault(const common::Position& position, const char* base, Tab& table,
                        const typename Tab::Record& default_record, bool writable, LoadReport& report) {
  const std::string path = position.File(base);
  if (writable) {
    const bool present = plat::FileExists(path);
    const common::Result read = LoadTableOrDefault(path, table, default_record);
    report.Show(read);
    return present && read.ok();
  }
  return ReadModelTable(position, base, table, report);
}

// The model files into the model; true when every one was there and whole.
bool ReadModelFiles(FrameModel& model, const common::Position& position, bool writable, LoadReport& report) {
  const std::string params_path = position.File(names::kFrameParams);
  auto params = common::ReadBlockRecord<common::FrameParams>(params_path);
  if (params.status.ok()) model.params = params.record;
  report.Show(common::CheckFile(params_path, params.status));
  model.editor.load_cases_exist = plat::FileExists(position.LoadCaseFile(names::kLoadCaseParams, 1));
  bool whole = params.status.ok();
  whole &= ReadModelTable(position, names::kElements, model.elements, report);
  whole &= ReadModelTable(position, names::kNodes, model.nodes, report);
  whole &= ReadModelTable(position, names::kSupports, model.supports, report);
  whole &= ReadTableOrDefault(position, names::kCrossSections, model.cross_sections, common::DefaultCrossSection(),
                              writable, report);
  whole &= ReadTableOrDefault(position, names::kMaterials, model.materials, common::DefaultMaterial(), writable,
                              report);
  if (model.materials.empty()) model.materials.Append(common::DefaultMaterial());
  if (model.cross_sections.empty()) model.cross_sections.Append(common::DefaultCrossSection());

  model.params.set_material_count(static_cast<std::int16_t>(model.materials.count()));
  model.params.set_cross_section_count(static_cast<std::int16_t>(model.cross_sections.count()));
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
  model.params.set_node_count(static_cast<std::int16_t>(model.nodes.count()));
  model.params.set_support_count(static_cast<std::int16_t>(model.supports.count()));
  return whole;
}

// The echo text is the one the model files were stored with: written from the
// model (with the parabola input, which only the text keeps) it comes out
// byte for byte as it lies. Then there is nothing to rebuild, and the files
// keep the digits that the text rounds.
bool EchoHoldsTheModelFiles(FrameModel& model, const common::Position& position) {
  const auto bytes = plat::ReadWholeFile(EchoFilePath(position));
  auto text = ReadEchoLines(position, EchoFileName(position));
  if (!bytes || !text) return false;
  const auto parabola_line = LineAfterKeyword(*text, echo::kParabolaSection);
  FrameModel written = model;
  written.parabola = parabola_line ? ReadParabolaLine(*parabola_line) : ParabolaInput{};
  const std::string stored(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  if (EchoTextOf(written, position.name()) != stored) return false;
  model.parabola = written.parabola;
  return true;
}

std::string UnreadEchoNote(const common::Position& position) {
  return "The frame is shown as its model files hold it: the echo text " + EchoFilePath(position) +
         " was not read. The first store of the frame keeps that text as " + EchoBackupPath(position) + ".";
}

void RebuildFromEcho(FrameModel& model, const common::Position& position, bool files_whole, LoadReport& report) {
  model.params.set_tolerance(1e-6);
  model.params.set_angle_convention(1);
  if (files_whole && EchoHoldsTheModelFiles(model, position)) {
    report.rebuilt_from_echo = true;
    return;
  }
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

// The load after the write test; `writable`: the position's lock is held (or
// the folder takes no lock file), so model files may be written.
void LoadFiles(FrameModel& model, const common::Position& position, const common::SettingsContext& settings,
               bool writable, LoadReport& report) {
  SetDefaults(model);
  ReadEditorSettings(model.editor, settings);
  const bool files_whole = ReadModelFiles(model, position, writable, report);
  report.Show(ReadDrawingExtents(model, position));

  model.editor.echo_found = CheckEchoFile(position) == 3;
  model.editor.unread_echo.clear();
  if (model.editor.echo_found) {
    if (writable) RebuildFromEcho(model, position, files_whole, report);
    if (!report.rebuilt_from_echo) {
      model.editor.unread_echo = EchoFilePath(position);
      report.Show(common::Result::Fail(UnreadEchoNote(position), "Hint"));
    }
  } else {
    SetNewModelDefaults(model.params);
  }

  model.editor.stored_checksum = ParamsChecksum(model.params);
  if (!plat::FileExists(position.File(names::kGeometryMarker))) model.editor.geometry_stored = false;
}

LoadReport Load(FrameModel& model, const common::Position& position, const common::SettingsContext& settings,
                bool caller_holds_lock) {
  LoadReport report;
  if (common::Result test = WriteTest(position); !test) {
    report.Show(std::move(test));
    report.ends_program = true;
    return report;
  }
  common::PositionLock lock;
  bool writable = true;
  if (!caller_holds_lock) {
    const common::Result held = HoldEditorLock(lock, position);
    report.Show(held);
    writable = held.ok();
  }
  LoadFiles(model, position, settings, writable, report);
  return report;
}

}  // namespace

std::uint32_t ParamsChecksum(const common::FrameParams& params) {
  std::uint32_t sum = 0;
  for (std::size_t k = 1; k < common::FrameParams::kSize; ++k) sum += std::to_integer<std::uint8_t>(params.bytes()[k]);
  return sum;
}

LoadReport LoadPositionFiles(FrameModel& model, const common::Position& position,
                             const common::SettingsContext& settings) {
  return Load(model, position, settings, false);
}

LoadReport LoadPositionFilesLocked(FrameModel& model, const common::Position& position,
                                   const common::SettingsContext& settings) {
  return Load(model, position, settings, true);
}

}  // namespace kelmf
