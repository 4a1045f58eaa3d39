// A ribbon as the shell has one: categories of panels of buttons, a
// position combo box and a path edit, an application menu with a checkable
// style submenu and a quick-access tool bar. Every command goes to the frame
// by id; every button is a widget shown where the ribbon says.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <QStyleOption>
#include <filesystem>
#include <fstream>
#include <string>
#include <memory>
#include <set>

#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/frames/app_look.h"
#include "platform/frames/tests/test_frames.h"
#include "platform/program_style.h"
#include "platform/ribbon/ribbon_bar.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::test {
namespace {

using namespace plat::testing;

constexpr UINT kPosition = 32780;
constexpr UINT kDataPath = 317;

Menu ApplicationMenu() {
  Menu styles = Menu::Popup();
  styles.AppendMenu(MF_STRING, ID_VIEW_APPLOOK_OFF_2007_BLUE, "Office 2007 (Stil '&Blau')");
  styles.AppendMenu(MF_STRING, ID_VIEW_APPLOOK_OFF_2007_BLACK, "Office 2007 (Stil '&Schwarz')");
  styles.AppendMenu(MF_STRING, ID_VIEW_APPLOOK_OFF_2007_SILVER, "Office 2007 (Stil '&Silber')");
  styles.AppendMenu(MF_STRING, ID_VIEW_APPLOOK_OFF_2007_AQUA, "Office 2007 (Stil '&Aqua')");
  styles.AppendMenu(MF_STRING, ID_VIEW_APPLOOK_WINDOWS_7, "Windows &7");
  Menu main = Menu::Popup();
  main.AppendMenu(MF_STRING, ID_FILE_NEW, "&Neu");
  main.AppendMenu(MF_STRING, ID_FILE_OPEN, "\xD6""ff&nen...");
  main.AppendMenu(MF_STRING, ID_FILE_SAVE, "&Speichern");
  main.AppendMenu(MF_STRING, ID_FILE_PRINT_DIRECT, "Schnelldruc&k");
  main.AppendMenu(MF_SEPARATOR);
  main.AppendMenu(MF_POPUP, std::move(styles), "Style");
  main.AppendMenu(MF_STRING, ID_APP_EXIT, "&Beenden");
  return main;
}

// The shell's main window in small: three categories, every command logged.
class ShellFrame : public FrameWnd {
 public:
  ShellFrame(Log& log, WinApp& app) : log_(log) {
    MapCommandRange(1, 59999, [this](UINT id) { log_.Add("cmd " + std::to_string(id)); });
    MapCommand(kPosition, [this] {
      auto* combo = dynamic_cast<RibbonComboBox*>(ribbon.FindByID(kPosition));
      log_.Add("pos " + combo->GetEditText());
    });
    MapCommandRange(ID_VIEW_APPLOOK_WIN_2000, ID_VIEW_APPLOOK_WINDOWS_7, [&app](UINT id) {
      app.SetApplicationLook(static_cast<int>(id));
    });
    MapUpdateRange(ID_VIEW_APPLOOK_WIN_2000, ID_VIEW_APPLOOK_WINDOWS_7, [&app](CmdUI& ui) {
      ui.SetRadio(app.GetApplicationLook() == static_cast<int>(ui.id()));
    });
    MapUpdate(33800, [](CmdUI& ui) { ui.Enable(false); });   // "First Steps" does nothing
    MapUpdate(32819, [this](CmdUI& ui) { ui.SetCheck(explorer_checked); });
  }
  RibbonBar ribbon;
  StatusBar status;
  bool explorer_checked = false;
  bool upper_case_typing = false;

 protected:
  int OnCreate(const CREATESTRUCT& create) override {
    if (FrameWnd::OnCreate(create) == -1) return -1;
    if (!ribbon.Create(this) || !status.Create(this)) return -1;
    ribbon.SetApplicationButton("Datei", ApplicationMenu());
    RibbonCategory* start = ribbon.AddCategory("Start");
    RibbonPanel* position = start->AddPanel("Position");
    position->AddButton(ID_FILE_NEW, "New");
    RibbonComboBox* pos = position->AddComboBox(kPosition, "Pos", true, 110);
    pos->AddItem("0");
    pos->AddItem("HALLE");
    pos->AddItem("BRUECKE");
    position->AddButton(ID_FILE_OPEN, "Open", RibbonButtonSize::kSmall);
    position->AddButton(ID_FILE_SAVE, "Save", RibbonButtonSize::kSmall);
    position->AddButton(1084, "Reset", RibbonButtonSize::kSmall);
    position->AddButton(32785, "Clone", RibbonButtonSize::kSmall);
    position->AddButton(32787, "Delete", RibbonButtonSize::kSmall);
    RibbonPanel* programs = start->AddPanel("Programs");
    programs->AddButton(1085, "Frame");
    programs->AddButton(1086, "Load");
    programs->AddButton(32779, "Compute!");
    programs->AddButton(32786, "Graphics");
    programs->AddButton(33807, "Texts");
    RibbonPanel* path = start->AddPanel("Path");
    path->AddEdit(kDataPath, "", 180);
    path->AddButton(33805, "Path Data", RibbonButtonSize::kSmall);
    path->AddButton(32819, "Explorer", RibbonButtonSize::kSmall);
    path->AddButton(33796, "AppDir", RibbonButtonSize::kSmall);
    path->AddButton(33797, "AppData", RibbonButtonSize::kSmall);
    path->AddButton(32818, "SDIR", RibbonButtonSize::kSmall);
    path->AddButton(ID_HELP, "F1", RibbonButtonSize::kSmall);
    RibbonCategory* tools = ribbon.AddCategory("Tools");
    RibbonPanel* archive = tools->AddPanel("Archive");
    archive->AddButton(33788, "Load from Archive");
    archive->AddButton(32790, "Echos");
    RibbonCategory* inst = ribbon.AddCategory("Inst");
    RibbonPanel* info = inst->AddPanel("Info");
    info->AddButton(33798, "Info");
    info->AddButton(33800, "First Steps");
    info->AddButton(32805, "Manual");
    info->AddButton(33801, "Keys");
    info->AddButton(33804, "Sending Echo-Files");
    ribbon.SetQuickAccessCommands({ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT_DIRECT});
    ribbon.SetActiveCategory(0);
    const UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    status.SetIndicators(panes);
    return 0;
  }
  // The side button of the mouse steps through the categories; typed
  // letters may become capitals.
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_CHAR && upper_case_typing && msg->wParam >= 'a' && msg->wParam <= 'z') {
      msg->wParam -= 'a' - 'A';
    }
    if (msg->message == WM_XBUTTONDOWN) {
      ribbon.SetActiveCategory((ribbon.GetActiveCategoryIndex() + 1) % ribbon.GetCategoryCount());
      return true;
    }
    return FrameWnd::PreTranslateMessage(msg);
  }
  Log& log_;
};

class RibbonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = std::make_unique<ShellFrame>(log, app);
    ASSERT_TRUE(frame->Create("QUENTARIS 22.54", WS_OVERLAPPEDWINDOW, Rect{0, 0, 1000, 600}));
    app.SetMainWnd(frame.get());
    frame->ActivateFrame(SW_SHOW);
    PumpMessages();
    IdleUpdate(*frame);
  }
  void TearDown() override { ApplyApplicationLook(ID_VIEW_APPLOOK_OFF_2007_BLUE); }

  TestApp app;
  Log log;
  std::unique_ptr<ShellFrame> frame;
};

TEST_F(RibbonTest, ButtonsOfEachCategorySendTheirIds) {
  RibbonBar& ribbon = frame->ribbon;
  ASSERT_EQ(ribbon.GetCategoryCount(), 3);
  std::vector<std::string> expected;
  for (int c = 0; c < ribbon.GetCategoryCount(); ++c) {
    ASSERT_TRUE(ribbon.SetActiveCategory(c));
    for (RibbonElement* e : ribbon.GetElements()) {
      if (e->kind() != RibbonElement::Kind::kButton || e->GetParentCategory() != ribbon.GetCategory(c)) continue;
      if (e->GetID() == 33800) {
        EXPECT_FALSE(ClickRibbonButton(ribbon, e->GetID()));  // disabled by its handler
        continue;
      }
      EXPECT_TRUE(ClickRibbonButton(ribbon, e->GetID())) << e->GetText();
      expected.push_back("cmd " + std::to_string(e->GetID()));
    }
  }
  PumpMessages();
  EXPECT_EQ(log.entries, expected);
  EXPECT_EQ(expected.size(), 23u);
}

TEST_F(RibbonTest, ActivatesACategoryByIndexAndReadsTheCurrentOne) {
  RibbonBar& ribbon = frame->ribbon;
  EXPECT_EQ(ribbon.GetActiveCategoryIndex(), 0);
  EXPECT_TRUE(ribbon.SetActiveCategory(2));
  EXPECT_EQ(ribbon.GetActiveCategoryIndex(), 2);
  EXPECT_EQ(ribbon.GetActiveCategory()->GetName(), "Inst");
  EXPECT_FALSE(ribbon.SetActiveCategory(3));
  EXPECT_FALSE(ribbon.SetActiveCategory(-1));
  EXPECT_EQ(ribbon.GetActiveCategoryIndex(), 2);
  // A person clicks a tab.
  ASSERT_TRUE(ClickCategoryTab(ribbon, 1));
  EXPECT_EQ(ribbon.GetActiveCategoryIndex(), 1);
  EXPECT_FALSE(ribbon.FindByID(33788)->GetRect().IsEmpty());
  EXPECT_TRUE(ribbon.FindByID(ID_FILE_NEW)->GetRect().IsEmpty());
  // The program steps through them with the side button: Tools, Inst, Start.
  Click(*frame, Point{400, 500}, MouseButton::kX1);
  EXPECT_EQ(ribbon.GetActiveCategoryIndex(), 2);
  Click(*frame, Point{400, 500}, MouseButton::kX1);
  EXPECT_EQ(ribbon.GetActiveCategoryIndex(), 0);
}

TEST_F(RibbonTest, EveryButtonIsAVisibleWidgetOfItsCategoryAndAScreenshotIsKept) {
  RibbonBar& ribbon = frame->ribbon;
  Rect bar;
  ribbon.GetClientRect(&bar);
  for (int c = 0; c < ribbon.GetCategoryCount(); ++c) {
    ribbon.SetActiveCategory(c);
    QApplication::processEvents();
    std::vector<Rect> shown;
    for (RibbonElement* e : ribbon.GetElements()) {
      const Rect r = e->GetRect();
      if (e->GetParentCategory() != ribbon.GetCategory(c)) {
        EXPECT_TRUE(r.IsEmpty()) << e->GetText() << " of another category";
        continue;
      }
      SCOPED_TRACE(e->GetText());
      ASSERT_FALSE(r.IsEmpty());
      EXPECT_EQ(IntersectRects(r, bar), r);  // wholly inside the ribbon
      EXPECT_GE(r.Height(), 16);
      for (const Rect& other : shown) EXPECT_TRUE(IntersectRects(r, other).IsEmpty());
      shown.push_back(r);
    }
    // Each element shows something (its text, its field) where it lies.
    const Bitmap pixels = WindowPixels(ribbon);
    for (RibbonElement* e : ribbon.GetElements()) {
      if (e->GetParentCategory() != ribbon.GetCategory(c)) continue;
      const Rect r = e->GetRect();
      std::set<ColorRef> colours;
      for (int y = r.top; y < r.bottom; y += 2) {
        for (int x = r.left; x < r.right; x += 2) colours.insert(pixels.Pixel(x, y));
      }
      EXPECT_GT(colours.size(), 1u) << e->GetText() << " shows nothing";
    }
  }
  ribbon.SetActiveCategory(0);
  frame->status.SetPaneText(0, "Space bar = View on/off");
  QApplication::processEvents();
  const Bitmap shot = WindowPixels(*frame);
  ASSERT_FALSE(shot.IsEmpty());
  std::filesystem::create_directories(FRAME_ARTIFACT_DIR);
  const std::string file = std::string(FRAME_ARTIFACT_DIR) + "/ribbon_frame.png";
  ASSERT_TRUE(shot.Save(file).ok());
  EXPECT_GT(std::filesystem::file_size(file), 1000u);
  // The picture shows more than one colour in the ribbon's band.
  std::set<ColorRef> colours;
  for (int x = 0; x < shot.width(); x += 7) colours.insert(shot.Pixel(x, 40));
  EXPECT_GT(colours.size(), 2u);
}

TEST_F(RibbonTest, ComboBoxSendsItsIdWhenAnItemIsChosenOrTyped) {
  auto* pos = dynamic_cast<RibbonComboBox*>(frame->ribbon.FindByID(kPosition));
  ASSERT_NE(pos, nullptr);
  ASSERT_EQ(pos->GetCount(), 3);
  Edit* edit = pos->GetComboBox()->GetEdit();
  ASSERT_NE(edit, nullptr);
  // Typed and confirmed with Enter.
  edit->SetFocus();
  TypeText(*edit, "NEU1");
  PressKey(*edit, VK_RETURN);
  PumpMessages();
  // Chosen from the list: dropped with F4, one down, Enter.
  pos->SelectItem(0);
  PressKey(*edit, VK_F4);
  EXPECT_TRUE(pos->GetComboBox()->GetDroppedState());
  PressKey(*edit, VK_DOWN);
  PressKey(*edit, VK_RETURN);
  PumpMessages();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"pos NEU1", "pos HALLE"}));
  EXPECT_EQ(pos->GetCurSel(), 1);
}

TEST_F(RibbonTest, TypedKeysPassTheFramesFilter) {
  // The shell turns typed letters into capitals in every edit, the ribbon's too.
  frame->upper_case_typing = true;
  auto* pos = dynamic_cast<RibbonComboBox*>(frame->ribbon.FindByID(kPosition));
  Edit* edit = pos->GetComboBox()->GetEdit();
  edit->SetFocus();
  TypeText(*edit, "ab1");
  EXPECT_EQ(pos->GetEditText(), "AB1");
}

TEST_F(RibbonTest, EditSendsItsIdOnEnter) {
  auto* path = dynamic_cast<RibbonEdit*>(frame->ribbon.FindByID(kDataPath));
  ASSERT_NE(path, nullptr);
  path->SetEditText("/home/data/");
  EXPECT_EQ(path->GetEditText(), "/home/data/");
  path->GetEdit()->SetFocus();
  PressKey(*path->GetEdit(), VK_RETURN);
  PumpMessages();
  EXPECT_EQ(log.entries, std::vector<std::string>{"cmd 317"});
}

TEST_F(RibbonTest, UpdateHandlersSetTheElements) {
  RibbonBar& ribbon = frame->ribbon;
  EXPECT_TRUE(ribbon.FindByID(1085)->IsEnabled());
  EXPECT_FALSE(ribbon.FindByID(32819)->IsChecked());
  frame->explorer_checked = true;
  frame->UnmapCommand(1085);  // nobody handles the range any more for this id
  frame->MapUpdate(1085, [](CmdUI& ui) { ui.Enable(false); });
  IdleUpdate(*frame);
  EXPECT_TRUE(ribbon.FindByID(32819)->IsChecked());
  EXPECT_FALSE(ribbon.FindByID(1085)->IsEnabled());
  EXPECT_FALSE(ClickRibbonButton(ribbon, 1085));
}

TEST_F(RibbonTest, QuickAccessButtonsSendTheirIds) {
  ASSERT_EQ(frame->ribbon.GetQuickAccessCommands().size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(ClickQuickAccessButton(frame->ribbon, i));
  PumpMessages();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"cmd 57600", "cmd 57601", "cmd 57603", "cmd 57608"}));
}

TEST_F(RibbonTest, ApplicationMenuChecksTheStoredLookAndStoresTheChosenOne) {
  const auto top = OpenApplicationMenu(frame->ribbon);
  ASSERT_EQ(top.size(), 7u);
  EXPECT_EQ(top[0].text, "&Neu");
  EXPECT_TRUE(top[5].popup);
  auto styles = OpenApplicationMenu(frame->ribbon, {"Style"});
  ASSERT_EQ(styles.size(), 5u);
  EXPECT_TRUE(styles[0].checked);  // 215, the default
  EXPECT_FALSE(styles[1].checked);
  ASSERT_TRUE(ChooseApplicationMenuItem(frame->ribbon, {"Style", "Office 2007 (Stil '&Schwarz')"}));
  PumpMessages();
  EXPECT_EQ(app.GetApplicationLook(), 216);
  EXPECT_EQ(app.GetInt("ApplicationLook", 0), 216);
  EXPECT_EQ(CurrentApplicationLook(), 216);
  EXPECT_EQ(detail::StyleName(QApplication::style()), "fusion");
  styles = OpenApplicationMenu(frame->ribbon, {"Style"});
  EXPECT_FALSE(styles[0].checked);
  EXPECT_TRUE(styles[1].checked);
  // The other commands of the menu reach the frame.
  ASSERT_TRUE(ChooseApplicationMenuItem(frame->ribbon, {"&Speichern"}));
  PumpMessages();
  EXPECT_EQ(log.entries, std::vector<std::string>{"cmd 57603"});
}

TEST(ApplicationLookTest, LooksMapToStylesAndSchemes) {
  struct Case {
    int look;
    LookStyle style;
  };
  const Case cases[] = {
      {205, {"Windows", "default"}}, {208, {"Windows", "default"}}, {209, {"Fusion", "default"}},
      {215, {"Fusion", "blue"}},     {216, {"Fusion", "black"}},    {217, {"Fusion", "silver"}},
      {218, {"Fusion", "aqua"}},     {219, {"Fusion", "default"}},  {0, {"Fusion", "blue"}},
  };
  for (const Case& c : cases) EXPECT_EQ(StyleOfLook(c.look), c.style) << c.look;
  ApplyApplicationLook(205);
  EXPECT_EQ(detail::StyleName(QApplication::style()), "windows");
  ApplyApplicationLook(215);
  EXPECT_EQ(detail::StyleName(QApplication::style()), "fusion");
  const QPalette blue = QApplication::palette();
  EXPECT_NE(blue, QApplication::style()->standardPalette());
  // The same look again (each start applies the stored one) leaves the style and its colours.
  const QStyle* style = QApplication::style();
  ApplyApplicationLook(215);
  EXPECT_EQ(QApplication::style(), style);
  EXPECT_EQ(QApplication::palette(), blue);
  // Another scheme of the same style changes the colours only.
  ApplyApplicationLook(216);
  EXPECT_EQ(QApplication::style(), style);
  EXPECT_NE(QApplication::palette(), blue);
  ApplyApplicationLook(215);
}

// The overflow button of the bars shows the style's own icon, made when it is first drawn.
TEST(ApplicationLookTest, TheBarsOverflowIconIsTheStylesOwn) {
  for (const char* name : {"Fusion", "Windows"}) {
    std::unique_ptr<QStyle> style(detail::MakeProgramStyle(name));
    ASSERT_NE(style, nullptr) << name;
    EXPECT_EQ(detail::StyleName(style.get()), QString(name).toLower());
    std::unique_ptr<QStyle> plain(QStyleFactory::create(name));
    QStyleOption right_to_left;
    right_to_left.direction = Qt::RightToLeft;
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
      for (const QStyleOption* option : std::initializer_list<const QStyleOption*>{nullptr, &right_to_left}) {
        const QIcon icon = style->standardIcon(which, option);
        const QIcon own = plain->standardIcon(which, option);
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_EQ(icon.availableSizes(), own.availableSizes()) << name << " " << which;
        for (const QSize size : {QSize(5, 8), QSize(16, 10), QSize(16, 16), QSize(20, 32), QSize(24, 24)}) {
          for (const auto mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            const QImage shown = icon.pixmap(size, mode).toImage();
            EXPECT_FALSE(shown.isNull()) << name;
            EXPECT_EQ(shown, own.pixmap(size, mode).toImage()) << name << " " << which << " " << mode;
          }
        }
      }
    }
  }
  EXPECT_EQ(detail::MakeProgramStyle("no such style"), nullptr);
}

// The image-format plug-ins mapped into this process.
int ImagePluginsMapped() {
  std::ifstream maps("/proc/self/maps");
  int mapped = 0;
  for (std::string line; std::getline(maps, line);) mapped += line.find("/imageformats/") != std::string::npos;
  return mapped;
}

// Showing the overflow arrow reads its PNG images without the image-format plug-ins, which cost a
// program's first paint more than the rest of its menu bar.
TEST(ApplicationLookTest, TheOverflowIconNeedsNoImagePlugIn) {
  if (ImagePluginsMapped() > 0) GTEST_SKIP() << "an earlier test of this process loaded the plug-ins";
  std::unique_ptr<QStyle> style(detail::MakeProgramStyle("Fusion"));
  ASSERT_NE(style, nullptr);
  for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
    EXPECT_FALSE(style->standardIcon(which).pixmap(QSize(16, 16)).isNull());
  }
  EXPECT_EQ(ImagePluginsMapped(), 0);
}

}  // namespace
}  // namespace plat::test
