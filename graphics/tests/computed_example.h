#pragma once
// An example position from the installed EXAMPLES, stored and computed by the real programs in the
// test's data folder, and read into a viewer state.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "graphics/picture/canvas.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi::testing {

// The whole file, empty when it is missing.
std::string ReadBytes(const std::string& path);
// The file's single floats, none when it is missing.
std::vector<float> Floats(const std::string& path);

// The frame world of the extents and a margin around them mapped on the device.
void MapFrame(Canvas& c, float margin = 0.0f);

// A picture recorded on the frame world of a state.
struct RecordedPicture {
  RecordedPicture(ViewerState& state, float margin) : canvas{state, view, picture, dc} { MapFrame(canvas, margin); }
  ViewState view;
  PictureState picture;
  plat::RecordingDc dc;
  Canvas canvas;
};


// A picture drawn by `draw` on a 1200 x 800 bitmap with the frame world and `margin` mapped,
// saved as `file` in the test's folder and, for a look at it, in the folder SUITE_KEEP_PICTURES
// names when it is set.
void SaveBitmapPicture(ViewerState& state, const std::string& file, float margin,
                       const std::function<void(Canvas&)>& draw);

// The example `name` ("BEAM2", "PORTAL") computed by compute-position.
common::Position ComputedExample(const std::string& name);
// A position `name` of the two echo texts computed by compute-position.
common::Position ComputedPosition(const std::string& name, const std::string& geometry, const std::string& loads);

// The position read as the viewer starts on load case `load_case` (a failure is a test failure).
ViewerState ViewerOn(const common::Position& position, int load_case);

// "Scales" of the reanalysis: k, the bounds 1e-7 and 1e-9, the limits 100000 and 500000.
void WriteReanalysisScales(const common::Position& position, float k);

// An example computed once for all tests of its suite.
template <const char* kName>
class ComputedExampleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { position_ = new common::Position(ComputedExample(kName)); }
  static void TearDownTestSuite() {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(position_->data_path()).parent_path().parent_path(), ec);
    delete position_;
  }
  static inline common::Position* position_ = nullptr;
};

}  // namespace revuzavi::testing
