#pragma once
// Frame windows (MFC's CFrameWnd / CFrameWndEx): a top-level window with a
// menu bar, tool bars or a ribbon, a status bar and a view. The frame lines
// its bars up along its edges and gives the view the rest of its client area;
// it routes commands (menu items, tool-bar buttons, ribbon elements,
// accelerators) to the active view first, then to itself, then to the
// application object, and brings the states of its bars up to date through
// the update handlers when the program is idle.
//
//   class MainFrame : public plat::FrameWnd {
//    public:
//     MainFrame() { MapCommand(32776, [this] { ... }); }
//    protected:
//     int OnCreate(const plat::CREATESTRUCT& cs) override {
//       if (FrameWnd::OnCreate(cs) == -1) return -1;
//       if (!tool_bar_.Create(this) || !status_bar_.Create(this)) return -1;
//       tool_bar_.SetButtons({{57603, "Store"}, {0}, {57607, "Print"}});
//       const plat::UINT panes[] = {plat::ID_SEPARATOR, 0, 0, 0, 0};
//       status_bar_.SetIndicators(panes);
//       return 0;
//     }
//     plat::ToolBar tool_bar_;
//     plat::StatusBar status_bar_;
//   };
//
// A frame made by a document template (or with auto_delete) deletes itself
// when its window goes; closing the application's main window ends the
// message loop (WM_QUIT with 0).
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <functional>

#include "platform/frames/accelerators.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/command_target.h"
#include "platform/frames/menu.h"
#include "platform/window/window.h"

namespace plat {

class ControlBar;
class DocTemplate;
class Document;
class MenuBar;
class StatusBar;
class ToolBar;
class ToolBarCustomization;
class View;

// Frame styles.
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000;  // the document's title goes into the caption

// What a frame is made from (MFC's resources of one id): the title, the
// menu bar and the accelerators.
struct FrameResources {
  UINT id = 0;
  std::string title;
  Menu menu;
  AcceleratorTable accelerators;
};

// What a frame needs to make its view (MFC's CCreateContext).
struct CreateContext {
  Document* document = nullptr;
  DocTemplate* doc_template = nullptr;
  // Makes the view object (not yet its window); the frame makes the window.
  std::function<View*()> new_view;
};

class FrameWnd : public Window, public CommandTarget {
 public:
  // The place of a new frame when none is given.
  static constexpr Rect kDefaultRect{40, 40, 1064, 808};

  FrameWnd();
  ~FrameWnd() override;

  // ---- Creation ----
  // Called before the window is made: may change its place, size and style
  // (a child frame's size, for example); false fails the creation.
  virtual bool PreCreateWindow(CREATESTRUCT& create);
  // Makes the frame (top-level, or a child with WS_CHILD) with a title, a
  // menu bar (an empty menu: none) and, from `context`, its view.
  bool Create(std::string_view title, DWORD style = WS_OVERLAPPEDWINDOW, const Rect& rect = kDefaultRect,
              Window* parent = nullptr, const Menu& menu = Menu(), CreateContext* context = nullptr);
  // Create with the title, menu and accelerators of `resources`.
  virtual bool LoadFrame(const FrameResources& resources, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         Window* parent = nullptr, CreateContext* context = nullptr);
  // Makes the view of `context` as the child AFX_IDW_PANE_FIRST and makes it
  // active; called while the frame is created. False fails the creation.
  virtual bool OnCreateClient(const CREATESTRUCT& create, CreateContext* context);
  // Makes a view window for the view object of `context` (its new_view) as
  // the child `id`; nullptr when it cannot be made.
  View* CreateView(CreateContext* context, UINT id = AFX_IDW_PANE_FIRST);

  // ---- Showing ----
  // Shows the frame (`cmd_show` -1: SW_SHOW, or the application's show
  // command for its main window) and makes it the active one.
  virtual void ActivateFrame(int cmd_show = -1);
  // After a document is ready: the views' OnInitialUpdate, then (with
  // `make_visible`) ActivateFrame.
  virtual void InitialUpdateFrame(Document* document, bool make_visible);

  // ---- Views and documents ----
  View* GetActiveView() const;
  // Makes `view` the active view (nullptr: none): OnActivateView of both,
  // and the focus to it when `notify`.
  void SetActiveView(View* view, bool notify = true);
  virtual Document* GetActiveDocument();
  // The frame whose view takes the commands: itself, or the active child of
  // a multiple-document frame.
  virtual FrameWnd* GetActiveFrame() { return this; }
  // The frame that contains this one (a child frame's multiple-document
  // frame), or nullptr.
  FrameWnd* GetParentFrame() const;
  // The document template that made the frame, or nullptr.
  DocTemplate* GetDocTemplate() const { return doc_template_; }

  // ---- Menus and accelerators ----
  // The frame's own menu bar; shown (with a menu bar at the top) unless it
  // is empty.
  void SetMenu(Menu menu);
  Menu* GetMenu();
  // The menu the bar shows now (a multiple-document frame: the active
  // child's, else its own).
  virtual Menu* GetDisplayedMenu();
  // Shows the changes of the menu bar now.
  void DrawMenuBar();
  MenuBar* GetMenuBar() const { return menu_bar_.get(); }
  void SetAccelerators(AcceleratorTable table) { accelerators_ = std::move(table); }
  const AcceleratorTable& GetAccelerators() const { return accelerators_; }

  // ---- Bars ----
  // Lines up the bars and places the view (or client) in the rest.
  virtual void RecalcLayout();
  // The rectangle the view (or the client) gets, in client coordinates.
  Rect GetViewRect() const;
  // The part of the client area that the bars and the view share (a child
  // frame keeps its caption out of it).
  virtual Rect LayoutArea() const;
  void ShowControlBar(ControlBar* bar, bool show);
  // The bar with this id (AFX_IDW_STATUS_BAR, AFX_IDW_TOOLBAR, ...), or nullptr.
  ControlBar* GetControlBar(UINT id) const;
  // The status bar, if the frame has one.
  StatusBar* GetMessageBar() const;
  // Pane 0 of the status bar.
  void SetMessageText(std::string_view text);

  // ---- Tool-bar customisation (see tool_bar_customization.h) ----
  // Lets a person customise the tool bars: `standard` are the frame's tool
  // bars, their buttons now their defaults; each bar gets the customise
  // button, which sends `customize_command` (the frame opens the dialog for
  // it). What the program's settings file TOOLBARS.<application name> holds
  // is restored at once; a right click on a bar shows the bars' menu.
  void EnableToolBarCustomization(const std::vector<ToolBar*>& standard, UINT customize_command,
                                  std::string_view customize_text);
  ToolBarCustomization* GetToolBarCustomization() const { return customization_.get(); }

  // ---- Title ----
  void SetTitle(std::string_view title) { title_ = std::string(title); }
  const std::string& GetTitle() const { return title_; }
  // Sets the caption: the title, with FWS_ADDTOTITLE and `add_to_title` the
  // active document's title before it ("Doc - Title").
  virtual void OnUpdateFrameTitle(bool add_to_title);

  // ---- Update handlers ----
  // Items without any handler are shown disabled (MFC's m_bAutoMenuEnable).
  bool auto_menu_enable = true;
  // Brings the bars up to date (what the idle update does).
  virtual void UpdateBars();

  // ---- Routing ----
  // The active view, then this frame, then the application object.
  bool OnCmdMsg(UINT id, int code, CmdUI* ui) override;
  // Accelerators, and a click that activates a view.
  bool PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Whether a command would be carried out now (its update handlers do not
  // disable it).
  bool IsCommandEnabled(UINT id);

  // Deleted when its window goes (frames made by a document template).
  bool auto_delete = false;

  // Shown, the frame maximises itself (the programs' main windows always fill the screen).
  void SetStayMaximised(bool on) { stay_maximised_ = on; }

 protected:
  void OnShowWindow(bool show, UINT status) override;
  int OnCreate(const CREATESTRUCT& create) override;
  void OnSize(UINT type, int cx, int cy) override;
  // Closing the main window ends the program's message loop (after the window goes).
  void OnClose() override;
  void OnDestroy() override;
  void PostNcDestroy() override;
  void OnSetFocus(Window* old) override;
  bool OnEraseBkgnd(Dc& dc) override;
  // A right click on a customisable tool bar: the bars' menu.
  void OnContextMenu(Window* window, Point point) override;
  // Commands without a control (menus, tool bars, accelerators, the ribbon)
  // and BN_CLICKED of controls: routed by OnCmdMsg unless disabled.
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  // A pop-up menu opens: its items are brought up to date through the update
  // handlers (enable, check, text).
  virtual void OnInitMenuPopup(Menu* popup, UINT index, bool system_menu);
  // The accelerators to try for a key, in order.
  virtual std::vector<const AcceleratorTable*> ActiveAccelerators();

 private:
  bool stay_maximised_ = false;
  bool maximising_ = false;  // inside its own ShowWindow(SW_SHOWMAXIMIZED)
  friend class ControlBar;
  friend class DocTemplate;
  void AddControlBar(ControlBar* bar);
  void RemoveControlBar(ControlBar* bar);
  void EnsureMenuBar();

  std::string title_;
  Menu menu_;
  AcceleratorTable accelerators_;
  std::unique_ptr<MenuBar> menu_bar_;
  std::vector<ControlBar*> bars_;
  HWND active_view_ = nullptr;
  CreateContext* creating_ = nullptr;  // the context while the frame is created
  DocTemplate* doc_template_ = nullptr;
  std::unique_ptr<ToolBarCustomization> customization_;
};

}  // namespace plat
