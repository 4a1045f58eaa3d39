#include "graphics/tests/computed_example.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "graphics/picture/world.h"
#include "graphics/startup/startup_data.h"
#include "platform/binary_io.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/testing/testing.h"

namespace revuzavi::testing {

std::string ReadBytes(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return {};
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

std::vector<float> Floats(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  std::vector<float> v(bytes.size() / sizeof(float));
  if (!v.empty()) std::memcpy(v.data(), bytes.data(), v.size() * sizeof(float));
  return v;
}

void MapFrame(Canvas& c, float margin) {
  const common::DrawingExtents& e = c.viewer.extents;
  ASSERT_EQ(DefineWorld(c.picture, kFrameWorld, e.xmin() - margin, e.zmin() - margin, e.xmax() + margin,
                        e.zmax() + margin),
            1);
  SetClipRegion(c, c.dc.GetDeviceCaps(plat::HORZRES), c.dc.GetDeviceCaps(plat::VERTRES), PictureMargins{});
}

void SaveBitmapPicture(ViewerState& state, const std::string& file, float margin,
                       const std::function<void(Canvas&)>& draw) {
  ViewState view;
  PictureState picture;
  plat::Bitmap bitmap(1200, 800);
  {
    plat::PainterDc dc(bitmap);
    Canvas c{state, view, picture, dc};
    MapFrame(c, margin);
    draw(c);
  }
  EXPECT_TRUE(bitmap.Save(plat::testing::TestFolder() + file).ok());
  if (const char* keep = std::getenv("SUITE_KEEP_PICTURES")) {
    EXPECT_TRUE(bitmap.Save(std::string(keep) + "/" + file).ok());
  }
}

common::Position ComputedExample(const std::string& name) {
  std::string echoes[2];
  for (int k = 0; k < 2; ++k) {
    const std::string echo = k == 0 ? "ECHO_G" : "ECHO_L";
    echoes[k] = ReadBytes(plat::testing::BinFolder() + "EXAMPLES/" + echo + "." + name + ".TXT");
    EXPECT_FALSE(echoes[k].empty()) << echo;
  }
  return ComputedPosition(name, echoes[0], echoes[1]);
}

common::Position ComputedPosition(const std::string& name, const std::string& geometry, const std::string& loads) {
  // Outside a test (a suite's set-up) the example gets a folder of its own, never one of the
  // working folder that other test programs running beside it would share.
  common::Position position(plat::testing::WorkFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_G"), geometry.data(), geometry.size()));
  EXPECT_TRUE(plat::WriteBlock(position.TextFile("ECHO_L"), loads.data(), loads.size()));
  const auto run = plat::testing::RunProgram("compute-position", {position.data_path(), position.name()});
  EXPECT_EQ(run.exit_code, 0) << run.start_error;
  EXPECT_EQ(run.messages, "");
  return position;
}

ViewerState ViewerOn(const common::Position& position, int load_case) {
  ViewerState state;
  std::vector<common::Result> notes;
  const common::ReadOutcome r =
      StartupData(state, StartupRequest{position.data_path(), position.ext(), load_case}, FreeTextOperations{}, notes);
  EXPECT_TRUE(r.ok()) << r.message().text();
  EXPECT_TRUE(notes.empty()) << notes.front().text();
  return state;
}

void WriteReanalysisScales(const common::Position& position, float k) {
  unsigned char bytes[20];
  const float floats[3] = {k, 1e-7f, 1e-9f};
  const std::int32_t limits[2] = {100000, 500000};
  std::memcpy(bytes, floats, 12);
  std::memcpy(bytes + 12, limits, 8);
  EXPECT_TRUE(plat::WriteBlock(position.FolderFile("Scales"), bytes, sizeof bytes));
}

}  // namespace revuzavi::testing
