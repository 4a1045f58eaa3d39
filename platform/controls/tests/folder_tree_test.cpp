// The folder tree: folders read when expanded, a path selected in its own
// case, and a person's clicks heard by the parent.
#include "platform/controls/folder_tree.h"

#include <gtest/gtest.h>

#include "platform/binary_io.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat {
namespace {

using namespace plat::testing;

constexpr UINT kTree = 1045;

// A tree that lists the files ending in ".txt" as well.
class TextFileTree : public FolderTree {
 protected:
  bool ShowFile(std::string_view name) override { return name.size() > 4 && name.substr(name.size() - 4) == ".txt"; }
};

class TreeDialog : public Dialog {
 public:
  explicit TreeDialog(FolderTree& tree) : Dialog(111, "Tree"), tree_(tree) {}
  std::vector<int> codes;  // the notifications heard

 protected:
  void BuildLayout(DialogLayout& layout) override { layout.Custom(tree_, kTree, WS_BORDER | WS_VSCROLL, 300, 200); }
  bool OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
    codes.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    *result = 0;
    return true;
  }

 private:
  FolderTree& tree_;
};

class FolderTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = TestFolder() + "Tree";
    for (const char* folder : {"/Data/Sub", "/Data/sub", "/Other"}) ASSERT_TRUE(MakeFolder(root_ + folder));
    ASSERT_TRUE(WriteBlock(root_ + "/Data/notes.txt", "x", 1));
  }
  std::string root_;
};

TEST_F(FolderTreeTest, SelectsAPathInItsOwnCaseAndRefusesAMissingPart) {
  FolderTree tree;
  TreeDialog dialog(tree);
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(tree.GetSelectedPath(), "");
  EXPECT_TRUE(tree.SelectPath(root_ + "/Data/sub/"));
  EXPECT_EQ(tree.GetSelectedPath(), root_ + "/Data/sub");
  EXPECT_FALSE(tree.SelectPath(root_ + "/Data/Missing"));
  EXPECT_FALSE(tree.SelectPath(root_ + "/DATA"));
  EXPECT_EQ(tree.GetSelectedPath(), root_ + "/Data/sub");
  // Files are listed only where ShowFile accepts them.
  EXPECT_FALSE(tree.SelectPath(root_ + "/Data/notes.txt"));
  TextFileTree files;
  TreeDialog file_dialog(files);
  ASSERT_TRUE(file_dialog.Create());
  EXPECT_TRUE(files.SelectPath(root_ + "/Data/notes.txt"));
}

TEST_F(FolderTreeTest, ClicksSelectExpandAndNotifyTheParent) {
  FolderTree tree;
  TreeDialog dialog(tree);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(SelectTreePath(dialog, kTree, root_ + "/Data/Sub"));
  EXPECT_EQ(tree.GetSelectedPath(), root_ + "/Data/Sub");
  EXPECT_TRUE(tree.IsExpanded(root_ + "/Data"));
  ASSERT_FALSE(dialog.codes.empty());
  EXPECT_EQ(dialog.codes.back(), TVN_SELCHANGED);

  dialog.codes.clear();
  ASSERT_TRUE(DoubleClickTreePath(dialog, kTree, root_ + "/Other"));
  EXPECT_EQ(tree.GetSelectedPath(), root_ + "/Other");
  EXPECT_EQ(dialog.codes, (std::vector<int>{TVN_SELCHANGED, NM_DBLCLK}));
  EXPECT_FALSE(SelectTreePath(dialog, kTree, root_ + "/Nothing/here"));

  // The keys: Up goes to the folder above, Left to the parent.
  PressKey(tree, VK_UP);
  EXPECT_EQ(tree.GetSelectedPath(), root_ + "/Data/sub");
  PressKey(tree, VK_LEFT);
  EXPECT_EQ(tree.GetSelectedPath(), root_ + "/Data");
  PressKey(tree, VK_LEFT);
  EXPECT_FALSE(tree.IsExpanded(root_ + "/Data"));
}

TEST_F(FolderTreeTest, CollapsingMovesTheSelectionUp) {
  FolderTree tree;
  TreeDialog dialog(tree);
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(SelectTreePath(dialog, kTree, root_ + "/Data/Sub"));
  const Rect box = *tree.ButtonRect(root_ + "/Data");
  Click(tree, Point{box.left + 4, box.top + 4});
  EXPECT_FALSE(tree.IsExpanded(root_ + "/Data"));
  EXPECT_EQ(tree.GetSelectedPath(), root_ + "/Data");
}

}  // namespace
}  // namespace plat
