// Drop targets registered per window and drags with copy and move effects,
// scripted through Qt's drag events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clipboard/drop_target.h"
#include "platform/testing/drag_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/tests/recorder.h"

namespace plat::test {
namespace {

using namespace plat::testing;

std::string Where(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

// Takes text: copy with Ctrl held, else move; refuses everything when `refuse`.
class TextTarget : public DropTarget {
 public:
  bool refuse = false;
  std::vector<std::string> log;
  std::string dropped;

  DROPEFFECT OnDragEnter(Window*, const DataObject& data, std::uint32_t keys, Point p) override {
    log.push_back("enter " + Where(p) + " keys " + std::to_string(keys));
    return Answer(data, keys);
  }
  DROPEFFECT OnDragOver(Window*, const DataObject& data, std::uint32_t keys, Point p) override {
    log.push_back("over " + Where(p) + " keys " + std::to_string(keys));
    return Answer(data, keys);
  }
  void OnDragLeave(Window*) override { log.push_back("leave"); }
  bool OnDrop(Window*, const DataObject& data, DROPEFFECT effect, Point p) override {
    log.push_back("drop " + Where(p) + " effect " + std::to_string(effect));
    dropped = data.GetText().value_or("?");
    return true;
  }

 private:
  DROPEFFECT Answer(const DataObject& data, std::uint32_t keys) const {
    if (refuse || !data.HasText()) return DROPEFFECT_NONE;
    return (keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
  }
};

class DragDropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(frame.Create("frame", WS_VISIBLE, TopLevelRect()));
    ASSERT_TRUE(left.Create("", WS_CHILD | WS_VISIBLE, Rect{0, 0, 200, 300}, &frame, 1));
    ASSERT_TRUE(right.Create("", WS_CHILD | WS_VISIBLE | WS_BORDER, Rect{200, 0, 400, 300}, &frame, 2));
    ASSERT_TRUE(target.Register(&right));
  }
  Window frame, left, right;
  TextTarget target;
  std::shared_ptr<DataObject> data = DataObject::FromText("p\t \nq\tr");
};

TEST_F(DragDropTest, DropWithCtrlCopiesWithoutItMovesRefusedIsNone) {
  const DROPEFFECT both = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  EXPECT_EQ(ScriptedDrag(*data, both, {{&right, {10, 20}, kCtrl}}), DROPEFFECT_COPY);
  EXPECT_EQ(target.dropped, "p\t \nq\tr");
  const std::vector<std::string> copied = {"enter 10,20 keys 9", "over 10,20 keys 9", "drop 10,20 effect 1"};
  EXPECT_EQ(target.log, copied);

  target.log.clear();
  EXPECT_EQ(ScriptedDrag(*data, both, {{&right, {10, 20}}, {&right, {30, 40}}}), DROPEFFECT_MOVE);
  const std::vector<std::string> moved = {"enter 10,20 keys 1", "over 10,20 keys 1", "over 30,40 keys 1",
                                          "drop 30,40 effect 2"};
  EXPECT_EQ(target.log, moved);

  // A refusing target: no drop, its leave ends the drag.
  target.log.clear();
  target.dropped.clear();
  target.refuse = true;
  EXPECT_EQ(ScriptedDrag(*data, both, {{&right, {10, 20}, kCtrl}}), DROPEFFECT_NONE);
  EXPECT_EQ(target.log, (std::vector<std::string>{"enter 10,20 keys 9", "over 10,20 keys 9", "leave"}));
  EXPECT_TRUE(target.dropped.empty());
}

TEST_F(DragDropTest, OnlyTheEffectsTheSourcePermitsAndOnlyRegisteredWindows) {
  // Move is what the target wants; a source that permits only copy gets none.
  EXPECT_EQ(ScriptedDrag(*data, DROPEFFECT_COPY, {{&right, {10, 20}}}), DROPEFFECT_NONE);
  // A window without a target takes nothing; passing on to the target works.
  target.log.clear();
  EXPECT_EQ(ScriptedDrag(*data, DROPEFFECT_COPY | DROPEFFECT_MOVE, {{&left, {5, 5}}, {&right, {1, 2}}}),
            DROPEFFECT_MOVE);
  EXPECT_EQ(target.log.front(), "enter 1,2 keys 1");
  // Given up over the target: a leave.
  target.log.clear();
  EXPECT_EQ(ScriptedDrag(*data, DROPEFFECT_MOVE, {{&right, {10, 20}}}, false), DROPEFFECT_NONE);
  EXPECT_EQ(target.log.back(), "leave");
  // Revoked: nothing reaches it.
  target.Revoke();
  target.log.clear();
  EXPECT_EQ(ScriptedDrag(*data, DROPEFFECT_MOVE, {{&right, {10, 20}}}), DROPEFFECT_NONE);
  EXPECT_TRUE(target.log.empty());
  EXPECT_EQ(target.window(), nullptr);
}

TEST_F(DragDropTest, DoDragDropRunsTheScriptAndWaitsForNobodyOtherwise) {
  EXPECT_EQ(data->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_NONE);  // offscreen: no person
  DragScript script({{&right, {50, 60}, kCtrl}});
  EXPECT_EQ(data->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_COPY);
  EXPECT_EQ(script.runs(), 1);
  EXPECT_EQ(target.dropped, "p\t \nq\tr");
}

TEST_F(DragDropTest, DroppedTextThatCannotBeReadForAMoment) {
  FailingTextReads failing(1);
  EXPECT_EQ(ScriptedDrag(*data, DROPEFFECT_MOVE, {{&right, {10, 20}}}), DROPEFFECT_MOVE);
  EXPECT_EQ(target.dropped, "?");  // the target's one read failed: it must retry
}

}  // namespace
}  // namespace plat::test
