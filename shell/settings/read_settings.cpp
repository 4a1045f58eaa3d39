#include "shell/settings/read_settings.h"

#include "common/position/file_names.h"
#include "common/settings_files.h"
#include "platform/files.h"
#include "shell/positions/position_name.h"
#include "shell/settings/position_list.h"
#include "shell/settings/settings_names.h"
#include "shell/settings/write_settings.h"
#include "shell/view/frame_data.h"

namespace quentaris {
namespace {

// The name of EXTR's text: without its dot; empty (no position) for an empty text or a lone dot.
std::string NameOfExtension(const std::string& text) {
  if (!text.empty() && text.front() == '.') return text.substr(1);
  return text;
}

void DerivePosition(ShellState& state) {
  if (!state.has_position()) {
    state.position_ext.clear();
    state.position_folder.clear();
    return;
  }
  state.position_ext = common::PositionExt(state.position_name);
  state.position_folder = common::PositionFolder(state.data_path, state.position_ext);
}

void ReadDataPath(ShellState& state) {
  const std::string settings_path = state.settings.folder + "/";
  state.data_path_is_settings_folder = false;
  const std::optional<std::string> stored = common::ReadTextBlock(state.SettingsPath(kDataPathFile));
  if (stored && !stored->empty()) {
    state.data_path = *stored;
    if (state.data_path.back() != '/') state.data_path += '/';
    state.data_path_is_settings_folder = state.data_path == settings_path;
    return;
  }
  state.data_path = settings_path;
  state.data_path_is_settings_folder = true;
  // A settings folder that cannot be written leaves the default in memory; the next start tries again.
  (void)WriteDataPathSetting(state);
}

int ReadPenWidth(const ShellState& state) {
  const auto width = common::ReadInt32File(state.SettingsPath(kPenWidthFile));
  if (!width || *width < kMinPenWidth || *width > kMaxPenWidth) return 1;
  return *width;
}

}  // namespace

common::Result ReadDiary(ShellState& state) {
  state.diary = common::LoadCaseDiary{};
  if (!state.has_position()) return common::Result::Ok();
  const std::string path = state.position().File(common::file_names::kDiary);
  auto read = common::ReadBlockRecord<common::LoadCaseDiary>(path);
  if (read.status.missing()) return common::Result::Ok();
  if (read.status.ok() && !read.record.has_valid_count()) {
    read.status.state = plat::TableState::kDamaged;
    read.status.problem = "it claims " + std::to_string(read.record.count()) + " load cases";
  }
  if (common::Result damaged = common::CheckFile(path, read.status); !damaged) return damaged;
  state.diary = read.record;
  return common::Result::Ok();
}

namespace {

common::Result ReadPositionFrame(ShellState& state) {
  if (!state.has_position()) {
    state.frame = FrameData{};
    return common::Result::Ok();
  }
  return ReadFrameFiles(state.position(), state.frame).problem;
}

}  // namespace

void ReadSettings(ShellState& state) {
  state.settings = common::SettingsContext::Discover();
  const std::optional<std::string> ext = common::ReadTextBlock(state.SettingsPath(kPositionFile));
  state.position_name = ext ? NameOfExtension(*ext) : "0";
  state.refused_position.clear();
  if (state.has_position() && !CheckPositionName(state.position_name)) {
    // A name that would lead out of the data path (or is no name) is no position.
    state.refused_position = state.position_name;
    state.position_name.clear();
  }
  ReadDataPath(state);
  DerivePosition(state);
}

common::Result LoadPosition(ShellState& state) {
  DerivePosition(state);
  state.settings.found = plat::FolderExists(state.settings.folder);
  if (!state.print_scales_read) {
    state.print_scales = common::ReadPrintScalesSettings(state.SettingsPath(common::file_names::kPrintScales));
    state.print_scales_read = true;
  }
  common::Result diary = ReadDiary(state);
  state.pen_width = ReadPenWidth(state);
  state.positions = ReadPositionList(state.SettingsPath(kPositionListFile));
  common::Result frame = ReadPositionFrame(state);
  if (!state.refused_position.empty()) {
    const common::Result rule = CheckPositionName(state.refused_position);
    return common::Result::Fail("The position \"" + state.refused_position + "\" of " +
                                    state.SettingsPath(kPositionFile) + " is refused: " + rule.text(),
                                rule.caption());
  }
  return diary.ok() ? frame : diary;
}

common::Result SettingsFolderProblem(const ShellState& state) {
  if (state.settings.found) return common::Result::Ok();
  return common::Result::Fail("The settings folder " + state.settings.folder +
                                  " cannot be created or is no folder: the settings are read from the start "
                                  "folder where they exist, and no setting is stored.",
                              "Settings");
}

}  // namespace quentaris
