#include "Quon/input/read_model.h"

#include "Quon/input/model_indices.h"
#include "Quon/run/messages.h"
#include "Quon/run/require_file.h"
#include "common/position/file_names.h"
#include "common/position/model_defaults.h"
#include "common/records/record_files.h"

namespace zedir {
namespace {

// A table that the model cannot do without once PARAMR counts records of it.
template <class Tab>
common::Result ReadRequiredTable(const std::string& path, int claimed, Tab& table) {
  auto read = common::ReadTable<Tab>(path);
  if (read.status.missing() && claimed > 0) return FileMissing(path);
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return damaged;
  table = std::move(read.table);
  return common::Result::Ok();
}

// A table that is created with its default record when missing; a file that
// cannot be written fails.
template <class Tab>
common::Result ReadDefaultedTable(const std::string& path, const typename Tab::Record& fallback, Tab& table) {
  auto read = common::ReadTable<Tab>(path);
  if (read.status.missing()) {
    table.Clear();
    table.Append(fallback);
    return Stored(common::WriteTable(path, table), path);
  }
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return damaged;
  table = std::move(read.table);
  return common::Result::Ok();
}

common::Result ReadTables(Run& run) {
  namespace names = common::file_names;
  const common::Position& position = run.position;
  common::FrameParams& params = run.params;

  if (auto r = ReadDefaultedTable(position.File(names::kMaterials), common::DefaultMaterial(), run.materials); !r) {
    return r;
  }
  params.set_material_count(static_cast<std::int16_t>(run.materials.count()));
  if (auto r = ReadRequiredTable(position.File(names::kElements), params.element_count(), run.elements); !r) {
    return r;
  }
  params.set_element_count(static_cast<std::int16_t>(run.elements.count()));
  if (auto r = ReadRequiredTable(position.File(names::kNodes), params.node_count(), run.nodes); !r) return r;
  params.set_node_count(static_cast<std::int16_t>(run.nodes.count()));
  if (auto r = ReadRequiredTable(position.File(names::kSupports), params.support_count(), run.supports); !r) {
    return r;
  }
  params.set_support_count(static_cast<std::int16_t>(run.supports.count()));
  if (auto r = ReadDefaultedTable(position.File(names::kCrossSections), common::DefaultCrossSection(), run.sections);
      !r) {
    return r;
  }
  params.set_cross_section_count(static_cast<std::int16_t>(run.sections.count()));
  return common::Result::Ok();
}

}  // namespace

common::Result ReadModelFiles(Run& run) {
  if (common::Result failed = ReadTables(run); !failed) return Abandon(run, failed);
  const std::string params_path = run.position.File(common::file_names::kFrameParams);
  if (common::Result missing = RequireFile(params_path); !missing) return Abandon(run, missing);
  if (!common::WriteBlockRecord(params_path, run.params)) return Abandon(run, CannotStore(params_path));
  return Abandon(run, CheckModelIndices(run));
}

}  // namespace zedir
