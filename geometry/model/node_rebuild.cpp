#include "geometry/model/node_rebuild.h"

#include <utility>

#include "common/position/file_names.h"
#include "common/position/model_defaults.h"
#include "common/records/record_files.h"
#include "geometry/model/dof_numbering.h"
#include "geometry/model/element_incidence.h"
#include "geometry/model/model_file_writer.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_finding.h"
#include "geometry/model/support_carry.h"

namespace kelmf {

common::Result FindAndNumberNodes(FrameModel& model) {
  if (auto found = FindNodes(model); !found) return found.failure();
  if (common::Result connected = ConnectElementsToNodes(model); !connected) return connected;
  return NumberDofs(model);
}

common::Result RebuildTopology(FrameModel& model) {
  FrameModel trial = model;
  if (common::Result numbered = FindAndNumberNodes(trial); !numbered) {
    model.editor.storey_frame_error = 1;
    return numbered;
  }
  CarrySupports(trial, model.nodes);
  model = std::move(trial);
  return common::Result::Ok();
}

common::Result WriteTopologyFiles(const FrameModel& model, const common::Position& position) {
  namespace names = common::file_names;
  ModelFileWriter files(position);
  return FirstFailure({files.Table(names::kElements, model.elements), files.Table(names::kNodes, model.nodes),
                       files.Table(names::kSupports, model.supports)});
}

common::CrossSectionTable CrossSectionsToRead(const FrameModel& model, const common::Position& position) {
  auto read = common::ReadTable<common::CrossSectionTable>(position.File(common::file_names::kCrossSections));
  if (read.status.damaged()) return model.cross_sections;
  if (read.status.missing()) {
    common::CrossSectionTable fallback;
    fallback.Append(common::DefaultCrossSection());
    return fallback;
  }
  return read.table;
}

common::Result RebuildNodes(FrameModel& model, const common::Position& position) {
  common::Result sections = LoadTableOrDefault(position.File(common::file_names::kCrossSections),
                                               model.cross_sections, common::DefaultCrossSection());
  model.params.set_cross_section_count(static_cast<std::int16_t>(model.cross_sections.count()));
  if (common::Result rebuilt = RebuildTopology(model); !rebuilt) return rebuilt;
  return FirstFailure({sections, WriteTopologyFiles(model, position)});
}

}  // namespace kelmf
