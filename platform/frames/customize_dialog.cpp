#include "platform/frames/customize_dialog.h"

#include <algorithm>
#include <string>

#include "platform/dialogs/dialog_layout.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/tool_bar.h"
#include "platform/frames/tool_bar_customization.h"
#include "platform/frames/tool_bar_name_dialog.h"
#include "platform/frames/tool_bar_setup.h"
#include "platform/message_box.h"

namespace plat {

namespace {

constexpr const char* kCaption = "Customize";
constexpr const char* kSideTexts[] = {"Top", "Bottom", "Left", "Right", "Floating"};
constexpr const char* kSeparatorText = "----------";

std::string ButtonLine(const ToolButton& button) {
  const std::string text = button.id == 0 ? kSeparatorText : button.text;
  return button.hidden ? text + "  (hidden)" : text;
}

}  // namespace

ToolBarsCustomizeDialog::ToolBarsCustomizeDialog(ToolBarCustomization& customization)
    : Dialog(customization.customize_command(), kCaption, &customization.frame()), customization_(customization) {}

void ToolBarsCustomizeDialog::BuildLayout(DialogLayout& layout) {
  constexpr DWORD kList = LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP;
  auto row = layout.Row();
  auto bars = row.Group("&Tool bars");
  bars.List(kBarList, kList, 24, 12, &bar_list_);
  bars.CheckBox("&Show tool bar", kBarShown);
  bars.Form().Field("Doc&k at:").Combo(kBarSide, CBS_DROPDOWNLIST | WS_TABSTOP, 12, 5, &side_combo_);
  auto bar_buttons = bars.Row();
  bar_buttons.PushButton("&New...", kNewBar);
  bar_buttons.PushButton("&Rename...", kRenameBar);
  auto more_bar_buttons = bars.Row();
  more_bar_buttons.PushButton("&Delete", kDeleteBar);
  more_bar_buttons.PushButton("R&eset", kResetBar);

  auto buttons = row.Group("&Buttons");
  buttons.List(kButtonList, kList, 24, 12, &button_list_);
  buttons.CheckBox("Button s&hown", kButtonShown);
  auto move = buttons.Row();
  move.PushButton("Move &up", kMoveUp);
  move.PushButton("Move do&wn", kMoveDown);
  buttons.PushButton("Remo&ve", kRemoveButton);

  auto commands = row.Group("&Commands");
  commands.Form().Field("&Menu:").Combo(kCategory, CBS_DROPDOWNLIST | WS_TABSTOP, 20, 12, &category_combo_);
  commands.List(kCommandList, kList, 28, 12, &command_list_);
  commands.PushButton("&Add to tool bar", kAddCommand);

  auto end = layout.Row();
  end.Stretch();
  end.DefPushButton("Close", IDOK);
}

bool ToolBarsCustomizeDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  for (const char* side : kSideTexts) side_combo_.AddString(side);
  categories_ = customization_.Categories();
  category_combo_.AddString("All commands");
  for (const CommandCategory& category : categories_) category_combo_.AddString(category.name);
  category_combo_.SetCurSel(0);
  FillCommands();
  FillBars(0);
  return true;
}

ToolBar* ToolBarsCustomizeDialog::SelectedBar() const {
  const std::vector<ToolBar*> bars = customization_.Bars();
  const int k = bar_list_.GetCurSel();
  return k >= 0 && k < static_cast<int>(bars.size()) ? bars[static_cast<std::size_t>(k)] : nullptr;
}

int ToolBarsCustomizeDialog::SelectedButton() const {
  const ToolBar* bar = SelectedBar();
  const int k = button_list_.GetCurSel();
  return bar && k >= 0 && k < bar->GetCount() ? k : -1;
}

void ToolBarsCustomizeDialog::FillBars(int select) {
  bar_list_.ResetContent();
  for (ToolBar* bar : customization_.Bars()) bar_list_.AddString(bar->GetWindowText());
  bar_list_.SetCurSel(std::clamp(select, 0, std::max(0, bar_list_.GetCount() - 1)));
  ShowBar();
}

void ToolBarsCustomizeDialog::ShowBar() {
  ToolBar* bar = SelectedBar();
  const bool standard = bar && customization_.IsStandard(*bar);
  CheckDlgButton(kBarShown, bar && bar->IsBarVisible() ? 1 : 0);
  const DockSide side = bar ? bar->GetDockSide() : DockSide::kTop;
  const auto at = std::find(std::begin(kSides), std::end(kSides), side);
  side_combo_.SetCurSel(static_cast<int>(at - std::begin(kSides)));
  GetDlgItem(kBarShown)->EnableWindow(bar != nullptr);
  GetDlgItem(kBarSide)->EnableWindow(bar != nullptr);
  GetDlgItem(kNewBar)->EnableWindow(customization_.UserBarCount() < kMaxUserToolBars);
  GetDlgItem(kRenameBar)->EnableWindow(bar && !standard);
  GetDlgItem(kDeleteBar)->EnableWindow(bar && !standard);
  GetDlgItem(kResetBar)->EnableWindow(standard);
  GetDlgItem(kAddCommand)->EnableWindow(bar != nullptr);
  FillButtons(0);
}

void ToolBarsCustomizeDialog::FillButtons(int select) {
  button_list_.ResetContent();
  if (ToolBar* bar = SelectedBar()) {
    for (const ToolButton& button : bar->GetButtons()) button_list_.AddString(ButtonLine(button));
  }
  if (button_list_.GetCount() > 0) button_list_.SetCurSel(std::clamp(select, 0, button_list_.GetCount() - 1));
  ShowButton();
}

void ToolBarsCustomizeDialog::ShowButton() {
  const ToolBar* bar = SelectedBar();
  const int k = SelectedButton();
  const bool chosen = k >= 0;
  CheckDlgButton(kButtonShown, chosen && !(bar->GetButtonStyle(k) & TBBS_HIDDEN) ? 1 : 0);
  GetDlgItem(kButtonShown)->EnableWindow(chosen);
  GetDlgItem(kMoveUp)->EnableWindow(chosen && k > 0);
  GetDlgItem(kMoveDown)->EnableWindow(chosen && k + 1 < bar->GetCount());
  GetDlgItem(kRemoveButton)->EnableWindow(chosen);
}

void ToolBarsCustomizeDialog::FillCommands() {
  const int k = category_combo_.GetCurSel();
  shown_commands_ = k > 0 && k <= static_cast<int>(categories_.size())
                        ? categories_[static_cast<std::size_t>(k - 1)].commands
                        : AllCommands(categories_);
  command_list_.ResetContent();
  for (const CatalogueCommand& command : shown_commands_) {
    command_list_.AddString(command.where.empty() ? command.text : command.text + " (" + command.where + ")");
  }
  if (!shown_commands_.empty()) command_list_.SetCurSel(0);
}

bool ToolBarsCustomizeDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  switch (id) {
    case kBarList:
      if (code == LBN_SELCHANGE) ShowBar();
      return true;
    case kButtonList:
      if (code == LBN_SELCHANGE) ShowButton();
      return true;
    case kCategory:
      if (code == CBN_SELCHANGE) FillCommands();
      return true;
    case kBarSide:
      if (code == CBN_SELCHANGE) OnBarSide();
      return true;
    case kCommandList:
      if (code == LBN_DBLCLK) OnAddCommand();
      return true;
    default: break;
  }
  if (code != BN_CLICKED) return Dialog::OnCommand(wParam, lParam);
  switch (id) {
    case kBarShown: OnBarShown(); return true;
    case kNewBar: OnNewBar(); return true;
    case kRenameBar: OnRenameBar(); return true;
    case kDeleteBar: OnDeleteBar(); return true;
    case kResetBar: OnResetBar(); return true;
    case kButtonShown: OnButtonShown(); return true;
    case kMoveUp: OnMoveButton(-1); return true;
    case kMoveDown: OnMoveButton(1); return true;
    case kRemoveButton: OnRemoveButton(); return true;
    case kAddCommand: OnAddCommand(); return true;
    default: return Dialog::OnCommand(wParam, lParam);
  }
}

void ToolBarsCustomizeDialog::OnBarShown() {
  if (ToolBar* bar = SelectedBar()) customization_.frame().ShowControlBar(bar, IsDlgButtonChecked(kBarShown) != 0);
}

void ToolBarsCustomizeDialog::OnBarSide() {
  ToolBar* bar = SelectedBar();
  const int k = side_combo_.GetCurSel();
  if (!bar || k < 0 || k >= static_cast<int>(std::size(kSides))) return;
  DockSide side = kSides[k];
  if (side == DockSide::kFloating && bar->GetDockSide() != DockSide::kFloating) {
    // It floats over the frame's top left part, clear of its bars, where a person sees it.
    Rect view = customization_.frame().GetViewRect();
    customization_.frame().ClientToScreen(&view);
    bar->SetFloatingPlace(Point{view.left + 40, view.top + 40});
  }
  bar->DockAt(side);
}

void ToolBarsCustomizeDialog::OnNewBar() {
  if (customization_.UserBarCount() >= kMaxUserToolBars) return;
  std::string name;
  for (int n = 1; name.empty() || customization_.NameTaken(name); ++n) name = "Custom " + std::to_string(n);
  ToolBarNameDialog ask("New Tool Bar", name, [this](std::string_view n) { return customization_.NameTaken(n); },
                        this);
  if (ask.DoModal() != IDOK) return;
  if (customization_.AddUserBar(ask.name()) == nullptr) return;
  FillBars(static_cast<int>(customization_.Bars().size()) - 1);
}

void ToolBarsCustomizeDialog::OnRenameBar() {
  ToolBar* bar = SelectedBar();
  if (!bar || customization_.IsStandard(*bar)) return;
  ToolBarNameDialog ask("Rename Tool Bar", bar->GetWindowText(),
                        [this, bar](std::string_view n) { return customization_.NameTaken(n, bar); }, this);
  if (ask.DoModal() != IDOK) return;
  bar->SetWindowText(ask.name());
  FillBars(bar_list_.GetCurSel());
}

void ToolBarsCustomizeDialog::OnDeleteBar() {
  ToolBar* bar = SelectedBar();
  if (!bar || customization_.IsStandard(*bar)) return;
  const std::string question = "Delete the tool bar \"" + bar->GetWindowText() + "\"?";
  if (MessageBox(question, kCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  const int k = bar_list_.GetCurSel();
  customization_.DeleteUserBar(*bar);
  FillBars(k - 1);
}

void ToolBarsCustomizeDialog::OnResetBar() {
  ToolBar* bar = SelectedBar();
  if (!bar || !customization_.IsStandard(*bar)) return;
  const std::string question = "Give the tool bar \"" + bar->GetWindowText() + "\" the program's buttons again?";
  if (MessageBox(question, kCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  customization_.ResetBar(*bar);
  FillButtons(0);
}

void ToolBarsCustomizeDialog::OnButtonShown() {
  ToolBar* bar = SelectedBar();
  const int k = SelectedButton();
  if (!bar || k < 0) return;
  std::vector<ToolButton> buttons = bar->GetButtons();
  buttons[static_cast<std::size_t>(k)].hidden = IsDlgButtonChecked(kButtonShown) == 0;
  bar->SetButtons(std::move(buttons));
  FillButtons(k);
}

void ToolBarsCustomizeDialog::OnMoveButton(int by) {
  ToolBar* bar = SelectedBar();
  const int k = SelectedButton();
  const int to = k + by;
  if (!bar || k < 0 || to < 0 || to >= bar->GetCount()) return;
  std::vector<ToolButton> buttons = bar->GetButtons();
  std::swap(buttons[static_cast<std::size_t>(k)], buttons[static_cast<std::size_t>(to)]);
  bar->SetButtons(std::move(buttons));
  FillButtons(to);
}

void ToolBarsCustomizeDialog::OnRemoveButton() {
  ToolBar* bar = SelectedBar();
  const int k = SelectedButton();
  if (!bar || k < 0) return;
  std::vector<ToolButton> buttons = bar->GetButtons();
  buttons.erase(buttons.begin() + k);
  bar->SetButtons(std::move(buttons));
  FillButtons(k);
}

void ToolBarsCustomizeDialog::OnAddCommand() {
  ToolBar* bar = SelectedBar();
  const int c = command_list_.GetCurSel();
  if (!bar || c < 0 || c >= static_cast<int>(shown_commands_.size())) return;
  const CatalogueCommand& command = shown_commands_[static_cast<std::size_t>(c)];
  std::vector<ToolButton> buttons = bar->GetButtons();
  // A command is on a bar once: the button there is shown and chosen.
  if (const int there = bar->CommandToIndex(command.id); there >= 0) {
    buttons[static_cast<std::size_t>(there)].hidden = false;
    bar->SetButtons(std::move(buttons));
    FillButtons(there);
    return;
  }
  if (buttons.size() >= kMaxToolBarButtons) {
    MessageBox("A tool bar has at most 100 buttons.", kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const int at = SelectedButton() + 1;  // after the chosen button, or first in an empty bar
  buttons.insert(buttons.begin() + at, customization_.ButtonFor(command.id, command.text));
  bar->SetButtons(std::move(buttons));
  FillButtons(at);
}

}  // namespace plat
