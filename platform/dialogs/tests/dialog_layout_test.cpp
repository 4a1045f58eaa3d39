// A dialog with every kind of control: each id maps to a visible widget inside
// the dialog, and a screenshot is kept as a test artefact for review.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "platform/controls/button.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/controls/progress.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/static.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"

namespace plat::test {
namespace {

using namespace plat::testing;

// Lines coloured by their item data, as a coloured list of listings.
class ColouredList : public ListBox {
 public:
  void DrawItem(DRAWITEMSTRUCT& item) override {
    ++drawn;
    Dc& dc = *item.hDC;
    const ColorRef back = (item.itemState & ODS_SELECTED) ? Rgb(0, 0, 128)
                          : item.itemData == 9                  ? Rgb(255, 255, 160)
                                                                : Rgb(255, 255, 255);
    dc.FillRect(item.rcItem, Brush::Solid(back));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor((item.itemState & ODS_SELECTED) ? Rgb(255, 255, 255) : Rgb(0, 0, 0));
    Rect text = item.rcItem;
    dc.DrawText(GetText(item.itemID), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  int drawn = 0;
};

class AllControlsDialog : public Dialog {
 public:
  AllControlsDialog() : Dialog(102, "QUENTARIS") {}
  ColouredList coloured;

 protected:
  void BuildLayout(DialogLayout& layout) override {
    layout.EditBox(1000, ES_AUTOHSCROLL | ES_READONLY, 50);
    auto columns = layout.Row();
    auto left = columns.Group("Betti's Theorem ", 1100);
    auto form = left.Form();
    form.Field("Load case:").EditBox(1004);
    form.Field("Scale:").EditBox(1006, ES_AUTOHSCROLL | ES_NUMBER);
    left.Progress(1016);
    left.CheckBox("&Integral value", 1022);
    left.RadioButton("&Iterative solution", 1068, true);
    left.RadioButton("&Direct solution", 1069);
    left.Combo(1030, CBS_DROPDOWNLIST, 12);
    left.Combo(1031, CBS_DROPDOWN, 12);
    auto right = columns.Group("Analysis with Green's Functions", 1101);
    right.List(1010, LBS_NOTIFY | WS_VSCROLL | WS_BORDER, 24, 5);
    right.List(1015, LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL | WS_BORDER, 24,
               4, &coloured);
    right.Progress(1013);
    layout.MultiLineEdit(1001, ES_WANTRETURN | WS_VSCROLL, 50, 3);
    layout.RichText(1019, ES_READONLY | WS_VSCROLL, 50, 3);
    layout.Text("Normally it is not necessary to call this routine\nsince the load cases are solved when stored.");
    layout.Grid(1014, 300, 80);
    auto buttons = layout.Row();
    buttons.PushButton("", 1063, BS_ICON);
    buttons.Stretch();
    buttons.DefPushButton("OK", 1010 + 1000);
    buttons.PushButton("Stop", 1017);
    buttons.PushButton("Stop", IDCANCEL);
  }
  bool OnInitDialog() override {
    Dialog::OnInitDialog();
    SetDlgItemText(1000, "Computing load case 3 of 12");
    SetDlgItemText(1004, "3");
    SetDlgItemText(1006, "100");
    static_cast<ProgressCtrl*>(GetDlgItem(1016))->SetPos(40);
    auto* bar = static_cast<ProgressCtrl*>(GetDlgItem(1013));
    bar->SetRange(0, 12);
    bar->SetPos(3);
    CheckDlgButton(1022, BST_CHECKED);
    CheckRadioButton(1068, 1069, 1068);
    auto* list = static_cast<ListBox*>(GetDlgItem(1010));
    for (const char* line : {"File   LC   Contents", " ", "  D3   1    Moments", "  D4   2    Shear forces"}) {
      list->AddString(line);
    }
    list->SetCurSel(2);
    const int colours[] = {1, 9, 1, 8, 9};
    for (int i = 0; i < 5; ++i) {
      const int at = coloured.AddString("  D" + std::to_string(i + 1) + ".TXT  load case " + std::to_string(i));
      coloured.SetItemData(at, static_cast<std::uint64_t>(colours[i]));
    }
    coloured.SetSel(4, true);
    for (UINT id : {1030u, 1031u}) {
      auto* combo = static_cast<ComboBox*>(GetDlgItem(id));
      for (const char* lc : {"1", "2", "12"}) combo->AddString(lc);
      combo->SetCurSel(2);
    }
    SetDlgItemText(1001, "first line\r\nsecond line");
    auto* rich = static_cast<RichEdit*>(GetDlgItem(1019));
    rich->SetDefaultCharFormat(CharFormat{});
    rich->SetWindowText("GEOMETRY ECHO\r\nNODES 12");
    Bitmap icon(16, 16, Rgb(200, 30, 30));
    static_cast<Button*>(GetDlgItem(1063))->SetBitmap(&icon);
    return true;
  }
};

TEST(DialogLayoutTest, EveryControlIdIsAVisibleWidgetInsideTheDialog) {
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    PumpMessages();
    Rect client;
    d.GetClientRect(&client);
    ASSERT_GT(client.Width(), 300);
    ASSERT_GT(client.Height(), 200);
    const std::vector<ControlInfo> controls = ControlsOf(d);
    std::set<UINT> ids;
    for (const ControlInfo& c : controls) {
      SCOPED_TRACE(c.id);
      EXPECT_TRUE(c.visible);
      EXPECT_FALSE(c.rect.IsEmpty());
      EXPECT_GE(c.rect.left, 0);
      EXPECT_GE(c.rect.top, 0);
      EXPECT_LE(c.rect.right, client.right);
      EXPECT_LE(c.rect.bottom, client.bottom);
      if (c.id != IDC_STATIC) {
        EXPECT_TRUE(ids.insert(c.id).second) << "id used twice";
        EXPECT_EQ(d.GetDlgItem(c.id), c.window);
      }
    }
    const std::set<UINT> expected = {1000, 1100, 1004, 1006, 1016, 1022, 1068, 1069, 1030, 1031, 1101, 1010,
                                     1015, 1013, 1001, 1019, 1014, 1063, 2010, 1017, IDCANCEL};
    EXPECT_EQ(ids, expected);
    // Controls of one row do not overlap; a group box holds its controls.
    Rect group, progress;
    d.GetDlgItem(1100)->GetWindowRect(&group);
    d.GetDlgItem(1016)->GetWindowRect(&progress);
    EXPECT_TRUE(progress.left >= group.left && progress.right <= group.right && progress.top >= group.top &&
                progress.bottom <= group.bottom);
    Rect ok, stop;
    d.GetDlgItem(2010)->GetWindowRect(&ok);
    d.GetDlgItem(1017)->GetWindowRect(&stop);
    EXPECT_LE(ok.right, stop.left);
    // The owner-drawn list painted its lines itself.
    EXPECT_GT(static_cast<AllControlsDialog&>(d).coloured.drawn, 0);

    const Bitmap shot = WindowPixels(d);
    ASSERT_FALSE(shot.IsEmpty());
    std::filesystem::create_directories(DIALOG_ARTIFACT_DIR);
    const std::string file = std::string(DIALOG_ARTIFACT_DIR) + "/all_controls_dialog.png";
    EXPECT_TRUE(shot.Save(file).ok());
    EXPECT_TRUE(std::filesystem::file_size(file) > 1000);
    Press(d, IDCANCEL);
  });
  AllControlsDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}  // namespace
}  // namespace plat::test
