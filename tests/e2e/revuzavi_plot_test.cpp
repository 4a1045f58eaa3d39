// The real REVUZAVI under a script: the moments of BEAM2, the equivalent nodal
// forces on, a click on element 1 opens its plot, C exports the plot, and
// Ctrl+F4 closes the plot and then the picture.
#include <gtest/gtest.h>

#include <string>

#include "graphics/app/graph_app.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/picture_click.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/viewer_in_process.h"
#include "platform/dc/recording_dc.h"
#include "platform/files.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "tests/e2e/file_bytes.h"

namespace {

// The client point of element e's middle in the picture window as the viewer opens on the
// position: the same screen and frame sizes as the scripted run's.
plat::Point ElementMiddleInThePicture(const common::Position& position, int e) {
  revuzavi::testing::ViewerInProcess v;
  EXPECT_TRUE(v.Open(position, 1));
  plat::RecordingDc dc;
  v.app.picture_view()->DrawOn(dc);
  const common::ElementRecord& element = v.app.session().state.elements[e];
  const plat::Point at = revuzavi::WorldToClient(
      v.app.session(), revuzavi::WorldPoint{(element.xa() + element.xb()) / 2, (element.za() + element.zb()) / 2});
  v.app.ExitInstance();
  return at;
}

// The moments with the equivalent nodal forces (344) shown: a click on element 1 opens its plot,
// C there exports it. (A snapshot taken before the C made the sanitizer's leak check crash at the
// program's end.)
TEST(RevuzaviPlot, AClickOnAnElementPlotsItAndCExportsThePlot) {
  const common::Position position = revuzavi::testing::ComputedExample("BEAM2");
  if (HasFailure()) return;
  const plat::Point at = ElementMiddleInThePicture(position, 1);
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI",
                                            {position.ext(), "@" + position.data_path(), "@1"},
                                            "key M\n"
                                            "command 344\n"
                                            "click " + std::to_string(at.x) + " " + std::to_string(at.y) + "\n"
                                            "key C\n"
                                            "snapshot plot.png\n"
                                            "key Ctrl+F4\n"
                                            "key Ctrl+F4\n");
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  EXPECT_EQ(e2e::ReadBytes(position.FolderFile("G1.jpg")).substr(0, 3), "\xff\xd8\xff");
  EXPECT_EQ(e2e::ReadBytes(position.FolderFile("GRAPHICFILES.TXT")),
            "              G1.jpg    MOMENTS [kNm] IN ELEMENT 1 IN LC 1\r\n");
  EXPECT_EQ(run.messages, "OK\tPicture copied to clipboard and stored in file " + position.FolderFile("G1.jpg") + "\n");
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::CopyFile(plat::testing::TestFolder() + "plot.png", snapshots + "revuzavi-beam2-plot.png", true));
}

}  // namespace
