// Tool-bar customisation as a person uses it: the customise button opens the
// dialog, which makes a person's bar of menu commands, hides, moves and
// removes buttons, docks bars at any side or floats them; the next start of
// the program shows the same; a damaged settings file is named and the
// default bars are shown; a failed write is named and the old file stays.
#include <gtest/gtest.h>

#include <QApplication>
#include <QAction>
#include <QCloseEvent>
#include <QPointer>
#include <QToolBar>
#include <QWidget>

#include <algorithm>
#include <memory>

#include "platform/binary_io.h"
#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/files.h"
#include "platform/frames/customize_dialog.h"
#include "platform/frames/doc_template.h"
#include "platform/frames/document.h"
#include "platform/frames/mdi_frame.h"
#include "platform/frames/tests/test_frames.h"
#include "platform/frames/tool_bar_customization.h"
#include "platform/frames/tool_bar_name_dialog.h"
#include "platform/settings_folder.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/testing/write_faults.h"

namespace plat::test {
namespace {

using namespace plat::testing;
using Dlg = ToolBarsCustomizeDialog;

constexpr UINT kCustomize = 126;

// A main frame as the programs have one (single-document, or a multiple-document one as the viewer's),
// whose tool bar a person may customise.
template <class Frame>
class Customizable : public Frame {
 public:
  explicit Customizable(Log& log) : log_(log) {
    for (UINT id : {32800u, 32801u, 32906u, 32776u, UINT{ID_FILE_SAVE}, kMoments}) {
      this->MapCommand(id, [this, id] { log_.Add("command " + std::to_string(id)); });
    }
  }
  static constexpr UINT kMoments = 41000;
  ToolBar tool_bar;
  StatusBar status_bar;

  ToolBarCustomization& customization() { return *this->GetToolBarCustomization(); }
  // The bars: the standard one, then a person's.
  std::vector<ToolBar*> Bars() { return customization().Bars(); }

 protected:
  int OnCreate(const CREATESTRUCT& create) override {
    if (Frame::OnCreate(create) == -1) return -1;
    if (!tool_bar.Create(this) || !status_bar.Create(this)) return -1;
    tool_bar.SetButtons({{ID_FILE_SAVE, "Store"}, {0}, {32776, "Graphical input"}, {32906, "Grid"}});
    const UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR};
    status_bar.SetIndicators(panes);
    this->EnableToolBarCustomization({&tool_bar}, kCustomize, "Anpassen...");
    return 0;
  }
  Log& log_;
};
using CustomizableFrame = Customizable<FrameWnd>;

class ToolBarCustomizationTest : public ::testing::Test {
 protected:
  void TearDown() override { End(); }

  // A start of the program: the frame made, shown, its bars brought up to date.
  CustomizableFrame& Start() {
    End();
    frame = std::make_unique<CustomizableFrame>(log);
    FrameResources resources{128, "Customizable", TestMenu(), {}};
    EXPECT_TRUE(frame->LoadFrame(resources, WS_OVERLAPPEDWINDOW));
    app.SetMainWnd(frame.get());
    frame->ShowWindow(SW_SHOW);
    frame->MoveWindow(0, 0, 900, 600);
    PumpMessages();
    IdleUpdate(*frame);
    return *frame;
  }
  void End() {
    if (!frame) return;
    app.SetMainWnd(nullptr);
    frame->DestroyWindow();
    frame.reset();
    PumpMessages();
  }
  // A click on the customise button of a bar; the dialog runs the actions queued.
  void Customize(ToolBar& bar) {
    ASSERT_TRUE(ClickToolButton(bar, kCustomize));
    PumpMessages();
  }
  static std::string File() { return SettingsFolderPath() + "/TOOLBARS.FRAMETEST"; }
  static std::string Bytes(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string("(none)");
  }
  static std::vector<std::string> BoxTexts(const DialogScript& script) {
    std::vector<std::string> texts;
    for (const ShownDialog& shown : script.shown()) {
      if (shown.kind == ShownDialog::Kind::kMessageBox) texts.push_back(shown.text);
    }
    return texts;
  }
  // The dialog's New...: the name typed into its own dialog.
  void QueueNewBar(DialogScript& script, const std::string& name) {
    script.OnNextDialog([name](Dialog& ask) {
      TypeInto(ask, ToolBarNameDialog::kNameField, name);
      Press(ask, IDOK);
    });
  }

  TestApp app;
  Log log;
  std::unique_ptr<CustomizableFrame> frame;
};

TEST_F(ToolBarCustomizationTest, APersonsBarOfTwoCommandsAndAHiddenButtonComeBackAtTheNextStart) {
  CustomizableFrame& first = Start();
  EXPECT_EQ(ToolButtonTexts(first.tool_bar),
            (std::vector<std::string>{"Store", "|", "Graphical input", "Grid", "|", "Anpassen..."}));
  DialogScript script;
  script.OnNextDialog([&](Dialog& d) {
    EXPECT_EQ(d.Caption(), "Customize");
    ASSERT_TRUE(Press(d, Dlg::kNewBar));
    // The new bar is chosen: two commands of the menus on it.
    ASSERT_TRUE(AddCommandToBar(d, "Edit", "Route"));
    ASSERT_TRUE(AddCommandToBar(d, "View", "Toolbar"));
    // The standard bar's "Graphical input" hidden.
    ASSERT_TRUE(Choose(d, Dlg::kBarList, 0));
    ASSERT_TRUE(Choose(d, Dlg::kButtonList, 2));
    ASSERT_TRUE(SetChecked(d, Dlg::kButtonShown, false));
    EXPECT_EQ(static_cast<ListBox*>(d.GetDlgItem(Dlg::kButtonList))->GetText(2), "Graphical input  (hidden)");
    Press(d, IDOK);
  });
  QueueNewBar(script, "My tools");
  Customize(first.tool_bar);
  EXPECT_EQ(script.Captions(), (std::vector<std::string>{"Customize", "New Tool Bar"}));
  EXPECT_FALSE(script.shown()[0].left_open);

  // The frame shows it at once: the new bar under the standard one, with the customise button.
  ASSERT_EQ(first.Bars().size(), 2u);
  ToolBar& mine = *first.Bars()[1];
  EXPECT_EQ(mine.GetWindowText(), "My tools");
  EXPECT_EQ(ToolButtonTexts(mine), (std::vector<std::string>{"Route", "Toolbar", "|", "Anpassen..."}));
  EXPECT_EQ(ToolButtonTexts(first.tool_bar), (std::vector<std::string>{"Store", "|", "Grid", "|", "Anpassen..."}));
  Rect standard_place, mine_place;
  first.tool_bar.GetWindowRect(&standard_place);
  mine.GetWindowRect(&mine_place);
  EXPECT_EQ(mine_place.top, standard_place.bottom);
  log.entries.clear();
  IdleUpdate(first);
  ASSERT_TRUE(ClickToolButton(mine, 32800));
  PumpMessages();
  EXPECT_EQ(log.entries, std::vector<std::string>{"command 32800"});
  // Kept in the settings file, as Windows text.
  EXPECT_NE(Bytes(File()).find("NAME My tools\r\n"), std::string::npos) << Bytes(File());

  // The next start shows both.
  End();
  CustomizableFrame& second = Start();
  ASSERT_EQ(second.Bars().size(), 2u);
  EXPECT_EQ(second.Bars()[1]->GetWindowText(), "My tools");
  EXPECT_EQ(ToolButtonTexts(*second.Bars()[1]), (std::vector<std::string>{"Route", "Toolbar", "|", "Anpassen..."}));
  EXPECT_EQ(ToolButtonTexts(second.tool_bar), (std::vector<std::string>{"Store", "|", "Grid", "|", "Anpassen..."}));
  // Its customise button opens the dialog too.
  DialogScript again;
  again.OnNextDialog([](Dialog& d) { Press(d, IDOK); });
  Customize(*second.Bars()[1]);
  EXPECT_EQ(again.Captions(), std::vector<std::string>{"Customize"});
}

TEST_F(ToolBarCustomizationTest, ADamagedSettingsFileIsNamedTheDefaultBarsShownAndTheFileKept) {
  const std::string damaged = "TOOLBARS 1\r\nBAR 59392 TOP SHOWN 0 0\r\nNAME Standard\r\nBUTTON 57603 SHOWN\r\n";
  ASSERT_TRUE(MakeFolder(SettingsFolderPath()));
  ASSERT_TRUE(WriteBlock(File(), damaged.data(), damaged.size()));
  MessageBoxScript boxes;
  CustomizableFrame& f = Start();
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Error");
  EXPECT_EQ(boxes.shown()[0].text,
            "The file " + File() +
                " is damaged: line 4: a button text that is empty, longer than 128 characters or holds control "
                "characters. The default tool bars are shown.");
  EXPECT_EQ(f.Bars().size(), 1u);
  EXPECT_EQ(ToolButtonTexts(f.tool_bar),
            (std::vector<std::string>{"Store", "|", "Graphical input", "Grid", "|", "Anpassen..."}));
  End();
  EXPECT_EQ(Bytes(File()), damaged);  // nothing changed: the file stays for a look
}

TEST_F(ToolBarCustomizationTest, AFailedWriteIsNamedAndTheOldFileStaysWhole) {
  CustomizableFrame& f = Start();
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    Press(d, Dlg::kNewBar);
    Press(d, IDOK);
  });
  QueueNewBar(script, "Kept");
  Customize(f.tool_bar);
  const std::string kept = Bytes(File());
  ASSERT_NE(kept.find("NAME Kept"), std::string::npos);

  MessageBoxScript boxes;
  FailingFileWrite failing(1);
  script.OnNextDialog([](Dialog& d) {
    Choose(d, Dlg::kBarList, 0);
    Choose(d, Dlg::kButtonList, 0);
    SetChecked(d, Dlg::kButtonShown, false);
    Press(d, IDOK);
  });
  Customize(f.tool_bar);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "The tool bars could not be stored in the file " + File() + ".");
  EXPECT_EQ(Bytes(File()), kept);
  EXPECT_FALSE(FileExists(File() + "~"));
}

TEST_F(ToolBarCustomizationTest, ABarDocksAtEverySideOrFloatsAndStaysThereAtTheNextStart) {
  struct Case {
    DockSide side;
    const char* name;
  };
  const Case cases[] = {{DockSide::kTop, "top"},
                        {DockSide::kBottom, "bottom"},
                        {DockSide::kLeft, "left"},
                        {DockSide::kRight, "right"},
                        {DockSide::kFloating, "floating"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RemoveFile(File());
    for (int run = 0; run < 2; ++run) {
      CustomizableFrame& f = Start();
      if (run == 0) {
        DialogScript script;
        script.OnNextDialog([&](Dialog& d) {
          Choose(d, Dlg::kBarList, 0);
          const auto at = std::find(std::begin(Dlg::kSides), std::end(Dlg::kSides), c.side);
          ASSERT_TRUE(Choose(d, Dlg::kBarSide, static_cast<int>(at - std::begin(Dlg::kSides))));
          Press(d, IDOK);
        });
        Customize(f.tool_bar);
      }
      EXPECT_EQ(f.tool_bar.GetDockSide(), c.side);
      EXPECT_TRUE(f.tool_bar.IsBarVisible());
      // Its buttons are there to be clicked, and the view keeps clear of the bar.
      log.entries.clear();
      EXPECT_TRUE(ClickToolButton(f.tool_bar, 32906));
      PumpMessages();
      EXPECT_EQ(log.entries, std::vector<std::string>{"command 32906"});
      Rect client, bar, status;
      f.GetClientRect(&client);
      f.tool_bar.GetWindowRect(&bar);
      f.ScreenToClient(&bar);
      f.status_bar.GetWindowRect(&status);
      f.ScreenToClient(&status);
      const Rect view = f.GetViewRect();
      switch (c.side) {
        case DockSide::kTop: EXPECT_EQ(view.top, bar.bottom); break;
        case DockSide::kBottom:
          EXPECT_EQ(bar.bottom, status.top);
          EXPECT_EQ(view.bottom, bar.top);
          break;
        case DockSide::kLeft:
          EXPECT_EQ(bar.left, 0);
          EXPECT_EQ(view.left, bar.right);
          EXPECT_GT(bar.Height(), bar.Width());
          break;
        case DockSide::kRight:
          EXPECT_EQ(bar.right, client.right);
          EXPECT_EQ(view.right, bar.left);
          break;
        case DockSide::kFloating: {
          // In a window of its own over the frame; the view has the whole width and the room under the menu.
          EXPECT_EQ(view.left, 0);
          EXPECT_EQ(view.right, client.right);
          EXPECT_EQ(view.bottom, status.top);
          QWidget* shown_in = f.tool_bar.widget()->window();
          EXPECT_NE(shown_in, detail::WidgetOfWindow(f)->window());
          EXPECT_TRUE(shown_in->isVisible());
          break;
        }
      }
      End();
    }
  }
}

TEST_F(ToolBarCustomizationTest, AFloatingBarKeepsItsPlaceAndItsCloseBoxHidesIt) {
  CustomizableFrame& f = Start();
  f.tool_bar.SetFloatingPlace(Point{300, 200});
  f.tool_bar.DockAt(DockSide::kFloating);
  EXPECT_EQ(f.tool_bar.GetFloatingPlace(), (Point{300, 200}));
  f.tool_bar.SetFloatingPlace(Point{320, 240});  // a person moved it
  // Its window takes the room of buttons added later, so that none goes behind the bar's extension arrow.
  std::vector<ToolButton> more = f.tool_bar.GetButtons();
  for (UINT id : {32800u, 32801u, 32802u}) more.push_back(ToolButton(id, "A longer button " + std::to_string(id)));
  f.tool_bar.SetButtons(more);
  PumpMessages();
  EXPECT_GE(f.tool_bar.widget()->width(), f.tool_bar.widget()->sizeHint().width());
  EXPECT_EQ(f.tool_bar.GetFloatingPlace(), (Point{320, 240}));
  End();
  CustomizableFrame& again = Start();
  EXPECT_EQ(again.tool_bar.GetDockSide(), DockSide::kFloating);
  EXPECT_EQ(again.tool_bar.GetFloatingPlace(), (Point{320, 240}));
  // The close box of its window hides it; View Toolbar shows it again.
  QWidget* floating = again.tool_bar.widget()->window();
  ASSERT_NE(floating, detail::WidgetOfWindow(again)->window());
  QCloseEvent close;
  QApplication::sendEvent(floating, &close);
  EXPECT_FALSE(again.tool_bar.IsBarVisible());
  EXPECT_TRUE(ToolButtonTexts(again.tool_bar).empty());
  ASSERT_TRUE(ChooseMenuItem(again, {"&View", "&Toolbar"}));
  PumpMessages();
  EXPECT_TRUE(again.tool_bar.IsBarVisible());
  EXPECT_FALSE(ToolButtonTexts(again.tool_bar).empty());
}

TEST_F(ToolBarCustomizationTest, ButtonsMoveAreRemovedAndTheStandardBarIsResetOnRequest) {
  CustomizableFrame& f = Start();
  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    Choose(d, Dlg::kBarList, 0);
    EXPECT_FALSE(Press(d, Dlg::kRenameBar));  // the program's bar keeps its name
    EXPECT_FALSE(Press(d, Dlg::kDeleteBar));
    Choose(d, Dlg::kButtonList, 0);
    EXPECT_FALSE(Press(d, Dlg::kMoveUp));
    ASSERT_TRUE(Press(d, Dlg::kMoveDown));
    ASSERT_TRUE(Press(d, Dlg::kMoveDown));  // Store after the separator and Graphical input
    Choose(d, Dlg::kButtonList, 3);
    EXPECT_FALSE(Press(d, Dlg::kMoveDown));
    ASSERT_TRUE(Press(d, Dlg::kRemoveButton));  // Grid
    Press(d, IDOK);
  });
  Customize(f.tool_bar);
  EXPECT_EQ(ToolButtonTexts(f.tool_bar),
            (std::vector<std::string>{"|", "Graphical input", "Store", "|", "Anpassen..."}));
  // Reset asks first; No keeps the buttons, Yes gives back the program's.
  script.OnNextDialog([](Dialog& d) {
    Choose(d, Dlg::kBarList, 0);
    Press(d, Dlg::kResetBar);
    Press(d, Dlg::kResetBar);
    Press(d, IDOK);
  });
  script.AnswerBox(IDNO);
  script.AnswerBox(IDYES);
  Customize(f.tool_bar);
  EXPECT_EQ(BoxTexts(script), (std::vector<std::string>{"Give the tool bar \"Standard\" the program's buttons again?",
                                                        "Give the tool bar \"Standard\" the program's buttons again?"}));
  EXPECT_EQ(ToolButtonTexts(f.tool_bar),
            (std::vector<std::string>{"Store", "|", "Graphical input", "Grid", "|", "Anpassen..."}));
}

TEST_F(ToolBarCustomizationTest, APersonsBarsAreNamedRenamedAndDeletedAndThereAreTenAtMost) {
  CustomizableFrame& f = Start();
  DialogScript script;
  script.OnNextDialog([&](Dialog& d) {
    for (int i = 0; i < kMaxUserToolBars; ++i) ASSERT_TRUE(Press(d, Dlg::kNewBar));
    EXPECT_FALSE(Press(d, Dlg::kNewBar));
    // "Custom 1" renamed: an empty name and a taken one are refused, the dialog stays.
    ASSERT_TRUE(Choose(d, Dlg::kBarList, 1));
    ASSERT_TRUE(Press(d, Dlg::kRenameBar));
    // The tenth deleted after the question; the eleventh can be made then.
    ASSERT_TRUE(Choose(d, Dlg::kBarList, 10));
    ASSERT_TRUE(Press(d, Dlg::kDeleteBar));
    EXPECT_TRUE(Press(d, Dlg::kNewBar));
    Press(d, IDOK);
  });
  for (int i = 0; i < kMaxUserToolBars; ++i) script.PressNext(IDOK);  // the names offered: Custom 1 ... 10
  script.OnNextDialog([](Dialog& ask) {
    EXPECT_EQ(ItemText(ask, ToolBarNameDialog::kNameField), "Custom 1");
    TypeInto(ask, ToolBarNameDialog::kNameField, "   ");
    Press(ask, IDOK);
    TypeInto(ask, ToolBarNameDialog::kNameField, "standard");
    Press(ask, IDOK);
    TypeInto(ask, ToolBarNameDialog::kNameField, "  Loads ");
    Press(ask, IDOK);
  });
  script.AnswerBox(IDOK);
  script.AnswerBox(IDOK);
  script.AnswerBox(IDYES);  // delete "Custom 10"
  script.OnNextDialog([](Dialog& ask) {
    EXPECT_EQ(ItemText(ask, ToolBarNameDialog::kNameField), "Custom 1");  // free again
    Press(ask, IDOK);
  });
  Customize(f.tool_bar);
  EXPECT_EQ(BoxTexts(script), (std::vector<std::string>{"A tool bar needs a name.", "A tool bar named \"standard\" is there already.",
                                             "Delete the tool bar \"Custom 10\"?"}));
  std::vector<std::string> names;
  for (ToolBar* bar : f.Bars()) names.push_back(bar->GetWindowText());
  EXPECT_EQ(names, (std::vector<std::string>{"Standard", "Loads", "Custom 2", "Custom 3", "Custom 4", "Custom 5",
                                             "Custom 6", "Custom 7", "Custom 8", "Custom 9", "Custom 1"}));
}

TEST_F(ToolBarCustomizationTest, ARightClickOnABarShowsTheBarsAndTheCustomiseCommand) {
  CustomizableFrame& f = Start();
  PopupMenuScript menus;
  menus.Choose(AFX_IDW_TOOLBAR);
  ASSERT_TRUE(RightClickToolBar(f.tool_bar));
  PumpMessages();
  ASSERT_EQ(menus.shown().size(), 1u);
  const std::vector<ShownMenuItem>& items = menus.shown()[0];
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "Standard");
  EXPECT_TRUE(items[0].checked);
  EXPECT_TRUE(items[1].separator);
  EXPECT_EQ(items[2].text, "Anpassen...");
  EXPECT_FALSE(f.tool_bar.IsBarVisible());
  // A person's bar: the menu's customise command opens the dialog.
  ASSERT_NE(f.customization().AddUserBar("Mine"), nullptr);
  DialogScript script;
  script.PressNext(IDOK);
  menus.Choose(kCustomize);
  ASSERT_TRUE(RightClickToolBar(*f.Bars()[1]));
  PumpMessages();
  EXPECT_EQ(script.Captions(), std::vector<std::string>{"Customize"});
  EXPECT_FALSE(menus.shown()[1][0].checked);  // the standard bar, hidden
}

TEST_F(ToolBarCustomizationTest, AStandardBarWhoseProgramButtonsChangedShowsTheNewOnes) {
  // Written when the program's bar had Store and Grid only; a person's bar beside it.
  const std::string older =
      "TOOLBARS 1\nBAR 59392 LEFT SHOWN 0 0\nNAME Standard\nDEFAULTS 57603 32906\nBUTTON 32906 SHOWN Grid\nEND\n"
      "BAR 59432 TOP SHOWN 0 0\nNAME Mine\nBUTTON 57603 SHOWN Store\nEND\n";
  ASSERT_TRUE(MakeFolder(SettingsFolderPath()));
  ASSERT_TRUE(WriteBlock(File(), older.data(), older.size()));
  CustomizableFrame& f = Start();
  EXPECT_EQ(ToolButtonTexts(f.tool_bar),
            (std::vector<std::string>{"Store", "|", "Graphical input", "Grid", "|", "Anpassen..."}));
  EXPECT_EQ(f.tool_bar.GetDockSide(), DockSide::kLeft);  // where it was put stays
  ASSERT_EQ(f.Bars().size(), 2u);
  EXPECT_EQ(ToolButtonTexts(*f.Bars()[1]), (std::vector<std::string>{"Store", "|", "Anpassen..."}));
}

// The customise button comes and goes without the program's buttons being made again, and buttons
// replaced leave nothing behind in the bar.
TEST_F(ToolBarCustomizationTest, TheCustomiseButtonLeavesTheOtherButtonsAsTheyAre) {
  CustomizableFrame& f = Start();
  QToolBar* bar = f.tool_bar.widget();
  ASSERT_NE(bar, nullptr);
  const auto store_button = [bar]() -> QPointer<QWidget> {
    for (QAction* action : bar->actions()) {
      if (action->data().toUInt() == ID_FILE_SAVE) return bar->widgetForAction(action);
    }
    return nullptr;
  };
  const QPointer<QWidget> store = store_button();
  ASSERT_NE(store, nullptr);
  const std::vector<std::string> with = {"Store", "|", "Graphical input", "Grid", "|", "Anpassen..."};
  EXPECT_EQ(ToolButtonTexts(f.tool_bar), with);
  f.tool_bar.EnableCustomizeButton(false);
  PumpMessages();
  EXPECT_EQ(ToolButtonTexts(f.tool_bar), (std::vector<std::string>{"Store", "|", "Graphical input", "Grid"}));
  f.tool_bar.EnableCustomizeButton(true, kCustomize, "Anpassen...");
  PumpMessages();
  EXPECT_EQ(ToolButtonTexts(f.tool_bar), with);
  EXPECT_EQ(store_button(), store);  // the same button all along
  const qsizetype actions = bar->findChildren<QAction*>().size();
  for (int i = 0; i < 3; ++i) f.tool_bar.SetButtons(f.tool_bar.GetButtons());
  PumpMessages();
  EXPECT_EQ(bar->findChildren<QAction*>().size(), actions);
  EXPECT_EQ(ToolButtonTexts(f.tool_bar), with);
}

TEST_F(ToolBarCustomizationTest, TheViewersKindOfFrameOffersItsChildWindowsMenusAndItsClientMakesRoom) {
  // The picture's menu: commands on the bar itself, and a pop-up.
  Menu display = Menu::Popup();
  display.AppendMenu(MF_STRING, 41001, "&Labels");
  Menu picture;
  picture.AppendMenu(MF_STRING, Customizable<MDIFrameWnd>::kMoments, "&Moments");
  picture.AppendMenu(MF_POPUP, std::move(display), "D&isplay");
  app.AddDocTemplate(std::make_unique<MultiDocTemplate>(
      FrameResources{130, "Graph", std::move(picture), {}}, [] { return std::make_unique<Document>(); },
      [] { return new MDIChildWnd; }, [this] { return new LoggingView(log); }));
  auto* main = new Customizable<MDIFrameWnd>(log);
  main->auto_delete = true;
  ASSERT_TRUE(main->LoadFrame(FrameResources{128, "Results", TestMenu(), {}}));
  app.SetMainWnd(main);
  main->ActivateFrame(SW_SHOW);
  main->MoveWindow(0, 0, 1000, 700);
  ASSERT_NE(app.GetDocTemplate(0)->OpenDocumentFile({}), nullptr);
  PumpMessages();

  DialogScript script;
  script.OnNextDialog([](Dialog& d) {
    ASSERT_TRUE(Press(d, Dlg::kNewBar));
    EXPECT_TRUE(ChooseText(d, Dlg::kCategory, "Display"));
    ASSERT_TRUE(AddCommandToBar(d, "Menu bar", "Moments"));
    ASSERT_TRUE(ChooseText(d, Dlg::kBarSide, "Left"));
    Press(d, IDOK);
  });
  script.PressNext(IDOK);  // "Custom 1"
  ASSERT_TRUE(ClickToolButton(main->tool_bar, kCustomize));
  PumpMessages();
  ToolBar& mine = *main->customization().Bars()[1];
  EXPECT_EQ(mine.GetDockSide(), DockSide::kLeft);
  Rect bar, client;
  mine.GetWindowRect(&bar);
  main->GetClient()->GetWindowRect(&client);
  EXPECT_EQ(client.left, bar.right);
  // Its button reaches the frame's route, as the child's menu does.
  IdleUpdate(*main);
  log.entries.clear();
  ASSERT_TRUE(ClickToolButton(mine, Customizable<MDIFrameWnd>::kMoments));
  PumpMessages();
  EXPECT_EQ(log.entries, std::vector<std::string>{"command 41000"});
  main->DestroyWindow();
  PumpMessages();
}

}  // namespace
}  // namespace plat::test
