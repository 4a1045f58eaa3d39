#include "platform/frames/tool_bar.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QToolBar>
#include <QVariant>

#include "platform/dc/qt_bitmap.h"
#include "platform/frames/floating_bar.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/qt_menus.h"

namespace plat {

ToolBar::ToolBar() = default;
ToolBar::~ToolBar() { DestroyWindow(); }

bool ToolBar::Create(FrameWnd* frame, UINT id) {
  auto* bar = new QToolBar;
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->setContextMenuPolicy(Qt::CustomContextMenu);
  if (!CreateBar(frame, id, bar, DockSide::kTop, "Standard")) return false;
  bar_ = bar;
  const HWND self = GetSafeHwnd();
  QObject::connect(bar, &QWidget::customContextMenuRequested, bar, [bar, self](const QPoint& at) {
    // As the right button's release raises it on Windows; the bar's default handling asks the frame.
    const QPoint screen = bar->mapToGlobal(at);
    plat::SendMessage(self, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(self), MAKELPARAM(screen.x(), screen.y()));
  });
  Rebuild();
  return true;
}

LRESULT ToolBar::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = ControlBar::DefWindowProc(message, wParam, lParam);
  if (message == WM_SETTEXT && bar_) {
    bar_->setWindowTitle(detail::QtText(GetWindowText()));
    if (floating_ && floating_->GetSafeHwnd()) floating_->SetWindowText(GetWindowText());
  }
  return result;
}

void ToolBar::SetButtons(std::vector<ToolButton> buttons) {
  buttons_.clear();
  for (ToolButton& b : buttons) buttons_.push_back(Button{std::move(b), 0, nullptr});
  Rebuild();
}

std::vector<ToolButton> ToolBar::GetButtons() const {
  std::vector<ToolButton> buttons;
  for (const Button& b : buttons_) buttons.push_back(b.info);
  return buttons;
}

void ToolBar::EnableCustomizeButton(bool enable, UINT command, std::string_view text) {
  customize_command_ = enable ? command : 0;
  customize_text_ = enable ? std::string(text) : std::string();
  if (!bar_) return;
  // Only the last button changes: the others stay as they are.
  for (QAction*& action : customize_actions_) {
    if (!action) continue;
    bar_->removeAction(action);
    action->deleteLater();
    action = nullptr;
  }
  AddCustomizeButton();
  Relayout();
}

void ToolBar::AddCustomizeButton() {
  if (!customize_command_) return;
  if (!buttons_.empty()) customize_actions_[0] = bar_->addSeparator();
  auto* action = bar_->addAction(detail::QtText(customize_text_));
  action->setIconText(action->text());
  const UINT id = customize_command_;
  action->setData(QVariant(id));
  QObject::connect(action, &QAction::triggered, action, [this, id] { PostCommand(id); });
  customize_actions_[1] = action;
}

void ToolBar::Relayout() {
  if (floating_) floating_->Fit();
  if (GetFrame()) GetFrame()->RecalcLayout();
}

void ToolBar::Rebuild() {
  if (!bar_) return;
  // The bar owns the actions it made: they go with the buttons they were.
  for (QAction* action : bar_->actions()) {
    bar_->removeAction(action);
    if (action->parent() == bar_) action->deleteLater();
  }
  customize_actions_[0] = customize_actions_[1] = nullptr;
  for (Button& b : buttons_) {
    b.action = nullptr;
    if (b.info.id == 0) {
      b.action = bar_->addSeparator();
      b.action->setVisible(!b.info.hidden);
      continue;
    }
    auto* action = new QAction(detail::QtText(b.info.text), bar_);
    action->setIconText(action->text());  // the face shows the text whole ("Open...", not "Open")
    if (!b.info.image.IsEmpty()) action->setIcon(QIcon(QPixmap::fromImage(QtImage(b.info.image))));
    action->setCheckable(true);
    action->setData(QVariant(b.info.id));
    action->setVisible(!b.info.hidden);
    const UINT id = b.info.id;
    QObject::connect(action, &QAction::triggered, action, [this, id, action] {
      // The state is the update handlers' to set, not the click's.
      const int index = CommandToIndex(id);
      if (index >= 0) action->setChecked((buttons_[static_cast<std::size_t>(index)].state & TBBS_CHECKED) != 0);
      ReturnKeyboard();  // before the command, which may open a window of its own
      PostCommand(id);
    });
    bar_->addAction(action);
    b.action = action;
    Show(b);
  }
  AddCustomizeButton();
  Relayout();
}

void ToolBar::Show(Button& b) {
  if (!b.action || b.info.id == 0) return;
  const bool checked = (b.state & TBBS_CHECKED) != 0;
  const bool enabled = (b.state & TBBS_DISABLED) == 0;
  if (b.action->isChecked() != checked) b.action->setChecked(checked);
  if (b.action->isEnabled() != enabled) b.action->setEnabled(enabled);
}

UINT ToolBar::GetItemID(int index) const {
  if (index < 0 || index >= GetCount()) return 0;
  return buttons_[static_cast<std::size_t>(index)].info.id;
}

int ToolBar::CommandToIndex(UINT id) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (id != 0 && buttons_[static_cast<std::size_t>(i)].info.id == id) return i;
  }
  return -1;
}

std::string ToolBar::GetButtonText(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return buttons_[static_cast<std::size_t>(index)].info.text;
}

UINT ToolBar::GetButtonStyle(int index) const {
  if (index < 0 || index >= GetCount()) return 0;
  const Button& b = buttons_[static_cast<std::size_t>(index)];
  UINT style = b.info.id == 0 ? TBBS_SEPARATOR : TBBS_BUTTON;
  if (b.info.hidden) style |= TBBS_HIDDEN;
  if (b.info.id == 0) return style;
  if (b.action && b.action->isChecked()) style |= TBBS_CHECKED;
  if (b.action && !b.action->isEnabled()) style |= TBBS_DISABLED;
  return style;
}

void ToolBar::SetButtonStyle(int index, UINT style) {
  if (index < 0 || index >= GetCount()) return;
  Button& b = buttons_[static_cast<std::size_t>(index)];
  b.state = style & (TBBS_CHECKED | TBBS_DISABLED);
  Show(b);
}

void ToolBar::UpdateCmdUI(CommandTarget& target, bool disable_if_no_handler) {
  const int count = GetCount();
  for (int i = 0; i < count && i < GetCount(); ++i) {
    Button& b = buttons_[static_cast<std::size_t>(i)];
    if (b.info.id == 0) continue;
    CmdUI ui(b.info.id, i, count);
    CommandTarget::DoUpdate(target, ui, disable_if_no_handler);
    if (i >= GetCount()) break;  // a handler changed the buttons
    Button& now = buttons_[static_cast<std::size_t>(i)];
    if (ui.enabled()) now.state = *ui.enabled() ? (now.state & ~TBBS_DISABLED) : (now.state | TBBS_DISABLED);
    if (ui.check()) now.state = *ui.check() ? (now.state | TBBS_CHECKED) : (now.state & ~TBBS_CHECKED);
    Show(now);
  }
}

// ---- Docking ----

void ToolBar::DockAt(DockSide side) {
  if (!bar_) return;
  const DockSide was = GetDockSide();
  if (side == was) return;
  if (side == DockSide::kFloating) {
    shown_ = IsBarVisible();
    SetDockSide(side);
    ShowWindow(SW_HIDE);
    bar_->setOrientation(Qt::Horizontal);
    ShowFloating();
  } else {
    if (was == DockSide::kFloating) CloseFloating();
    SetDockSide(side);
    // Back from floating: shown as it was before it floated.
    if (was == DockSide::kFloating) ShowWindow(shown_ ? SW_SHOW : SW_HIDE);
    const bool column = side == DockSide::kLeft || side == DockSide::kRight;
    bar_->setOrientation(column ? Qt::Vertical : Qt::Horizontal);
  }
  if (GetFrame()) GetFrame()->RecalcLayout();
}

Point ToolBar::GetFloatingPlace() const {
  if (floating_ && floating_->GetSafeHwnd()) return floating_->Place();
  return float_place_;
}

void ToolBar::SetFloatingPlace(Point place) {
  float_place_ = place;
  if (floating_ && floating_->GetSafeHwnd()) {
    floating_->MoveWindow(place.x, place.y, 0, 0);
    floating_->Fit();
  }
}

bool ToolBar::IsBarVisible() {
  if (GetDockSide() == DockSide::kFloating) return shown_;
  return ControlBar::IsBarVisible();
}

void ToolBar::ShowBar(bool show) {
  if (GetDockSide() != DockSide::kFloating) {
    ControlBar::ShowBar(show);
    return;
  }
  shown_ = show;
  ShowFloating();
}

void ToolBar::FrameShown(bool) {
  if (GetDockSide() == DockSide::kFloating) ShowFloating();
}

void ToolBar::ContentResized() {
  if (GetDockSide() == DockSide::kFloating && floating_) {
    floating_->Fit();
    return;
  }
  ControlBar::ContentResized();
}

void ToolBar::ShowFloating() {
  FrameWnd* frame = GetFrame();
  if (!frame) return;
  const bool visible = shown_ && frame->IsWindowVisible();
  if (floating_ && floating_->GetSafeHwnd()) {
    if (floating_->IsWindowVisible() != visible) floating_->ShowWindow(visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    return;
  }
  floating_ = std::make_unique<FloatingBar>(*this);
  if (!floating_->Create(frame, float_place_, GetWindowText(), false)) {
    floating_.reset();
    return;
  }
  HostContent(floating_.get());
  floating_->Fit();
  if (visible) floating_->ShowWindow(SW_SHOWNOACTIVATE);
}

void ToolBar::CloseFloating() {
  if (!floating_) return;
  if (floating_->GetSafeHwnd()) {
    float_place_ = floating_->Place();
    HostContent(nullptr);
    floating_->DestroyWindow();
  }
  floating_.reset();
}

void ToolBar::FloatingGone(Point place) {
  float_place_ = place;
  HostContent(nullptr);
}

void ToolBar::OnDestroy() {
  CloseFloating();
  ControlBar::OnDestroy();
}

}  // namespace plat
