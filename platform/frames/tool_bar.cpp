#include "platform/frames/tool_bar.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QToolBar>

#include "platform/dc/qt_bitmap.h"
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
  if (!CreateBar(frame, id, bar, false, "Standard")) return false;
  bar_ = bar;
  Rebuild();
  return true;
}

LRESULT ToolBar::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = ControlBar::DefWindowProc(message, wParam, lParam);
  if (message == WM_SETTEXT && bar_) bar_->setWindowTitle(detail::QtText(GetWindowText()));
  return result;
}

void ToolBar::SetButtons(std::vector<ToolButton> buttons) {
  buttons_.clear();
  for (ToolButton& b : buttons) buttons_.push_back(Button{std::move(b), 0, nullptr});
  Rebuild();
}

void ToolBar::EnableCustomizeButton(bool enable, UINT command, std::string_view text) {
  customize_command_ = enable ? command : 0;
  customize_text_ = enable ? std::string(text) : std::string();
  Rebuild();
}

void ToolBar::Rebuild() {
  if (!bar_) return;
  bar_->clear();
  for (Button& b : buttons_) {
    b.action = nullptr;
    if (b.info.id == 0) {
      bar_->addSeparator();
      continue;
    }
    auto* action = new QAction(detail::QtText(b.info.text), bar_);
    if (!b.info.image.IsEmpty()) action->setIcon(QIcon(QPixmap::fromImage(QtImage(b.info.image))));
    action->setCheckable(true);
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
  if (customize_command_) {
    bar_->addSeparator();
    auto* action = bar_->addAction(detail::QtText(customize_text_));
    const UINT id = customize_command_;
    QObject::connect(action, &QAction::triggered, action, [this, id] { PostCommand(id); });
  }
  if (GetFrame()) GetFrame()->RecalcLayout();
}

void ToolBar::Show(Button& b) {
  if (!b.action) return;
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
  if (b.info.id == 0) return TBBS_SEPARATOR;
  UINT style = TBBS_BUTTON;
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


}  // namespace plat
