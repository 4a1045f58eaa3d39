#include "geometry/editor/position_commands.h"

#include <utility>

#include "common/position/model_defaults.h"
#include "common/settings_files.h"
#include "geometry/app/show_messages.h"
#include "geometry/editor/editor_commands.h"
#include "geometry/editor/editor_dialogs.h"
#include "geometry/model/model_files.h"
#include "geometry/position/load_position_files.h"
#include "platform/dialogs/folder_dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace kelmf {
namespace {

constexpr std::size_t kMaxNameLength = 240;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool StartsWithSdir(const std::string& name) {
  if (name.size() <= 4) return false;
  for (int k = 0; k < 4; ++k) {
    if (std::toupper(static_cast<unsigned char>(name[k])) != "SDIR"[k]) return false;
  }
  return true;
}

// The shell learns the position from EXTR; a write that fails is reported.
void WriteExtr(const EditorSession& editor) {
  const std::string path = common::SettingsWritePath(editor.settings, "EXTR");
  if (!common::WriteTextBlock(path, editor.position.ext())) ShowMessages({CannotStore(path)});
}

// The position of a chosen folder: data path + "SDIR" + name, nothing deeper.
std::optional<std::string> PositionOfFolder(const std::string& data_path, const std::string& folder) {
  const std::string chosen = plat::FolderWithoutSlash(folder);
  const std::string base = plat::FolderWithoutSlash(data_path);
  const auto slash = chosen.rfind('/');
  if (slash == std::string::npos || chosen.substr(0, slash) != base) return std::nullopt;
  const std::string leaf = chosen.substr(slash + 1);
  if (!StartsWithSdir(leaf)) return std::nullopt;
  return leaf.substr(4);
}

void ClearFrame(FrameModel& model) {
  FrameModel fresh;
  fresh.materials = model.materials;
  fresh.cross_sections = model.cross_sections;
  fresh.editor.pen_width = model.editor.pen_width;
  fresh.editor.margin = model.editor.margin;
  fresh.editor.fangen[0] = model.editor.fangen[0];
  fresh.editor.fangen[1] = model.editor.fangen[1];
  fresh.params = model.params;
  common::ResetFrameParams(fresh.params);
  fresh.params.set_title("");
  fresh.params.set_element_count(0);
  fresh.params.set_node_count(0);
  fresh.params.set_support_count(0);
  fresh.params.set_material_count(static_cast<std::int16_t>(fresh.materials.count()));
  fresh.params.set_cross_section_count(static_cast<std::int16_t>(fresh.cross_sections.count()));
  fresh.params.set_vertical_sign(-1);
  fresh.editor.stored_checksum = ParamsChecksum(fresh.params);
  model = std::move(fresh);
}

}  // namespace

bool FrameChanged(const FrameModel& model) {
  return model.editor.model_changed || ParamsChecksum(model.params) != model.editor.stored_checksum;
}

std::string PositionNameFault(const std::string& name) {
  if (name.empty()) return "Please enter the name of the position.";
  if (name.size() > kMaxNameLength) return "A position name has at most 240 characters.";
  if (name == ".." || name.find_first_of("/\\") != std::string::npos) {
    return "A position name holds no \"/\", \"\\\" and is not \"..\": " + name;
  }
  return "";
}

bool StoreAsCommand(EditorSession& editor, plat::Window* owner) {
  std::string name = editor.position.name();
  for (;;) {
    CDiaSaveAs dialog(owner);
    dialog.position = name;
    if (dialog.DoModal() != plat::IDOK) return false;
    name = Trimmed(dialog.position);
    if (const std::string fault = PositionNameFault(name); !fault.empty()) {
      plat::MessageBox(fault, "Error", plat::MB_OK | plat::MB_ICONEXCLAMATION);
      continue;
    }
    const common::Position position(editor.position.data_path(), common::PositionExt(name));
    if (!common::EnsurePositionFolder(position)) {
      plat::MessageBox("Directory " + plat::FolderWithoutSlash(position.folder()) + " cannot be generated!", "Error",
                       plat::MB_OK | plat::MB_ICONEXCLAMATION);
      continue;
    }
    editor.position = position;
    editor.model.editor.echo_found = false;
    WriteExtr(editor);
    return true;
  }
}

bool NewCommand(EditorSession& editor, plat::Window* owner) {
  constexpr unsigned kAsk = plat::MB_YESNOCANCEL | plat::MB_ICONQUESTION;
  if (!FrameChanged(editor.model)) {
    if (plat::MessageBox("New frame ? Erase screen?", "New frame", kAsk) != plat::IDYES) return false;
  } else {
    const int answer = plat::MessageBox("Save changes?", "Erase", kAsk);
    if (answer == plat::IDCANCEL) return false;
    if (answer == plat::IDYES) {
      if (editor.position.ext() == common::PositionExt(kNewName)) (void)StoreAsCommand(editor, owner);
      if (!common::EnsurePositionFolder(editor.position)) {
        ShowMessages({common::Result::Fail(
            "Directory " + plat::FolderWithoutSlash(editor.position.folder()) + " cannot be generated!", "Error")});
        return false;
      }
      // A failure is shown; the frame stays, nothing is lost.
      if (const common::Result saved = SaveFrame(editor); !saved) {
        ShowMessages({saved});
        return false;
      }
    }
  }
  ClearFrame(editor.model);
  NewFrameReset(editor);
  editor.position = common::Position(editor.position.data_path(), common::PositionExt(kNewName));
  // End writes the new frame's echo there; a folder that cannot be made is reported by Store.
  (void)common::EnsurePositionFolder(editor.position);
  WriteExtr(editor);
  editor.view.marked_point.reset();
  editor.view.zoom_active = false;
  ClearEditorModes(editor.view);
  return true;
}

bool OpenCommand(EditorSession& editor, plat::Window* owner) {
  const std::string data_path =
      common::ReadTextBlock(common::JoinSettingsPath(editor.settings, "DPATH")).value_or(editor.position.data_path());
  std::string start = editor.position.folder();
  if (!start.empty()) start.pop_back();
  std::string name;
  for (;;) {
    plat::FolderDialog dialog("Pfad + Position", start, owner);
    if (dialog.DoModal() != plat::IDOK) return false;
    const auto chosen = PositionOfFolder(data_path, dialog.GetFolderPath());
    if (chosen && PositionNameFault(*chosen).empty()) {
      name = *chosen;
      break;
    }
    plat::MessageBox(dialog.GetFolderPath(), "No directory with a position!", plat::MB_OK);
    start = dialog.GetFolderPath();
  }
  EditorSession opened(common::Position(data_path, common::PositionExt(name)), editor.settings);
  opened.model.editor.pen_width = editor.model.editor.pen_width;
  const LoadReport load = LoadEditorPosition(opened);
  ShowMessages(load.messages);
  if (load.ends_program) return false;
  editor.position = opened.position;
  editor.model = std::move(opened.model);
  editor.view.extents_valid = true;
  editor.view.zoom_active = false;
  editor.view.marked_point.reset();
  ClearEditorModes(editor.view);
  WriteExtr(editor);
  return true;
}

void ClearEditorModes(ViewState& view) {
  view.graphical_input = false;
  view.line_state = 0;
  view.rubber_band = false;
  view.rectangle_drawn = false;
  view.rubber_line_drawn = false;
  view.ctrl_held = false;
}

}  // namespace kelmf
