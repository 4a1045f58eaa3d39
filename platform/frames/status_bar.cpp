#include "platform/frames/status_bar.h"

#include <functional>
#include <utility>

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QLabel>
#include <QWidget>

#include "platform/frames/frame_wnd.h"
#include "platform/frames/qt_menus.h"

namespace plat {

namespace {
constexpr int kDefaultPaneWidth = 100;

// A pane that tells its bar of a click with the left button.
class PaneLabel : public QLabel {
 public:
  PaneLabel(QWidget* parent, std::function<void()> clicked) : QLabel(parent), clicked_(std::move(clicked)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) clicked_();
    QLabel::mousePressEvent(event);
  }

 private:
  std::function<void()> clicked_;
};
}  // namespace

StatusBar::StatusBar() = default;
StatusBar::~StatusBar() { DestroyWindow(); }

bool StatusBar::Create(FrameWnd* frame, UINT id) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  if (!CreateBar(frame, id, row, DockSide::kBottom, "Status Bar")) return false;
  row_ = row;
  layout_ = layout;
  const UINT one_pane[] = {ID_SEPARATOR};
  SetIndicators(one_pane);
  return true;
}

bool StatusBar::SetIndicators(std::span<const UINT> ids) {
  panes_.clear();
  for (std::size_t i = 0; i < ids.size(); ++i) {
    Pane p;
    p.id = ids[i];
    if (i == 0 && ids[i] == ID_SEPARATOR) {
      p.style = SBPS_STRETCH | SBPS_NOBORDERS;
      p.width = 0;
    } else {
      p.width = kDefaultPaneWidth;
    }
    panes_.push_back(std::move(p));
  }
  Rebuild();
  return true;
}

void StatusBar::Rebuild() {
  if (!layout_) return;
  while (QLayoutItem* item = layout_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (std::size_t i = 0; i < panes_.size(); ++i) {
    Pane& p = panes_[i];
    auto* label = new PaneLabel(row_, [this, i] { ClickPane(static_cast<int>(i)); });
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle((p.style & SBPS_NOBORDERS) ? QFrame::NoFrame : (QFrame::Panel | QFrame::Sunken));
    label->setMinimumWidth(0);
    const bool stretch = (p.style & SBPS_STRETCH) != 0;
    label->setSizePolicy(stretch ? QSizePolicy::Ignored : QSizePolicy::Fixed, QSizePolicy::Preferred);
    if (!stretch) label->setFixedWidth(p.width);
    layout_->addWidget(label, stretch ? 1 : 0);
    p.label = label;
    Show(p);
  }
}

void StatusBar::Show(Pane& p) {
  if (!p.label) return;
  const QString text = (p.style & SBPS_DISABLED) ? QString() : detail::QtText(p.text);
  if (p.label->text() != text) p.label->setText(text);
}

UINT StatusBar::GetItemID(int index) const {
  if (index < 0 || index >= GetCount()) return 0;
  return panes_[static_cast<std::size_t>(index)].id;
}

int StatusBar::CommandToIndex(UINT id) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (panes_[static_cast<std::size_t>(i)].id == id) return i;
  }
  return -1;
}

bool StatusBar::SetPaneText(int index, std::string_view text, bool update) {
  if (index < 0 || index >= GetCount()) return false;
  Pane& p = panes_[static_cast<std::size_t>(index)];
  p.text = std::string(text);
  Show(p);
  if (update && p.label) p.label->repaint();  // at once, not at the next paint
  return true;
}

void StatusBar::SetPaneCommand(int index, UINT command) {
  if (index < 0 || index >= GetCount()) return;
  panes_[static_cast<std::size_t>(index)].command = command;
}

void StatusBar::ClickPane(int index) {
  if (index < 0 || index >= GetCount()) return;
  if (const UINT command = panes_[static_cast<std::size_t>(index)].command) PostCommand(command);
}

std::string StatusBar::GetPaneText(int index) const {
  if (index < 0 || index >= GetCount()) return {};
  return panes_[static_cast<std::size_t>(index)].text;
}

void StatusBar::SetPaneWidth(int index, int cx) {
  if (index < 0 || index >= GetCount()) return;
  Pane& p = panes_[static_cast<std::size_t>(index)];
  p.width = std::max(0, cx);
  if (p.label && !(p.style & SBPS_STRETCH)) p.label->setFixedWidth(p.width);
}

int StatusBar::GetPaneWidth(int index) const {
  if (index < 0 || index >= GetCount()) return 0;
  const Pane& p = panes_[static_cast<std::size_t>(index)];
  return p.label ? p.label->width() : p.width;
}

void StatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
  id = GetItemID(index);
  style = GetPaneStyle(index);
  width = index >= 0 && index < GetCount() ? panes_[static_cast<std::size_t>(index)].width : 0;
}

void StatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
  if (index < 0 || index >= GetCount()) return;
  Pane& p = panes_[static_cast<std::size_t>(index)];
  p.id = id;
  p.style = style;
  p.width = std::max(0, width);
  Rebuild();
}

UINT StatusBar::GetPaneStyle(int index) const {
  if (index < 0 || index >= GetCount()) return 0;
  return panes_[static_cast<std::size_t>(index)].style;
}

void StatusBar::SetPaneStyle(int index, UINT style) {
  if (index < 0 || index >= GetCount()) return;
  const int width = panes_[static_cast<std::size_t>(index)].width;
  SetPaneInfo(index, GetItemID(index), style, width);
}

void StatusBar::UpdateCmdUI(CommandTarget& target, bool) {
  for (int i = 0; i < GetCount(); ++i) {
    Pane& p = panes_[static_cast<std::size_t>(i)];
    if (p.id == ID_SEPARATOR) continue;
    CmdUI ui(p.id, i, GetCount());
    if (!target.OnCmdMsg(p.id, CN_UPDATE_COMMAND_UI, &ui)) continue;
    if (i >= GetCount()) break;
    Pane& now = panes_[static_cast<std::size_t>(i)];
    if (ui.enabled()) now.style = *ui.enabled() ? (now.style & ~SBPS_DISABLED) : (now.style | SBPS_DISABLED);
    if (ui.text()) now.text = *ui.text();
    Show(now);
  }
}


}  // namespace plat
