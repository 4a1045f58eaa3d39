// The page form, headings, pages and printer dialogs on the files they write.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "common/page/page_header_file.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"
#include "shell/dialogs/dia_formular.h"
#include "shell/dialogs/dia_kopf.h"
#include "shell/dialogs/dia_page.h"
#include "shell/dialogs/dia_print.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;
using testing::PutSetting;
using testing::SaveSnapshot;
using testing::SettingsFolder;

class PageDialogsTest : public testing::PositionTest {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    PositionTest::SetUp();
  }

  plat::testing::DialogScript script_;
};

TEST_F(PageDialogsTest, PageFormWritesTheFourFiles) {
  plat::testing::FakeClock clock(1796731200);
  std::string date, program, font;
  script_.OnNextDialog([&](plat::Dialog& d) {
    date = plat::testing::ItemText(d, 1036);
    program = plat::testing::ItemText(d, 1001);
    font = plat::testing::ItemText(d, 1011);
    plat::testing::TypeInto(d, 1000, "Anna");
    plat::testing::TypeInto(d, 1002, "Halle 3");
    plat::testing::TypeInto(d, 1008, "B");
    plat::testing::TypeInto(d, 1037, "12");
    SaveSnapshot(d, "quentaris-formular.png");
    plat::testing::Press(d, kDiaFormularOk);
  });
  CDiaFormular dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(date, "08.12.2026");
  EXPECT_EQ(program, "QUENTARIS 22.54");
  EXPECT_EQ(font, "10");
  const unsigned char fkopf[] = {
      0x04, 0x41, 0x6E, 0x6E, 0x61, 0x0F, 0x51, 0x55, 0x45, 0x4E, 0x54, 0x41, 0x52, 0x49, 0x53, 0x20, 0x32, 0x32,
      0x2E, 0x35, 0x34, 0x07, 0x48, 0x61, 0x6C, 0x6C, 0x65, 0x20, 0x33, 0x00, 0x01, 0x42, 0x00, 0x00, 0x00, 0x0A,
      0x30, 0x38, 0x2E, 0x31, 0x32, 0x2E, 0x32, 0x30, 0x32, 0x36, 0x02, 0x31, 0x32, 0x02, 0x31, 0x30};
  EXPECT_EQ(Setting("FKOPF"), std::string(reinterpret_cast<const char*>(fkopf), sizeof fkopf));
  EXPECT_EQ(Setting("FKPFAD"), state_.position_folder);
  EXPECT_EQ(InPosition("FSEITE"), std::string("\x0C\x00", 2));
  EXPECT_EQ(Setting("AUFSTELLER1"), "\x04" "Anna");
}

TEST_F(PageDialogsTest, PageFormTakesTheNextPageOfThePositionAndANumberOrZero) {
  common::PageHeader stored;
  stored[common::PageHeader::kFirstPage] = "3";
  stored[common::PageHeader::kFontSize] = "12";
  ASSERT_TRUE(common::WritePageHeaderFile(SettingsFolder() + "/FKOPF", stored));
  PutFile(state_.position_folder + "FSEITE", std::string("\x08\x00", 2));
  std::string first, font;
  script_.OnNextDialog([&](plat::Dialog& d) {
    first = plat::testing::ItemText(d, 1037);
    font = plat::testing::ItemText(d, 1011);
    plat::testing::TypeInto(d, 1037, "abc");
    plat::testing::Press(d, kDiaFormularOk);
  });
  CDiaFormular dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(first, "8");
  EXPECT_EQ(font, "12");
  EXPECT_EQ(InPosition("FSEITE"), std::string("\x00\x00", 2));
}

TEST_F(PageDialogsTest, PageFormCancelledWritesNothing) {
  script_.PressNext(plat::IDCANCEL);
  CDiaFormular dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  EXPECT_EQ(Setting("FKOPF"), "(missing)");
  EXPECT_EQ(InPosition("FSEITE"), "(missing)");
}

TEST_F(PageDialogsTest, HeadingsAreWrittenWithoutLineEnds) {
  script_.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, 1000, "Statik");
    plat::testing::TypeInto(d, 1001, "Halle 3");
    plat::testing::TypeInto(d, 1002, "2");
    SaveSnapshot(d, "quentaris-headings.png");
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaKopf dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(Setting("INC1"), "Statik");
  EXPECT_EQ(Setting("INC2"), "Halle 3");
  EXPECT_EQ(Setting("IDZ"), std::string("\x02\x00", 2));

  std::string shown[3];
  script_.OnNextDialog([&](plat::Dialog& d) {
    for (int i = 0; i < 3; ++i) shown[i] = plat::testing::ItemText(d, 1000 + i);
  });
  CDiaKopf again(state_);
  again.DoModal();
  EXPECT_EQ(shown[0], "Statik");
  EXPECT_EQ(shown[1], "Halle 3");
  EXPECT_EQ(shown[2], "2");
}

TEST_F(PageDialogsTest, PagesShowsTheNextPageAndSheetAndAPlainOkKeepsThem) {
  const std::string pagenr("\x05\x00\x03\x00\x02\x00\x01\x00", 8);
  PutFile(state_.position_folder + "PAGENR", pagenr);
  std::string page, sheet;
  bool style2 = false, date = false, style0 = true;
  script_.OnNextDialog([&](plat::Dialog& d) {
    page = plat::testing::ItemText(d, 1000);
    sheet = plat::testing::ItemText(d, 1001);
    style0 = plat::testing::IsChecked(d, 1003);
    style2 = plat::testing::IsChecked(d, 1006);
    date = plat::testing::IsChecked(d, 1023);
    SaveSnapshot(d, "quentaris-pages.png");
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaPage dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(page, "5");
  EXPECT_EQ(sheet, "3");
  EXPECT_FALSE(style0);
  EXPECT_TRUE(style2);
  EXPECT_TRUE(date);
  EXPECT_EQ(InPosition("PAGENR"), pagenr);
}

TEST_F(PageDialogsTest, PagesWritesTheChoices) {
  script_.OnNextDialog([&](plat::Dialog& d) {
    EXPECT_EQ(plat::testing::ItemText(d, 1000), "1");
    EXPECT_TRUE(plat::testing::IsChecked(d, 1003));
    plat::testing::TypeInto(d, 1000, "70000");  // its low 16 bits: 4464
    plat::testing::TypeInto(d, 1001, "x");
    plat::testing::SetChecked(d, 1025, true);
    plat::testing::SetChecked(d, 1023, true);
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaPage dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(InPosition("PAGENR"), std::string("\x70\x11\x00\x00\x04\x00\x01\x00", 8));
}

TEST_F(PageDialogsTest, PrinterSettingsGoBothWaysBetweenTheTwoDialogs) {
  const std::string expected = "Courier New\r\n10\r\n20\r\n10\r\n";
  script_.OnNextDialog([&](plat::Dialog& d) {
    EXPECT_EQ(plat::testing::ItemText(d, 1005), "Courier New");
    SaveSnapshot(d, "quentaris-printer.png");
    plat::testing::Press(d, kDiaPrintOk);
  });
  CDiaPrint print(state_);
  EXPECT_EQ(print.DoModal(), plat::IDOK);
  EXPECT_EQ(Setting("DRUCKER1.INI"), expected);

  PutSetting("DRUCKER1.INI", "Lucida Sans Typewriter\r\n9\r\n25\r\n15\r\n");
  std::string shown[4];
  script_.OnNextDialog([&](plat::Dialog& d) {
    const plat::UINT ids[] = {1005, 1002, 1008, 1009};
    for (int i = 0; i < 4; ++i) shown[i] = plat::testing::ItemText(d, ids[i]);
    plat::testing::TypeInto(d, 1005, "Courier New");
    plat::testing::TypeInto(d, 1002, "10");
    plat::testing::TypeInto(d, 1008, "20");
    plat::testing::TypeInto(d, 1009, "10");
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaPage page(state_);
  EXPECT_EQ(page.DoModal(), plat::IDOK);
  EXPECT_EQ(shown[0], "Lucida Sans Typewriter");
  EXPECT_EQ(shown[1], "9");
  EXPECT_EQ(shown[2], "25");
  EXPECT_EQ(shown[3], "15");
  EXPECT_EQ(Setting("DRUCKER1.INI"), expected);

  std::string face;
  script_.OnNextDialog([&](plat::Dialog& d) {
    face = plat::testing::ItemText(d, 1005);
    plat::testing::Press(d, plat::IDCANCEL);
  });
  CDiaPrint again(state_);
  EXPECT_EQ(again.DoModal(), plat::IDCANCEL);
  EXPECT_EQ(face, "Courier New");
}

TEST_F(PageDialogsTest, TheSideButtonCancels) {
  PutSetting("INC1", "Alt");
  script_.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, 1000, "Neu");
    plat::testing::MouseDown(d, {5, 5}, plat::testing::MouseButton::kX1);
  });
  CDiaKopf dialog(state_);
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  EXPECT_FALSE(script_.shown()[0].left_open);
  EXPECT_EQ(Setting("INC1"), "Alt");
}

}  // namespace
}  // namespace quentaris
