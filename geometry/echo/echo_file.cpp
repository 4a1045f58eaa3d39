#include "geometry/echo/echo_file.h"

#include <cstdint>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "geometry/echo/dimension_listing.h"
#include "geometry/echo/echo_writer.h"
#include "geometry/model/dof_numbering.h"
#include "geometry/model/element_writer.h"
#include "geometry/model/model_file_writer.h"
#include "geometry/model/model_files.h"
#include "geometry/model/support_stiffness.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"

namespace kelmf {
namespace {

constexpr const char* kEchoBase = "ECHO_G";
constexpr const char* kEchoEditName = "ECHO_G.TMP.TXT";
constexpr const char* kDimensionListing = "D1.TXT";
constexpr const char* kDofList = "DOFSK";
constexpr const char* kOutputList = "FILES";
// The output list's line of the dimension listing.
constexpr const char* kOutputListLine = "         " "     " "D1" "                                Dimensions" "\n";

common::Result Stored(bool written, const std::string& path) {
  return written ? common::Result::Ok() : CannotStore(path);
}

// The text of an echo that the model was not read from goes beside it before
// it is first replaced.
common::Result KeepUnreadEcho(const std::string& path, FrameModel& model, const common::Position& position) {
  if (model.editor.unread_echo.empty() || path != model.editor.unread_echo) return common::Result::Ok();
  if (const auto bytes = plat::ReadWholeFile(path)) {
    const std::string backup = EchoBackupPath(position);
    if (!plat::ReplaceWholeFile(backup, bytes->data(), bytes->size(), plat::Sync::kYes)) return CannotStore(backup);
  }
  model.editor.unread_echo.clear();
  return common::Result::Ok();
}

common::Result WriteEchoText(const std::string& path, FrameModel& model, const common::Position& position) {
  if (common::Result kept = KeepUnreadEcho(path, model, position); !kept) return kept;
  plat::TextWriter out(path, plat::TextWriter::Mode::kReplaceSynced);  // the master copy
  if (!out.is_open()) return CannotStore(path);
  WriteEchoSections(out, model, position.name());
  return Stored(out.Close(), path);
}

common::Result WriteGraphicsRequest(const common::Position& position) {
  const std::string path = position.File(common::file_names::kGraphicsRequest);
  const std::int32_t show = 1;
  return Stored(plat::WriteBlock(path, &show, sizeof show), path);
}

void CountTables(FrameModel& model) {
  model.params.set_material_count(static_cast<std::int16_t>(model.materials.count()));
  model.params.set_cross_section_count(static_cast<std::int16_t>(model.cross_sections.count()));
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
  model.params.set_node_count(static_cast<std::int16_t>(model.nodes.count()));
  model.params.set_support_count(static_cast<std::int16_t>(model.supports.count()));
}

common::Result CreateOutputList(const common::Position& position) {
  const std::string path = position.FolderFile(kOutputList);
  if (plat::FileExists(path)) return common::Result::Ok();
  plat::TextWriter out(path, plat::TextWriter::Mode::kReplaceWhole);
  out.Write(kOutputListLine);
  return Stored(out.Close(), path);
}

}  // namespace

std::string EchoFileName(const common::Position& position) {
  return std::string(kEchoBase) + position.ext() + ".TXT";
}

std::string EchoEditFileName() { return kEchoEditName; }

std::string EchoFilePath(const common::Position& position) { return position.folder() + EchoFileName(position); }

std::string EchoEditFilePath(const common::Position& position) { return position.folder() + EchoEditFileName(); }

std::string EchoBackupPath(const common::Position& position) {
  return position.folder() + kEchoBase + position.ext() + ".BAK";
}

common::Result WriteEchoFile(const std::string& path, FrameModel& model, const common::Position& position) {
  const common::Result echo = WriteEchoText(path, model, position);

  model.params.set_support_stiffness(static_cast<float>(SupportStiffness(model)));
  const std::string listing = position.FolderFile(kDimensionListing);
  const common::Result dimensions = Stored(WriteDimensionListing(listing, model), listing);
  const common::Result graphics = WriteGraphicsRequest(position);

  // Numbered before PARAMR, so that the stored number of equations is the one of DOFSK.
  const common::Result numbered = NumberDofs(model);
  CountTables(model);
  ModelFileWriter files(position);
  const common::Result params = files.Params(model.params);
  common::Result dofs = numbered;
  if (numbered) dofs = files.Write(position.File(kDofList), RecordFileBytes(model.dofs));
  common::Result elements = FillElementStiffness(model);
  if (elements) elements = files.Table(common::file_names::kElements, model.elements);
  const common::Result output_list = CreateOutputList(position);

  const common::Result result = FirstFailure({echo, dimensions, graphics, params, dofs, elements, output_list});
  if (result) model.editor.model_changed = false;
  return result;
}

}  // namespace kelmf
