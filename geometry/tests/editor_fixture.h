#pragma once
// The geometry editor opened in process on a position: its boxes answered,
// WM_QUIT caught, commands sent as the frame receives them.
#include <gtest/gtest.h>

#include <string>

#include "common/position/model_defaults.h"
#include "common/position/position.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/input_panel.h"
#include "geometry/editor/kelmw_app.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/editor/main_frame.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/frames/view.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace kelmf::testing {

inline std::string CommandLine(const common::Position& position, bool rebuild = false) {
  return position.ext() + " @" + position.data_path() + (rebuild ? " @G" : "");
}

// The editor opened on a position, with its boxes answered and WM_QUIT caught.
struct OpenedEditor {
  plat::testing::MessageBoxScript boxes;
  plat::testing::QuitCatcher quit;
  CKELMWApp app;

  bool Open(const std::string& command_line) {
    if (!app.Open(command_line)) return false;
    plat::testing::PumpMessages();
    return true;
  }
  CMainFrame& frame() { return *app.main_frame(); }
  EditorSession& session() { return *app.session(); }
  void Command(plat::UINT id) {
    frame().SendMessage(plat::WM_COMMAND, id);
    plat::testing::PumpMessages();
  }
  std::string Boxes() const {
    std::string all;
    for (const auto& box : boxes.shown()) all += box.caption + "\t" + box.text + "\n";
    return all;
  }
};

// The editor opened on a position, with its view and its Input panel.
struct PanelEditor : OpenedEditor {
  explicit PanelEditor(const common::Position& position) { EXPECT_TRUE(Open(CommandLine(position))); }
  CKELMWView& view() { return static_cast<CKELMWView&>(*frame().GetActiveView()); }
  // The panel shown, material 1 and cross section 1 there for the generators.
  CDiaMain& panel() {
    if (session().model.materials.empty()) session().model.materials.Append(common::DefaultMaterial());
    if (session().model.cross_sections.empty()) session().model.cross_sections.Append(common::DefaultCrossSection());
    Command(ids::kDialogInput);
    return *view().panel();
  }
};

inline void ClickButton(plat::Dialog& dialog, plat::UINT id) {
  dialog.SendMessage(plat::WM_COMMAND, id, reinterpret_cast<plat::LPARAM>(dialog.GetDlgItem(id)));
  plat::testing::PumpMessages();
}

inline std::string ReadAll(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

}  // namespace kelmf::testing
