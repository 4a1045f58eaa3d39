// The text, selection and caret of the edit control.
#include <gtest/gtest.h>

#include "platform/controls/edit_text.h"

namespace plat::test {
namespace {

struct SelectionCase {
  int start, end;
  int anchor, caret;
};

TEST(EditText, SetSelectionClampsAndKnowsWin32sSpecialValues) {
  const SelectionCase cases[] = {
      {0, -1, 0, 5},   // everything
      {1, 3, 1, 3},
      {4, 2, 4, 2},    // backwards: the caret at the end given
      {-1, 0, 2, 2},   // -1: no selection, the caret stays (it was at 2)
      {2, 99, 2, 5},
      {-7, 3, 0, 3},   // another negative start clamps to the text
      {3, -2, 3, 5},   // a negative end: the end of the text
  };
  for (const SelectionCase& c : cases) {
    EditText e;
    e.SetText("ABCDE");
    e.SetSelection(2, 2);
    e.SetSelection(c.start, c.end);
    EXPECT_EQ(e.anchor(), c.anchor) << c.start << "," << c.end;
    EXPECT_EQ(e.caret(), c.caret) << c.start << "," << c.end;
  }
}

TEST(EditText, TypingReplacesTheSelectionWithinTheLimit) {
  EditText e;
  e.SetText("ABC");
  e.SetSelection(0, -1);
  EXPECT_TRUE(e.ReplaceSelection("x"));
  EXPECT_EQ(e.text(), "x");
  EXPECT_EQ(e.caret(), 1);
  EXPECT_FALSE(e.HasSelection());

  e.SetLimit(4);
  EXPECT_FALSE(e.ReplaceSelection("yzwv"));  // one too many: cut to the room left
  EXPECT_EQ(e.text(), "xyzw");
  EXPECT_FALSE(e.ReplaceSelection("q"));
  EXPECT_EQ(e.text(), "xyzw");
  e.SetSelection(1, 3);
  EXPECT_TRUE(e.ReplaceSelection("12"));  // the selection makes room
  EXPECT_EQ(e.text(), "x12w");
  e.SetLimit(2);  // a smaller limit keeps the text there
  EXPECT_EQ(e.text(), "x12w");
  e.SetLimit(0);
  EXPECT_EQ(e.limit(), EditText::kLargestLimit);
}

TEST(EditText, DeletingAndMovingByCharactersAndWords) {
  EditText e;
  e.SetText("ab cd  ef");
  e.MoveCaret(4, false);
  EXPECT_TRUE(e.DeleteBack());
  EXPECT_EQ(e.text(), "ab d  ef");
  EXPECT_TRUE(e.DeleteForward());
  EXPECT_EQ(e.text(), "ab   ef");
  e.MoveCaret(0, false);
  EXPECT_FALSE(e.DeleteBack());
  e.MoveCaret(99, false);
  EXPECT_EQ(e.caret(), 7);
  EXPECT_FALSE(e.DeleteForward());
  EXPECT_EQ(e.WordLeft(), 5);
  e.MoveCaret(0, false);
  EXPECT_EQ(e.WordRight(), 5);
  e.MoveCaret(5, true);
  EXPECT_EQ(e.SelectedText(), "ab   ");
  EXPECT_TRUE(e.DeleteBack());
  EXPECT_EQ(e.text(), "ef");
}

TEST(EditText, CaseOfWindows1252Letters) {
  EXPECT_EQ(UpperCp1252('a'), 'A');
  EXPECT_EQ(UpperCp1252('\xFC'), '\xDC');  // ü
  EXPECT_EQ(UpperCp1252('\xDF'), '\xDF');  // ß has no capital here
  EXPECT_EQ(UpperCp1252('\xF7'), '\xF7');  // ÷ is no letter
  EXPECT_EQ(UpperCp1252('\x9A'), '\x8A');  // š
  EXPECT_EQ(UpperCp1252('1'), '1');
  EXPECT_EQ(LowerCp1252('\xC4'), '\xE4');  // Ä
  EXPECT_EQ(LowerCp1252('\xD7'), '\xD7');  // ×
  EXPECT_EQ(LowerCp1252('Z'), 'z');
}

}  // namespace
}  // namespace plat::test
