// A multiple-document frame: three kinds of child window from three
// templates, the menu bar following the active child, items enabled by
// position, tile, cascade, the next child, and closing all but one.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/frames/doc_template.h"
#include "platform/frames/document.h"
#include "platform/frames/mdi_frame.h"
#include "platform/frames/tests/test_frames.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/host_widget.h"
#include "platform/window/shown_picture.h"
#include "platform/window/window_state.h"
#include "platform/window/virtual_keys.h"

namespace plat::test {
namespace {

using namespace plat::testing;

class ChildFrame : public MDIChildWnd {};

class PictureView : public LoggingView {
 public:
  explicit PictureView(Log& log) : LoggingView(log, "picture") {}
};

Menu BarOf(std::initializer_list<const char*> commands, UINT first_id) {
  Menu file = Menu::Popup();
  file.AppendMenu(MF_STRING, ID_WINDOW_TILE_VERT, "&Tile");
  file.AppendMenu(MF_STRING, ID_WINDOW_CASCADE, "&Cascade");
  Menu bar;
  bar.AppendMenu(MF_POPUP, std::move(file), "&Window");
  UINT id = first_id;
  for (const char* c : commands) bar.AppendMenu(MF_STRING, id++, c);
  return bar;
}

class MdiFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = new MDIFrameWnd;
    main->auto_delete = true;
    ASSERT_TRUE(main->LoadFrame(FrameResources{128, "Results", BarOf({"&Help"}, 40000), {}}));
    app.SetMainWnd(main);
    main->ActivateFrame(SW_SHOW);
    main->MoveWindow(0, 0, 1000, 700);
    const auto add = [this](UINT id, const char* title, Menu menu, std::function<View*()> view) {
      auto t = std::make_unique<MultiDocTemplate>(
          FrameResources{id, title, std::move(menu), {}}, [] { return std::make_unique<Document>(); },
          [] { return new ChildFrame; }, std::move(view));
      templates.push_back(t.get());
      app.AddDocTemplate(std::move(t));
    };
    add(130, "Graph", BarOf({"<", "&Frame", "LC +", "LC -", "LC", "&Displacements"}, 41000),
        [this] { return new PictureView(log); });
    add(160, "Text", BarOf({"&Load cases", "&Results"}, 42000), [this] { return new LoggingView(log, "text"); });
    add(343, "Plot", BarOf({"LC +", "LC -"}, 43000), [this] { return new LoggingView(log, "plot"); });
  }
  void TearDown() override {
    if (FrameWnd* f = app.GetMainWnd()) f->DestroyWindow();
    PumpMessages();
  }

  // Opens one document of each kind.
  void OpenThree() {
    for (MultiDocTemplate* t : templates) ASSERT_NE(t->OpenDocumentFile({}), nullptr);
    PumpMessages();
    ASSERT_EQ(main->GetMDIChildren().size(), 3u);
  }
  std::string ActiveKind() {
    MDIChildWnd* active = main->MDIGetActive();
    auto* view = active ? dynamic_cast<LoggingView*>(active->GetActiveView()) : nullptr;
    return view ? view->name() : "none";
  }
  MDIChildWnd* ChildOfKind(const std::string& kind) {
    for (MDIChildWnd* c : main->GetMDIChildren()) {
      if (auto* v = dynamic_cast<LoggingView*>(c->GetActiveView()); v && v->name() == kind) return c;
    }
    return nullptr;
  }
  Rect InClient(MDIChildWnd* child) {
    Rect r;
    child->GetWindowRect(&r);
    main->GetClient()->ScreenToClient(&r);
    return r;
  }

  TestApp app;
  Log log;
  MDIFrameWnd* main = nullptr;
  std::vector<MultiDocTemplate*> templates;
};

TEST_F(MdiFrameTest, TheOnlyChildShowsItsMenu) {
  ASSERT_NE(templates[1]->OpenDocumentFile({}), nullptr);
  PumpMessages();
  EXPECT_EQ(ActiveKind(), "text");
  EXPECT_EQ(MenuBarTexts(*main), (std::vector<std::string>{"&Window", "&Load cases", "&Results"}));
}

TEST_F(MdiFrameTest, MenuBarFollowsTheActiveChild) {
  EXPECT_EQ(MenuBarTexts(*main), (std::vector<std::string>{"&Window", "&Help"}));
  OpenThree();
  EXPECT_EQ(ActiveKind(), "plot");
  EXPECT_EQ(MenuBarTexts(*main), (std::vector<std::string>{"&Window", "LC +", "LC -"}));
  main->MDIActivate(ChildOfKind("text"));
  EXPECT_EQ(MenuBarTexts(*main), (std::vector<std::string>{"&Window", "&Load cases", "&Results"}));
  // A click into another child's view activates it, with its menu.
  MouseDown(*ChildOfKind("picture")->GetActiveView(), Point{20, 20});
  PumpMessages();
  EXPECT_EQ(ActiveKind(), "picture");
  EXPECT_EQ(MenuBarTexts(*main).size(), 7u);
  EXPECT_EQ(main->GetActiveDocument(), ChildOfKind("picture")->GetActiveDocument());
}

TEST_F(MdiFrameTest, CommandsGoToTheActiveChildsView) {
  OpenThree();
  for (MDIChildWnd* c : main->GetMDIChildren()) {
    auto* view = dynamic_cast<LoggingView*>(c->GetActiveView());
    view->MapCommand(32900, [this, view] { log.Add(view->name()); });
  }
  main->SendMessage(WM_COMMAND, 32900, 0);
  main->MDIActivate(ChildOfKind("picture"));
  main->SendMessage(WM_COMMAND, 32900, 0);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"plot", "picture"}));
}

TEST_F(MdiFrameTest, ItemsOfTheBarEnabledByPosition) {
  OpenThree();
  MDIChildWnd* picture = ChildOfKind("picture");
  main->MDIActivate(picture);
  Menu* menu = picture->GetSharedMenu();
  // Items 5 to 6 ("LC", "&Displacements") greyed, as a load case without results does.
  for (UINT position = 5; position <= 6; ++position) menu->EnableMenuItem(position, MF_BYPOSITION | MF_GRAYED);
  main->DrawMenuBar();
  const auto items = MenuBarItems(*main);
  ASSERT_EQ(items.size(), 7u);
  EXPECT_TRUE(items[4].enabled);
  EXPECT_FALSE(items[5].enabled);
  EXPECT_FALSE(items[6].enabled);
  EXPECT_FALSE(ChooseMenuItem(*main, {"&Displacements"}));
  EXPECT_EQ(menu->EnableMenuItem(6, MF_BYPOSITION | MF_ENABLED), MF_GRAYED);
  main->DrawMenuBar();
  EXPECT_TRUE(MenuBarItems(*main)[6].enabled);
  // The other children keep their own menus as they were.
  main->MDIActivate(ChildOfKind("text"));
  for (const ShownMenuItem& item : MenuBarItems(*main)) EXPECT_TRUE(item.enabled) << item.text;
}

TEST_F(MdiFrameTest, TileLinesTheChildrenUpWithoutOverlap) {
  OpenThree();
  Rect client;
  main->GetClient()->GetClientRect(&client);
  for (UINT how : {MDITILE_VERTICAL, MDITILE_HORIZONTAL}) {
    SCOPED_TRACE(how);
    main->MDITile(how);
    std::vector<Rect> rects;
    for (MDIChildWnd* c : main->GetMDIChildren()) rects.push_back(InClient(c));
    long long area = 0;
    for (std::size_t i = 0; i < rects.size(); ++i) {
      EXPECT_EQ(IntersectRects(rects[i], client), rects[i]);  // inside the client
      area += static_cast<long long>(rects[i].Width()) * rects[i].Height();
      for (std::size_t j = i + 1; j < rects.size(); ++j) EXPECT_TRUE(IntersectRects(rects[i], rects[j]).IsEmpty());
    }
    // The client is covered but for the pixels the division by three leaves.
    EXPECT_GE(area, static_cast<long long>(client.Width()) * client.Height() - 3LL * std::max(client.Width(), client.Height()));
    if (how == MDITILE_VERTICAL) {
      for (const Rect& r : rects) EXPECT_EQ(r.Height(), client.Height());
    } else {
      for (const Rect& r : rects) EXPECT_EQ(r.Width(), client.Width());
    }
  }
  // Through the menu command as well.
  main->MDICascade();
  ASSERT_TRUE(ChooseMenuItem(*main, {"&Window", "&Tile"}));
  PumpMessages();
  EXPECT_EQ(InClient(main->GetMDIChildren()[0]).Height(), client.Height());
}

TEST_F(MdiFrameTest, CascadePutsTheActiveChildOnTopFurthestIn) {
  OpenThree();
  main->MDIActivate(ChildOfKind("text"));
  main->MDICascade();
  const Rect active = InClient(ChildOfKind("text"));
  for (MDIChildWnd* c : main->GetMDIChildren()) {
    if (c != ChildOfKind("text")) {
      EXPECT_LT(InClient(c).left, active.left);
    }
  }
  EXPECT_EQ(ActiveKind(), "text");
}

TEST_F(MdiFrameTest, NextChildCyclesThroughAll) {
  OpenThree();
  std::vector<std::string> seen{ActiveKind()};
  for (int i = 0; i < 3; ++i) {
    main->MDINext();
    seen.push_back(ActiveKind());
  }
  EXPECT_EQ(seen.front(), seen.back());
  std::vector<std::string> three(seen.begin(), seen.begin() + 3);
  std::sort(three.begin(), three.end());
  EXPECT_EQ(three, (std::vector<std::string>{"picture", "plot", "text"}));
  // Ctrl+F6 does the same from the keyboard.
  const std::string before = ActiveKind();
  PressKey(*main->MDIGetActive()->GetActiveView(), VK_F6, kCtrl);
  PumpMessages();
  EXPECT_NE(ActiveKind(), before);
}

TEST_F(MdiFrameTest, CloseAllButThePicture) {
  OpenThree();
  for (MDIChildWnd* c : main->GetMDIChildren()) {
    if (!dynamic_cast<PictureView*>(c->GetActiveView())) c->PostMessage(WM_CLOSE);
  }
  PumpMessages();
  ASSERT_EQ(main->GetMDIChildren().size(), 1u);
  EXPECT_EQ(ActiveKind(), "picture");
  EXPECT_EQ(MenuBarTexts(*main).size(), 7u);
  EXPECT_EQ(templates[0]->GetDocuments().size(), 1u);
  EXPECT_TRUE(templates[1]->GetDocuments().empty());  // each document went with its window
  EXPECT_TRUE(templates[2]->GetDocuments().empty());
  // The last child closed, the main frame's own menu returns.
  main->MDIGetActive()->SendMessage(WM_CLOSE);
  PumpMessages();
  EXPECT_EQ(main->MDIGetActive(), nullptr);
  EXPECT_EQ(MenuBarTexts(*main), (std::vector<std::string>{"&Window", "&Help"}));
}

TEST_F(MdiFrameTest, MaximisedChildFillsTheClientAndPassesItOn) {
  OpenThree();
  MDIChildWnd* plot = ChildOfKind("plot");
  const Rect before = InClient(plot);
  plot->MDIMaximize();
  Rect client;
  main->GetClient()->GetClientRect(&client);
  EXPECT_EQ(InClient(plot), client);
  // The frame grows: the maximised child grows with it.
  main->MoveWindow(0, 0, 1100, 760);
  main->GetClient()->GetClientRect(&client);
  EXPECT_EQ(InClient(plot), client);
  // Activating another child maximises it instead.
  main->MDIActivate(ChildOfKind("text"));
  EXPECT_TRUE(ChildOfKind("text")->IsMaximized());
  EXPECT_FALSE(plot->IsMaximized());
  EXPECT_EQ(InClient(plot), before);
}

TEST_F(MdiFrameTest, CaptionMovesMaximisesAndClosesTheChild) {
  OpenThree();
  MDIChildWnd* plot = ChildOfKind("plot");
  main->MDIActivate(ChildOfKind("text"));
  const Rect before = InClient(plot);
  // A drag by the caption moves it (and the click activates it).
  MouseDown(*plot, Point{40, 8});
  EXPECT_EQ(ActiveKind(), "plot");
  MouseMove(*plot, Point{90, 48}, MK_LBUTTON);
  MouseUp(*plot, Point{90, 48});
  const Rect moved = InClient(plot);
  EXPECT_EQ(moved.left, before.left + 50);
  EXPECT_EQ(moved.top, before.top + 40);
  EXPECT_EQ(moved.Width(), before.Width());
  // A double click maximises, another restores.
  DoubleClick(*plot, Point{40, 8});
  EXPECT_TRUE(plot->IsMaximized());
  DoubleClick(*plot, Point{40, 8});
  EXPECT_FALSE(plot->IsMaximized());
  EXPECT_EQ(InClient(plot), moved);
  // The close box closes it.
  Rect client;
  plot->GetClientRect(&client);
  Click(*plot, Point{client.right - 10, 10});
  PumpMessages();
  EXPECT_EQ(main->GetMDIChildren().size(), 2u);
  EXPECT_NE(ActiveKind(), "plot");
}

TEST_F(MdiFrameTest, ChildCaptionShowsTheDocumentTitle) {
  OpenThree();
  EXPECT_EQ(ChildOfKind("picture")->GetWindowText(), "Graph1");
  ChildOfKind("text")->GetActiveDocument()->SetTitle("D1");
  EXPECT_EQ(ChildOfKind("text")->GetWindowText(), "D1");
}

// A child frame under its view keeps a picture of its caption only, not of its whole client area;
// it grows where the view leaves more uncovered. What a person sees stays the same.
TEST_F(MdiFrameTest, ChildFramePictureHoldsWhatItsViewLeavesUncovered) {
  OpenThree();
  MDIChildWnd* child = ChildOfKind("picture");
  main->MDIActivate(child);
  PumpMessages();
  Rect client;
  child->GetClientRect(&client);
  const Bitmap shown = WindowPixels(*child);
  const auto& picture = detail::WindowState::Of(*child)->host->backing();
  EXPECT_EQ(picture->width(), client.Width());
  EXPECT_EQ(picture->height(), MDIChildWnd::kCaptionHeight);
  EXPECT_EQ(shown.Pixel(client.Width() / 2, 5), Rgb(0, 84, 166));  // the active caption
  // The shown picture (clipboard, export) has the client area's size all the same.
  const Bitmap whole = ShownPicture(*child);
  EXPECT_EQ(whole.width(), client.Width());
  EXPECT_EQ(whole.height(), client.Height());
  EXPECT_EQ(whole.Pixel(client.Width() / 2, 5), Rgb(0, 84, 166));
  // The view out of sight: the frame's picture covers all it leaves, the caption kept.
  child->GetActiveView()->ShowWindow(SW_HIDE);
  child->Invalidate();
  child->UpdateWindow();
  EXPECT_EQ(picture->width(), client.Width());
  EXPECT_EQ(picture->height(), client.Height());
  EXPECT_EQ(WindowPixels(*child).Pixel(client.Width() / 2, 5), Rgb(0, 84, 166));
}

}  // namespace
}  // namespace plat::test
