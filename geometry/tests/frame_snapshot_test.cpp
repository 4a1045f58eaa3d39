// The frame picture of the example positions drawn on a bitmap, as the screen
// shows it; the PNGs in <build>/snapshots/ are for the eye.
#include <gtest/gtest.h>

#include "geometry/editor/editor_commands.h"
#include "geometry/editor/frame_drawing.h"
#include "geometry/tests/position_fixture.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/files.h"

namespace kelmf {
namespace {

TEST(FrameSnapshot, ExamplePositionsOnABitmap) {
  const std::string folder = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(folder));
  for (const char* name : {"PORTAL", "ARCH", "BEAM2"}) {
    SCOPED_TRACE(name);
    EditorSession editor(testing::ExamplePosition(name), testing::TestSettings());
    ASSERT_TRUE(LoadEditorPosition(editor).messages.empty());
    plat::Bitmap bitmap(1000, 800);
    {
      plat::PainterDc dc(bitmap);
      ASSERT_TRUE(Zeichnen(dc, editor.model, editor.view, editor.pens, DrawAreaOf(dc, plat::Rect{0, 0, 1000, 800})));
    }
    EXPECT_FALSE(bitmap.SamePixels(plat::Bitmap(1000, 800)));
    EXPECT_TRUE(bitmap.Save(folder + "kelmf-" + name + ".png").ok());
  }
}

// The portal on two rollers slides: its mechanism and poles.
TEST(FrameSnapshot, MechanismOnABitmap) {
  EditorSession editor(testing::ExamplePosition("PORTAL"), testing::TestSettings());
  ASSERT_TRUE(LoadEditorPosition(editor).messages.empty());
  // Both feet on rollers: the frame slides along x.
  for (auto [node, d] : {std::pair{1, 3}, std::pair{1, 1}, std::pair{4, 1}}) {
    editor.model.nodes[node].set_support_flag(d, 0);
    editor.model.nodes[node].set_support(d, 0.0f);
    for (common::NodeRefRecord& support : editor.model.supports.used()) {
      if (support.node() != node) continue;
      support.set_support_flag(d, 0);
      support.set_support(d, 0.0f);
    }
  }
  editor.model.editor.model_changed = true;
  {
    plat::testing::MessageBoxScript boxes;
    ASSERT_FALSE(StoreCommand(editor));
  }
  ASSERT_TRUE(editor.model.kinematics.found());
  plat::Bitmap bitmap(1000, 800);
  {
    plat::PainterDc dc(bitmap);
    ASSERT_TRUE(Zeichnen(dc, editor.model, editor.view, editor.pens, DrawAreaOf(dc, plat::Rect{0, 0, 1000, 800})));
  }
  const std::string folder = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(folder));
  EXPECT_TRUE(bitmap.Save(folder + "kelmf-mechanism.png").ok());
}

}  // namespace
}  // namespace kelmf
