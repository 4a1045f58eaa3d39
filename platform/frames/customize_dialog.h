#pragma once
// "Customize": the tool-bar customisation dialog (MFC's
// CMFCToolBarsCustomizeDialog with user-defined tool bars). Every change
// shows on the frame at once; Close (or Escape) ends the dialog.
//
//   Tool bars:  the bars; "Show tool bar", "Dock at" (top, bottom, left,
//               right, floating); New..., Rename... and Delete of a person's
//               bars (at most ten); Reset of a standard bar to the program's
//               buttons.
//   Buttons:    the buttons of the bar chosen, hidden ones marked; "Button
//               shown", Move up, Move down, Remove.
//   Commands:   the frame's commands by menu ("All commands" first) and
//               text; Add to tool bar (or a double click) puts the command
//               after the button chosen, or shows it where the bar has it.
#include <vector>

#include "platform/controls/combo_box.h"
#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog.h"
#include "platform/frames/command_catalogue.h"
#include "platform/frames/control_bar.h"

namespace plat {

class ToolBar;
class ToolBarCustomization;

class ToolBarsCustomizeDialog : public Dialog {
 public:
  static constexpr UINT kBarList = 1001;
  static constexpr UINT kBarShown = 1002;
  static constexpr UINT kBarSide = 1003;
  static constexpr UINT kNewBar = 1004;
  static constexpr UINT kRenameBar = 1005;
  static constexpr UINT kDeleteBar = 1006;
  static constexpr UINT kResetBar = 1007;
  static constexpr UINT kButtonList = 1010;
  static constexpr UINT kButtonShown = 1011;
  static constexpr UINT kMoveUp = 1012;
  static constexpr UINT kMoveDown = 1013;
  static constexpr UINT kRemoveButton = 1014;
  static constexpr UINT kCategory = 1020;
  static constexpr UINT kCommandList = 1021;
  static constexpr UINT kAddCommand = 1022;

  // The lines of "Dock at", in order.
  static constexpr DockSide kSides[] = {DockSide::kTop, DockSide::kBottom, DockSide::kLeft, DockSide::kRight,
                                        DockSide::kFloating};

  explicit ToolBarsCustomizeDialog(ToolBarCustomization& customization);

 protected:
  void BuildLayout(DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  ToolBar* SelectedBar() const;
  int SelectedButton() const;
  // The lists again, with a line chosen.
  void FillBars(int select);
  void FillButtons(int select);
  void FillCommands();
  // The controls of the bar and of the button chosen.
  void ShowBar();
  void ShowButton();

  void OnBarShown();
  void OnBarSide();
  void OnNewBar();
  void OnRenameBar();
  void OnDeleteBar();
  void OnResetBar();
  void OnButtonShown();
  void OnMoveButton(int by);
  void OnRemoveButton();
  void OnAddCommand();

  ToolBarCustomization& customization_;
  std::vector<CommandCategory> categories_;
  std::vector<CatalogueCommand> shown_commands_;
  ListBox bar_list_;
  ComboBox side_combo_;
  ListBox button_list_;
  ComboBox category_combo_;
  ListBox command_list_;
};

}  // namespace plat
