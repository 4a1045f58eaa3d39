#pragma once
// The ribbon of a frame (MFC's CMFCRibbonBar): categories (tabs) of panels of
// elements, an application button with its menu, and a quick-access tool
// bar, all sending their commands to the frame by id and taking their states
// from the frame's update handlers.
//
//   ribbon_.Create(this);
//   plat::Menu main = plat::Menu::Popup();
//   main.AppendMenu(plat::MF_STRING, plat::ID_FILE_NEW, "&Neu");
//   main.AppendMenu(plat::MF_POPUP, std::move(styles), "Style");   // items 215..219
//   ribbon_.SetApplicationButton("File", std::move(main));
//   plat::RibbonCategory* start = ribbon_.AddCategory("Start");
//   plat::RibbonPanel* position = start->AddPanel("Position");
//   position->AddButton(plat::ID_FILE_NEW, "New");
//   position->AddComboBox(32780, "Pos", true, 120);
//   ribbon_.SetQuickAccessCommands({plat::ID_FILE_NEW, plat::ID_FILE_OPEN});
//   ribbon_.SetActiveCategory(0);
//
// The combo boxes and edits are the platform's own controls (ComboBox,
// Edit): what is typed into them passes the frame's PreTranslateMessage like
// any key of the program.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/frames/command_ids.h"
#include "platform/frames/control_bar.h"
#include "platform/frames/menu.h"
#include "platform/ribbon/ribbon_elements.h"

class QStackedWidget;
class QTabBar;
class QToolButton;
class QHBoxLayout;

namespace plat {

class RibbonBar : public ControlBar {
 public:
  RibbonBar();
  ~RibbonBar() override;

  bool Create(FrameWnd* frame, UINT id = AFX_IDW_RIBBON_BAR);

  // ---- The application button ----
  // The button's text and its menu (a pop-up; pop-ups in it open beside it).
  void SetApplicationButton(std::string_view text, Menu menu);
  Menu* GetApplicationMenu() { return &app_menu_; }
  // The widget of the application button (platform/ and tests only).
  QToolButton* application_button() const { return app_button_; }

  // ---- Categories ----
  RibbonCategory* AddCategory(std::string_view name);
  int GetCategoryCount() const { return static_cast<int>(categories_.size()); }
  RibbonCategory* GetCategory(int index) const;
  int GetCategoryIndex(const RibbonCategory* category) const;
  // Shows a category; false when there is none of that index.
  bool SetActiveCategory(int index);
  bool SetActiveCategory(RibbonCategory* category) { return SetActiveCategory(GetCategoryIndex(category)); }
  RibbonCategory* GetActiveCategory() const;
  int GetActiveCategoryIndex() const;

  // ---- Quick-access tool bar ----
  // Buttons for these commands beside the application button, with the
  // texts and images of the ribbon's elements (or menu items) of those ids.
  void SetQuickAccessCommands(std::vector<UINT> ids);
  const std::vector<UINT>& GetQuickAccessCommands() const { return quick_ids_; }
  // The widget of a quick-access button (platform/ and tests only), or nullptr.
  QToolButton* quick_access_button(int index) const;

  // ---- Elements ----
  // The first element with the id (categories in order), or nullptr.
  RibbonElement* FindByID(UINT id) const;
  std::vector<RibbonElement*> GetElements() const;

  void UpdateCmdUI(CommandTarget& target, bool disable_if_no_handler) override;
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  // Combo boxes report a chosen item (CBN_SELENDOK).
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  // The elements go with the window.
  void OnDestroy() override;

 private:
  friend class RibbonPanel;
  friend class RibbonElement;
  friend class RibbonButton;
  void SendCommand(UINT id) { PostCommand(id); }
  QWidget* content_widget() const { return content(); }
  void RebuildQuickAccess();

  Menu app_menu_;
  QToolButton* app_button_ = nullptr;
  QHBoxLayout* quick_row_ = nullptr;
  std::vector<QToolButton*> quick_buttons_;
  std::vector<UINT> quick_ids_;
  QTabBar* tabs_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  std::vector<std::unique_ptr<RibbonCategory>> categories_;
};

}  // namespace plat
