#pragma once
// LERVENTA opened in process on a page folder of the test: its boxes,
// process starts and WM_QUIT caught.
#include <string>
#include <string_view>

#include "LERVENTA/app/lerventa_app.h"
#include "LERVENTA/app/lerventa_view.h"
#include "LERVENTA/app/main_frame.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace lerventa::testing {

inline std::string PageFolder() { return plat::testing::TestFolder() + "bin/"; }

// Writes a page (or any file) into a folder; its path.
inline std::string WritePage(const std::string& folder, const std::string& name, std::string_view text) {
  plat::MakeFolder(folder);
  const std::string path = folder + name;
  plat::WriteBlock(path, text.data(), text.size());
  return path;
}

struct OpenedViewer {
  plat::testing::MessageBoxScript boxes;
  plat::testing::ProcessRecorder processes;
  plat::testing::QuitCatcher quit;
  CLerventaApp app{PageFolder()};

  bool Open(std::string_view command_line) {
    if (!app.Open(command_line)) return false;
    plat::testing::PumpMessages();
    return true;
  }
  CMainFrame& frame() { return *app.main_frame(); }
  CLerventaView& view() { return *app.view(); }
  std::string Boxes() const {
    std::string all;
    for (const auto& box : boxes.shown()) all += box.caption + "\t" + box.text + "\n";
    return all;
  }
};

}  // namespace lerventa::testing
