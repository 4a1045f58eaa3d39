// The load picture of the example PORTAL (6 m x 4 m, node 1 clamped, node 4
// hinged) as stored, drawn on a RecordingDc of 1000 x 700.
#include "loads/picture/draw_load_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "loads/model/read_load_case.h"
#include "loads/tests/example_frames.h"
#include "platform/dc/recording_dc.h"

namespace pundf::picture {
namespace {

PictureView PortalView() {
  PictureView view;
  view.drawing_rect = {50, 35, 950, 665};
  view.zoom = 0.7f;
  return view;
}

class PortalPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    model_ = pundf::testing::StoredExample("PORTAL", ".P");
    pundf::testing::StoreExampleLoadCases("PORTAL", model_);
  }
  void Open(int number) {
    const ReadOutcome read = ReadLoadCase(model_, number);
    ASSERT_TRUE(read.ok()) << read.message().text();
    ForgetLabelPlaces(labels_);
  }
  std::string Draw(plat::RecordingDc& dc, const PictureView& view = PortalView()) {
    EXPECT_TRUE(DrawLoadCase(model_, view, labels_, dc));
    return dc.Text();
  }
  std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }
  // The lines of the recording that hold `part`.
  std::vector<std::string> With(const std::string& text, const std::string& part) {
    std::vector<std::string> found;
    for (const std::string& line : Lines(text)) {
      if (line.find(part) != std::string::npos) found.push_back(line);
    }
    return found;
  }

  LoadModel model_;
  LabelMemory labels_;
};

TEST_F(PortalPicture, Dump) {
  Open(2);
  plat::RecordingDc dc;
  std::printf("%s\n", Draw(dc).c_str());
  Open(3);
  plat::RecordingDc dc3;
  std::printf("%s\n", Draw(dc3).c_str());
}

}  // namespace
}  // namespace pundf::picture
