// The main window's commands that copy echo texts: Save position, Load from
// Archive, Clone and the rebuild from a dropped or given echo file.
#include <cstdio>
#include <filesystem>

#include "common/position/position.h"
#include "common/settings_files.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "shell/dialogs/dia_dup.h"
#include "shell/dialogs/dia_store.h"
#include "shell/files/c_path.h"
#include "shell/frame/echo_rebuild.h"
#include "shell/frame/main_frame.h"
#include "shell/job/dia_start.h"
#include "shell/paths/dia_dup_tree.h"
#include "shell/paths/path_dialog.h"
#include "shell/positions/archive_store.h"
#include "shell/positions/echo_copies.h"
#include "shell/positions/history.h"
#include "shell/positions/model_replacement.h"
#include "shell/positions/position_name.h"
#include "shell/settings/position_list.h"
#include "shell/settings/write_settings.h"

namespace quentaris {
namespace {

namespace fs = std::filesystem;

constexpr const char* kReady = "Ready";
constexpr const char* kFrameAndLoads = "Frame and load cases have been reinstalled.";

void ShowNoFrameAfterRebuild() { plat::MessageBox("No frame", "Attention", plat::MB_OK | plat::MB_ICONINFORMATION); }

std::string Formatted(const char* format, const std::string& a, const std::string& b = {}) {
  char text[1200];
  std::snprintf(text, sizeof text, format, a.c_str(), b.c_str());
  return text;
}

void ShowIfFailed(const common::Result& result) {
  if (!result) plat::MessageBox(result.text(), result.caption(), plat::MB_OK);
}

bool IsFolder(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

}  // namespace

void CMainFrame::OnSavePosition() {
  if (!state_.has_position()) return;
  const std::string setting = state_.SettingsPath("ARCHIVEPATHSAVE");
  CPathDialog dialog("Destination:", "Where to store " + state_.position_name,
                     common::ReadFirstLine(setting).value_or(""), this);
  if (dialog.DoModal() != 1) return;  // Cancel keeps the last archive folder
  const std::string folder = dialog.path();
  if (!IsFolder(folder)) {
    plat::MessageBox(folder, "No Access!", plat::MB_OK);
    return;
  }
  CDiaStore store(StoreMode::kSave, StoreEchoFilesToArchive(state_.position(), folder), this);
  store.DoModal();
  common::WriteTextLine(state_.SettingsWritePath("ARCHIVEPATHSAVE"), folder);
}

bool CMainFrame::CopyEchoFilesIn(const std::string& source, const std::string& name, bool* load_copied) {
  const EchoFilesCopy copy = CopyEchoFilesToPosition(state_.data_path, source, name, ExistingTarget::kReplace);
  if (!copy.refused) {
    plat::MessageBox(copy.refused.text(), copy.refused.caption(), plat::MB_OK);
    return false;
  }
  if (!copy.geometry.copied()) {
    plat::MessageBox(copy.geometry.message.text(), copy.geometry.message.caption(), plat::MB_OK);
    return false;
  }
  *load_copied = copy.load && copy.load->copied();
  if (copy.load && copy.load->outcome == EchoCopy::Outcome::kFailed) {
    plat::MessageBox(copy.load->message.text(), copy.load->message.caption(), plat::MB_OK);
  }
  SetCurrentPosition(state_, name);
  WritePositionSetting(state_);
  return true;
}

bool CMainFrame::RebuildAndReread() {
  RepaintView();
  const bool frame = RebuildFromEchoFiles(state_, this);
  ReadPositionAgain();
  FillPositionCombo();
  if (!frame) ShowNoFrameAfterRebuild();
  return frame;
}

void CMainFrame::OnLoadFromArchive() {
  const std::string examples =
      common::ReadFirstLine(state_.SettingsPath("PATHEXEMP")).value_or(plat::ProgramFolder() + "EXAMPLES/");
  plat::FileDialog dialog(true, {}, {}, plat::OFN_HIDEREADONLY | plat::OFN_FILEMUSTEXIST, "echo_g.*|echo_g.*||",
                          this);
  dialog.SetInitialFolder(examples);
  if (dialog.DoModal() != plat::IDOK) return;
  const std::string picked = dialog.GetPathName();
  const std::string name = ArchiveEchoPositionName(CPath(picked).title() + CPath(picked).extension_with_point());
  if (name.empty() || !CheckPositionName(name)) {
    plat::MessageBox(Formatted("The file %s is not a geometry echo file ECHO_G.<position>.TXT.", picked), "Error",
                     plat::MB_OK | plat::MB_ICONERROR);
    return;
  }
  const bool replacing = HasGeometryEcho(state_.data_path, name);
  if (replacing && !OverwriteConfirmed(name)) return;
  common::WriteTextLine(state_.SettingsWritePath("PATHEXEMP"), CPath(picked).folder());
  const common::Position target(state_.data_path, common::PositionExt(name));
  const StoredEchoTexts before = ReadStoredEchoTexts(target);
  bool load_copied = false;
  if (!CopyEchoFilesIn(picked, name, &load_copied)) return;
  if (replacing) ShowIfFailed(ForgetFormerModel(target, before, load_copied));
  ShowIfFailed(AppendHistoryRecord(state_.position_folder, Formatted("Frame generated from file %s.", picked)));
  if (!RebuildAndReread()) return;
  plat::MessageBox(load_copied ? "Frame and loads have been reinstalled." : "Frame has been reinstalled.", kReady,
                   plat::MB_OK);
}

void CMainFrame::OnRebuildFromEcho(bool started_with_file) {
  const std::string source = Unquoted(state_.start_file);
  bool echo_named = false;
  const std::string name = DroppedFilePositionName(source, &echo_named);
  if (name.empty() || !CheckPositionName(name)) {
    plat::MessageBox(Formatted("No position name in the file name %s.", source), "Error",
                     plat::MB_OK | plat::MB_ICONERROR);
    return;
  }
  const bool replacing = HasGeometryEcho(state_.data_path, name);
  if (replacing && !OverwriteConfirmed(name)) return;
  const common::Position target(state_.data_path, common::PositionExt(name));
  const StoredEchoTexts before = ReadStoredEchoTexts(target);
  bool load_copied = false;
  if (!CopyEchoFilesIn(source, name, &load_copied)) return;
  if (replacing) ShowIfFailed(ForgetFormerModel(target, before, load_copied));
  WritePositionList(state_);
  if (!RebuildAndReread()) return;
  if (started_with_file && !echo_named) {
    CDiaStart start(state_, this);
    start.DoModal();
    return;
  }
  plat::MessageBox(kFrameAndLoads, kReady, plat::MB_OK);
}

void CMainFrame::OnClone() {
  CDiaDup dup(state_.position_name, this);
  const int chosen = dup.DoModal();
  std::string source_folder, source_name, new_name;
  bool rebuild = false;
  if (dup.other_position_chosen) {
    CDiaDupTree tree(state_.data_path_without_slash(), this);
    if (tree.DoModal() != plat::IDOK) return;
    source_name = tree.old_name;
    source_folder = common::PositionFolder(tree.data_path, common::PositionExt(source_name));
    new_name = tree.new_name;
  } else {
    if (chosen != plat::IDOK || !state_.has_position()) return;
    source_name = state_.position_name;
    source_folder = state_.position_folder;
    new_name = dup.new_name;
    rebuild = dup.fast_copy != 0;
  }
  const std::string source_ext = common::PositionExt(source_name);
  const std::string geometry = source_folder + "ECHO_G" + source_ext + ".TXT";
  const std::string load = source_folder + "ECHO_L" + source_ext + ".TXT";
  const bool replacing = HasGeometryEcho(state_.data_path, new_name);
  if (replacing && !OverwriteConfirmed(new_name)) return;
  const std::string ext = common::PositionExt(new_name);
  const std::string folder = common::PositionFolder(state_.data_path, ext);
  const common::Position target(state_.data_path, ext);
  const StoredEchoTexts before = ReadStoredEchoTexts(target);
  std::error_code ec;
  fs::create_directory(folder, ec);
  if (!IsFolder(folder)) {
    plat::MessageBox(Formatted("Folder %s cannot be generated!", folder), "Error", plat::MB_OK | plat::MB_ICONERROR);
    return;
  }
  const EchoCopy geometry_copy = CopyEchoFile(geometry, folder + "ECHO_G" + ext + ".TXT", ExistingTarget::kReplace);
  if (!geometry_copy.copied()) {
    const bool missing = geometry_copy.outcome == EchoCopy::Outcome::kSourceMissing;
    plat::MessageBox(missing ? Formatted("No data: neither %s nor %s is found!", geometry, load)
                             : geometry_copy.message.text(),
                     missing ? " " : geometry_copy.message.caption(), plat::MB_OK);
    return;
  }
  const EchoCopy load_copy = CopyEchoFile(load, folder + "ECHO_L" + ext + ".TXT", ExistingTarget::kReplace);
  if (!load_copy.copied() && load_copy.outcome != EchoCopy::Outcome::kSourceMissing) {
    plat::MessageBox(load_copy.message.text(), load_copy.message.caption(), plat::MB_OK);
  }
  // No load case of the replaced model stays with the new frame: the source's loads come, or none.
  if (replacing) ShowIfFailed(ForgetFormerModel(target, before, load_copy.copied()));
  SetCurrentPosition(state_, new_name);
  WritePositionSetting(state_);
  ShowIfFailed(AppendHistoryRecord(folder, Formatted("Frame duplicated (Original Pos. %s)", source_name)));
  FillPositionCombo();
  if (!rebuild) {
    RunKelmfAndReread();
    ribbon_.SetActiveCategory(0);
    return;
  }
  if (!RebuildAndReread()) return;
  const std::string done =
      load_copy.copied() ? "Frame and load cases have been reinstalled" : "Frame has been reinstalled";
  plat::MessageBox(Formatted("Pos %s %s", new_name, done), "Check load cases, save load cases and start computation",
                   plat::MB_OK);
}

}  // namespace quentaris
