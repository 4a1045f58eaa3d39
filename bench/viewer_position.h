#pragma once
// The viewer's state of load case 1 of a benchmark position solved in a scratch folder.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Quon/tests/support/test_position.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_model_files.h"
#include "graphics/model/read_results.h"
#include "graphics/state/viewer_state.h"

namespace bench {

// A fresh folder under the temporary folder, removed with the object.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& stem) {
    std::string templ = (std::filesystem::temp_directory_path() / (stem + "-XXXXXX")).string();
    root_ = std::string(mkdtemp(templ.data())) + "/";
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& root() const { return root_; }

 private:
  std::string root_;
};

// The model, load case 1 and its displacements read into `state` as the viewer reads them.
inline bool ReadViewerLoadCase1(const zedir::testing::TestPosition& pos, revuzavi::ViewerState& state) {
  state.position = pos.position();
  state.settings = pos.settings();
  if (!revuzavi::ReadModelFiles(state).ok()) return false;
  state.current_load_case = 1;
  state.current_load_case_text = common::CurrentLoadCaseText(1);
  return revuzavi::ReadLoadCaseFiles(state).ok() && revuzavi::ReadDisplacementVector(state, "01").ok();
}

}  // namespace bench
