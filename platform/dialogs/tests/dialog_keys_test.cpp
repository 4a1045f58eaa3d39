// The dialog manager: Enter, Escape, Tab, arrows and mnemonics through Qt's
// key events, and the control that keeps its keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::test {
namespace {

using namespace plat::testing;

constexpr UINT kName = 1000;
constexpr UINT kNotes = 1001;
constexpr UINT kApply = 1010;
constexpr UINT kRadioA = 1031;
constexpr UINT kRadioB = 1032;
constexpr UINT kRadioC = 1033;
constexpr UINT kCheck = 1040;

class KeysDialog : public Dialog {
 public:
  KeysDialog() : Dialog(300, "Keys") {}
  std::vector<UINT> commands;  // the buttons pressed

 protected:
  void BuildLayout(DialogLayout& layout) override {
    layout.Field("&Name:").EditBox(kName);
    layout.MultiLineEdit(kNotes, ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, 30, 4);
    layout.RadioButton("&u", kRadioA, true);
    layout.RadioButton("&w", kRadioB);
    layout.RadioButton("w,&x", kRadioC);
    layout.CheckBox("&Integral value", kCheck);
    auto row = layout.Row();
    row.PushButton("A&pply", kApply);
    row.Stretch();
    row.DefPushButton("&Start", IDOK);
    row.PushButton("S&top", IDCANCEL);
  }
  bool OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (HIWORD(wParam) == BN_CLICKED) commands.push_back(LOWORD(wParam));
    return Dialog::OnCommand(wParam, lParam);
  }
};

Window& Item(Dialog& d, UINT id) { return *d.GetDlgItem(id); }

TEST(DialogKeysTest, EnterInAMultiLineEditInsertsALine) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    d.GotoDlgCtrl(d.GetDlgItem(kNotes));
    TypeText(Item(d, kNotes), "ab");
    PressKey(Item(d, kNotes), VK_RETURN);
    TypeText(Item(d, kNotes), "cd");
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(ItemText(d, kNotes), "ab\r\ncd");
    EXPECT_EQ(static_cast<Edit&>(Item(d, kNotes)).GetLineCount(), 2);
    // Escape still cancels from there.
    PressKey(Item(d, kNotes), VK_ESCAPE);
  });
  KeysDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.commands, std::vector<UINT>{IDCANCEL});
}

TEST(DialogKeysTest, EnterElsewherePressesTheDefaultButtonAndEscapeCancels) {
  struct Case {
    UINT focus;
    int key;
    int result;
    UINT command;
  };
  const Case cases[] = {
      {kName, VK_RETURN, IDOK, IDOK},
      {kCheck, VK_RETURN, IDOK, IDOK},
      {kName, VK_ESCAPE, IDCANCEL, IDCANCEL},
      {kApply, VK_ESCAPE, IDCANCEL, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.focus);
    DialogScript script;
    script.OnNextDialog([&](Dialog& d) {
      d.GotoDlgCtrl(d.GetDlgItem(c.focus));
      PressKey(Item(d, c.focus), c.key);
    });
    KeysDialog dialog;
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_EQ(dialog.commands, std::vector<UINT>{c.command});
    EXPECT_FALSE(script.shown()[0].left_open);
  }
}

TEST(DialogKeysTest, EnterOnAFocusedPushButtonPressesThatButton) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    d.GotoDlgCtrl(d.GetDlgItem(kApply));
    PressKey(Item(d, kApply), VK_RETURN);
    EXPECT_FALSE(d.Ended());
    PressKey(Item(d, kApply), VK_SPACE);
    Press(d, IDCANCEL);
  });
  KeysDialog dialog;
  dialog.DoModal();
  EXPECT_EQ(dialog.commands, (std::vector<UINT>{kApply, kApply, IDCANCEL}));
}

TEST(DialogKeysTest, TabWalksTheTabStopsAndSelectsAnEditsText) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    // The first tab stop has the focus after WM_INITDIALOG.
    ASSERT_EQ(Window::GetFocus(), d.GetDlgItem(kName));
    SetItemText(d, kNotes, "text");
    std::vector<UINT> visited;
    for (int i = 0; i < 7; ++i) {
      PressKey(*Window::GetFocus(), VK_TAB);
      visited.push_back(Window::GetFocus()->GetDlgCtrlID());
    }
    EXPECT_EQ(visited, (std::vector<UINT>{kNotes, kRadioA, kCheck, kApply, IDOK, IDCANCEL, kName}));
    PressKey(*Window::GetFocus(), VK_TAB, kShift);
    EXPECT_EQ(Window::GetFocus(), d.GetDlgItem(IDCANCEL));
    // Tab into the multi-line edit selected its text.
    d.GotoDlgCtrl(d.GetDlgItem(kName));
    PressKey(Item(d, kName), VK_TAB);
    int start = -1, end = -1;
    static_cast<Edit&>(Item(d, kNotes)).GetSel(&start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 4);
    // Tab into the radio group goes to the checked one.
    d.CheckRadioButton(kRadioA, kRadioC, kRadioB);
    PressKey(Item(d, kNotes), VK_TAB);
    EXPECT_EQ(Window::GetFocus(), d.GetDlgItem(kRadioB));
    Press(d, IDCANCEL);
  });
  KeysDialog dialog;
  dialog.DoModal();
}

TEST(DialogKeysTest, ArrowsMoveThroughARadioGroupAndChooseIt) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    d.CheckRadioButton(kRadioA, kRadioC, kRadioA);
    d.GotoDlgCtrl(d.GetDlgItem(kRadioA));
    PressKey(Item(d, kRadioA), VK_DOWN);
    EXPECT_EQ(Window::GetFocus(), d.GetDlgItem(kRadioB));
    EXPECT_EQ(d.GetCheckedRadioButton(kRadioA, kRadioC), kRadioB);
    PressKey(Item(d, kRadioB), VK_DOWN);
    PressKey(Item(d, kRadioC), VK_DOWN);  // wraps inside the group
    EXPECT_EQ(d.GetCheckedRadioButton(kRadioA, kRadioC), kRadioA);
    PressKey(Item(d, kRadioA), VK_UP);
    EXPECT_EQ(d.GetCheckedRadioButton(kRadioA, kRadioC), kRadioC);
    Press(d, IDCANCEL);
  });
  KeysDialog dialog;
  dialog.DoModal();
}

TEST(DialogKeysTest, MnemonicsPressButtonsAndLeadFromLabels) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    // Alt+N on the label "&Name:" goes to its edit.
    d.GotoDlgCtrl(d.GetDlgItem(kCheck));
    PressKey(Item(d, kCheck), 'N', kAlt);
    EXPECT_EQ(Window::GetFocus(), d.GetDlgItem(kName));
    // Alt+I toggles the check box; a letter alone does so where the focus takes no characters.
    PressKey(Item(d, kName), 'I', kAlt);
    EXPECT_TRUE(IsChecked(d, kCheck));
    PressKey(Item(d, kCheck), 'I');
    EXPECT_FALSE(IsChecked(d, kCheck));
    // In an edit a letter is typed.
    d.GotoDlgCtrl(d.GetDlgItem(kName));
    PressKey(Item(d, kName), 'P');
    EXPECT_EQ(ItemText(d, kName), "p");
    PressKey(Item(d, kName), 'S', kAlt);
  });
  KeysDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.commands, (std::vector<UINT>{kCheck, kCheck, IDOK}));
}

TEST(DialogKeysTest, ADisabledDefaultButtonIsNotPressed) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    d.GetDlgItem(IDOK)->EnableWindow(false);
    EXPECT_FALSE(Press(d, IDOK));
    const int beeps = BeepCount();
    PressKey(Item(d, kName), VK_RETURN);
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(BeepCount(), beeps + 1);
    // The default moves with DM_SETDEFID.
    d.SetDefID(kApply);
    EXPECT_EQ(d.GetDefID(), kApply);
    EXPECT_EQ(d.GetDlgItem(kApply)->GetStyle() & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(d.GetDlgItem(IDOK)->GetStyle() & BS_TYPEMASK, BS_PUSHBUTTON);
    PressKey(Item(d, kName), VK_RETURN);
    Press(d, IDCANCEL);
  });
  KeysDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.commands, (std::vector<UINT>{kApply, IDCANCEL}));
}

}  // namespace
}  // namespace plat::test
