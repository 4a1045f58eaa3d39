// Data exchange: members to controls and back, with the refusals and their
// messages; a modal dialog run by a script.
#include <gtest/gtest.h>

#include <string>

#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/testing/dialog_testing.h"

namespace plat::test {
namespace {

using namespace plat::testing;

constexpr UINT kCount = 1000;
constexpr UINT kScale = 1001;
constexpr UINT kTitle = 1002;
constexpr UINT kCheck = 1022;
constexpr UINT kFirstRadio = 1068;

class ValuesDialog : public Dialog {
 public:
  ValuesDialog() : Dialog(2081, "Values") {}
  int count = 5;
  double scale = 0.1;
  float factor = 1.0f;
  std::string title = "Frame";
  int check = 1;
  int radio = 1;

 protected:
  void BuildLayout(DialogLayout& layout) override {
    auto form = layout.Form();
    form.Field("&Count:").EditBox(kCount);
    form.Field("&Scale:").EditBox(kScale);
    form.Field("&Factor:").EditBox(1003);
    form.Field("&Title:").EditBox(kTitle);
    layout.CheckBox("&Compression", kCheck);
    layout.RadioButton("&Iterative", kFirstRadio, true);
    layout.RadioButton("&Direct", kFirstRadio + 1);
    layout.OkCancel("OK", "&Stop");
  }
  void DoDataExchange(DataExchange& dx) override {
    DDX_Text(dx, kCount, count);
    DDV_MinMaxInt(dx, count, 1, 99);
    DDX_Text(dx, kScale, scale);
    DDX_Text(dx, 1003, factor);
    DDX_Text(dx, kTitle, title);
    DDV_MaxChars(dx, title, 8);
    DDX_Check(dx, kCheck, check);
    DDX_Radio(dx, kFirstRadio, radio);
  }
};

TEST(DataExchangeTest, LoadingShowsTheMembersWithTheirFormats) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    EXPECT_EQ(ItemText(d, kCount), "5");
    EXPECT_EQ(ItemText(d, kScale), "0.10");
    EXPECT_EQ(ItemText(d, 1003), "1.00");
    EXPECT_EQ(ItemText(d, kTitle), "Frame");
    EXPECT_TRUE(IsChecked(d, kCheck));
    EXPECT_FALSE(IsChecked(d, kFirstRadio));
    EXPECT_TRUE(IsChecked(d, kFirstRadio + 1));
    // The limit of DDV_MaxChars applies to typing.
    TypeInto(d, kTitle, "ABCDEFGHIJ");
    EXPECT_EQ(ItemText(d, kTitle), "ABCDEFGH");
    Press(d, IDCANCEL);
  });
  ValuesDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].template_id, 2081u);
  EXPECT_EQ(script.shown()[0].caption, "Values");
  EXPECT_FALSE(script.shown()[0].left_open);
}

// The int bound to an edit with the range 1..99 refuses 0 with the range
// message and keeps the dialog open; 12 is then accepted.
TEST(DataExchangeTest, RangeCheckRefusesZeroAndAcceptsTwelve) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    TypeInto(d, kCount, "0");
    Press(d, IDOK);
    EXPECT_FALSE(d.Ended());
    // The refused control has the focus with its text selected.
    EXPECT_EQ(Window::GetFocus(), d.GetDlgItem(kCount));
    int start = -1, end = -1;
    static_cast<Edit*>(d.GetDlgItem(kCount))->GetSel(&start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 1);
    TypeInto(d, kCount, "12");
    Press(d, IDOK);
  });
  ValuesDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.count, 12);
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[1].kind, ShownDialog::Kind::kMessageBox);
  EXPECT_EQ(script.shown()[1].text, "Please enter an integer between 1 and 99.");
  EXPECT_EQ(script.shown()[1].flags & 0xF0u, MB_ICONEXCLAMATION);
  EXPECT_EQ(script.shown()[0].result, IDOK);
}

TEST(DataExchangeTest, SavingReadsEveryKindAndRefusesWhatIsNoNumber) {
  struct Case {
    std::string count, scale, title;
    std::string message;  // empty: accepted
  };
  const Case cases[] = {
      {" 42 ", "2,5", "Beam", ""},
      {"-1", "1", "x", "Please enter an integer between 1 and 99."},
      {"12abc", "1", "x", "Please enter an integer."},
      {"", "1", "x", "Please enter an integer."},
      {"99999999999", "1", "x", "Please enter an integer."},
      {"3", "1.5.2", "x", "Please enter a number."},
      {"3", "", "x", "Please enter a number."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count + " / " + c.scale);
    DialogScript script;
    script.OnNextDialog([&](Dialog& d) {
      SetItemText(d, kCount, c.count);
      SetItemText(d, kScale, c.scale);
      SetItemText(d, kTitle, c.title);
      SetChecked(d, kCheck, false);
      SetChecked(d, kFirstRadio, true);
      Press(d, IDOK);
    });
    ValuesDialog dialog;
    const int result = dialog.DoModal();
    if (c.message.empty()) {
      EXPECT_EQ(result, IDOK);
      EXPECT_EQ(dialog.count, 42);
      EXPECT_DOUBLE_EQ(dialog.scale, 2.5);
      EXPECT_EQ(dialog.title, "Beam");
      EXPECT_EQ(dialog.check, 0);
      EXPECT_EQ(dialog.radio, 0);
    } else {
      EXPECT_EQ(result, IDCANCEL);
      ASSERT_EQ(script.shown().size(), 2u);
      EXPECT_EQ(script.shown()[1].text, c.message);
      EXPECT_TRUE(script.shown()[0].left_open);
      EXPECT_EQ(dialog.count, c.count == "-1" ? -1 : (c.message.find("integer.") != std::string::npos ? 5 : 3));
    }
  }
}

TEST(DataExchangeTest, ParsingHelpers) {
  int i = 0;
  EXPECT_TRUE(ParseDialogInt("  -17\t", &i));
  EXPECT_EQ(i, -17);
  EXPECT_FALSE(ParseDialogInt("+", &i));
  EXPECT_FALSE(ParseDialogInt("1 2", &i));
  double d = 0;
  EXPECT_TRUE(ParseDialogDouble("1e3", &d));
  EXPECT_DOUBLE_EQ(d, 1000.0);
  EXPECT_TRUE(ParseDialogDouble(" -0,25 ", &d));
  EXPECT_DOUBLE_EQ(d, -0.25);
  EXPECT_FALSE(ParseDialogDouble("nan", &d));
  EXPECT_FALSE(ParseDialogDouble("1e999", &d));
}

TEST(DataExchangeTest, ADialogBeyondTheScriptIsCancelledAndLogged) {
  DialogScript script;
  ValuesDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_TRUE(script.shown()[0].left_open);
  EXPECT_FALSE(IsWindow(dialog.GetSafeHwnd()));
}

}  // namespace
}  // namespace plat::test
