#include "Quon/input/find_position.h"

#include "Quon/run/messages.h"
#include "Quon/run/require_file.h"
#include "common/settings_files.h"
#include "platform/files.h"

namespace zedir {
namespace {

// With the marker the trace folder exists and its TRACE file is removed. The
// folder is made in the settings folder only, never beside the program.
void SetTraceFolder(Run& run, const common::SettingsContext& settings) {
  run.trace_folder.clear();
  if (!plat::FileExists(common::JoinSettingsPath(settings, kTraceMarkerFile))) return;
  const std::string folder = common::SettingsWritePath(settings, kTraceFolder);
  if (!plat::MakeFolder(folder)) return;
  run.trace_folder = folder + "/";
  const std::string trace_file = run.trace_folder + kTraceFolder;
  if (plat::FileExists(trace_file)) plat::RemoveFile(trace_file);
}

}  // namespace

common::Result FindPosition(Run& run, const common::SettingsContext& settings) {
  if (auto ext = common::ReadTextBlock(common::JoinSettingsPath(settings, kPositionExtFile))) {
    run.position_name = common::PositionName(*ext);
  }
  const std::string data_path_file = common::JoinSettingsPath(settings, kDataPathFile);
  if (common::Result missing = RequireFile(data_path_file); !missing) return Abandon(run, missing);
  const auto data_path = common::ReadTextBlock(data_path_file);
  if (!data_path) return Abandon(run, FileMissing(data_path_file));
  if (data_path->empty()) return Abandon(run, FileDamaged(data_path_file, "it holds no data path"));
  run.position = common::Position(*data_path, common::PositionExt(run.position_name));
  SetTraceFolder(run, settings);
  return common::Result::Ok();
}

}  // namespace zedir
