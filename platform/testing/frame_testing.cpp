#include "platform/testing/frame_testing.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QContextMenuEvent>

#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/customize_dialog.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/menu_bar.h"
#include "platform/frames/qt_menus.h"
#include "platform/frames/status_bar.h"
#include "platform/frames/tool_bar.h"
#include "platform/ribbon/ribbon_bar.h"
#include "platform/testing/dialog_testing.h"
#include "platform/text_codec.h"

namespace plat::testing {

namespace {

std::string Cp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

template <typename T>
T* Find(Window& window) {
  QWidget* host = detail::WidgetOfWindow(window);
  return host ? host->findChild<T*>() : nullptr;
}

// A click of the left button at a point of a widget, through its events.
void ClickAt(QWidget* widget, QPointF local) {
  const QPointF global = widget->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

// A click in the middle of a widget, when a person could click it.
bool ClickWidget(QWidget* widget) {
  if (!widget || !widget->isVisible() || !widget->isEnabled()) return false;
  ClickAt(widget, QPointF(widget->width() / 2.0, widget->height() / 2.0));
  return true;
}

ShownMenuItem Shown(QAction* action) {
  ShownMenuItem item;
  item.separator = action->isSeparator();
  item.popup = action->menu() != nullptr;
  item.text = Cp1252(action->text());
  item.id = item.popup || item.separator ? 0 : detail::ActionId(action);
  item.enabled = action->isEnabled();
  item.checked = action->isChecked();
  return item;
}

std::vector<ShownMenuItem> ReadMenu(QMenu* menu) {
  std::vector<ShownMenuItem> items;
  for (QAction* a : menu->actions()) items.push_back(Shown(a));
  return items;
}

// Opens a pop-up as its owner does: its contents are made as it shows.
void Open(QMenu* menu) {
  menu->popup(QPoint(0, 0));
  QApplication::processEvents();
}

QAction* ByText(const QList<QAction*>& actions, const std::string& text) {
  for (QAction* a : actions) {
    if (!a->isSeparator() && Cp1252(a->text()) == text) return a;
  }
  return nullptr;
}

// Follows the texts through the pop-ups below `menu` (opened already) and
// triggers the last; closes what it opened.
bool ChooseIn(QMenu* menu, const std::vector<std::string>& path, std::size_t at) {
  std::vector<QMenu*> opened{menu};
  bool chosen = false;
  QMenu* current = menu;
  for (std::size_t i = at; i < path.size(); ++i) {
    QAction* action = ByText(current->actions(), path[i]);
    if (!action || !action->isEnabled()) break;
    if (action->menu()) {
      current = action->menu();
      Open(current);
      opened.push_back(current);
      continue;
    }
    if (i + 1 != path.size()) break;
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->hide();
    opened.clear();
    action->trigger();
    chosen = true;
  }
  for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->hide();
  return chosen;
}

QToolButton* ToolButtonOf(ToolBar& bar, UINT id) {
  QToolBar* qbar = bar.widget();
  if (!qbar || id == 0) return nullptr;
  for (QAction* a : qbar->actions()) {
    if (!a->isSeparator() && a->data().toUInt() == id) return qobject_cast<QToolButton*>(qbar->widgetForAction(a));
  }
  return nullptr;
}

}  // namespace

void IdleUpdate(FrameWnd& frame) { frame.SendMessage(WM_IDLEUPDATECMDUI); }

std::vector<std::string> MenuBarTexts(FrameWnd& frame) {
  std::vector<std::string> texts;
  MenuBar* bar = frame.GetMenuBar();
  auto* qbar = bar ? Find<QMenuBar>(*bar) : nullptr;
  if (!qbar || !bar->IsWindowVisible()) return texts;
  for (QAction* a : qbar->actions()) {
    if (!a->isSeparator()) texts.push_back(Cp1252(a->text()));
  }
  return texts;
}

std::vector<ShownMenuItem> MenuBarItems(FrameWnd& frame) {
  std::vector<ShownMenuItem> items;
  MenuBar* bar = frame.GetMenuBar();
  auto* qbar = bar ? Find<QMenuBar>(*bar) : nullptr;
  if (!qbar || !bar->IsWindowVisible()) return items;
  for (QAction* a : qbar->actions()) items.push_back(Shown(a));
  return items;
}

std::vector<ShownMenuItem> OpenMenuBarPopup(FrameWnd& frame, int index) {
  MenuBar* bar = frame.GetMenuBar();
  auto* qbar = bar ? Find<QMenuBar>(*bar) : nullptr;
  if (!qbar || index < 0 || index >= qbar->actions().size()) return {};
  QMenu* menu = qbar->actions()[index]->menu();
  if (!menu) return {};
  Open(menu);
  std::vector<ShownMenuItem> items = ReadMenu(menu);
  menu->hide();
  return items;
}

bool ChooseMenuItem(FrameWnd& frame, const std::vector<std::string>& path) {
  MenuBar* bar = frame.GetMenuBar();
  auto* qbar = bar ? Find<QMenuBar>(*bar) : nullptr;
  if (!qbar || path.empty()) return false;
  QAction* top = ByText(qbar->actions(), path[0]);
  if (!top || !top->isEnabled()) return false;
  if (!top->menu()) {
    if (path.size() != 1) return false;
    top->trigger();
    return true;
  }
  Open(top->menu());
  return ChooseIn(top->menu(), path, 1);
}

bool ToolButtonPressed(ToolBar& bar, UINT id) {
  QToolButton* b = ToolButtonOf(bar, id);
  return b && b->isChecked();
}

bool ToolButtonEnabled(ToolBar& bar, UINT id) {
  QToolButton* b = ToolButtonOf(bar, id);
  return b && b->isEnabled();
}

bool ClickToolButton(ToolBar& bar, UINT id) { return ClickWidget(ToolButtonOf(bar, id)); }

std::vector<std::string> ToolButtonTexts(ToolBar& bar) {
  std::vector<std::string> texts;
  QToolBar* qbar = bar.widget();
  if (!qbar || !qbar->isVisible()) return texts;
  for (QAction* a : qbar->actions()) {
    if (!a->isVisible()) continue;
    texts.push_back(a->isSeparator() ? "|" : Cp1252(a->text()));
  }
  return texts;
}

bool AddCommandToBar(Dialog& customize, std::string_view menu, std::string_view command) {
  using D = ToolBarsCustomizeDialog;
  return ChooseText(customize, D::kCategory, menu) && ChooseText(customize, D::kCommandList, command) &&
         Press(customize, D::kAddCommand);
}

bool RightClickToolBar(ToolBar& bar) {
  QToolBar* qbar = bar.widget();
  if (!qbar || !qbar->isVisible()) return false;
  const QPoint local(qbar->width() - 2, qbar->height() / 2);
  QContextMenuEvent event(QContextMenuEvent::Mouse, local, qbar->mapToGlobal(local));
  QApplication::sendEvent(qbar, &event);
  return true;
}

std::string PaneTextShown(StatusBar& bar, int index) {
  QWidget* host = detail::WidgetOfWindow(bar);
  if (!host) return {};
  const QList<QLabel*> labels = host->findChildren<QLabel*>();
  if (index < 0 || index >= labels.size()) return {};
  return Cp1252(labels[index]->text());
}

int PaneRoomBesideText(StatusBar& bar, int index) {
  QWidget* host = detail::WidgetOfWindow(bar);
  if (!host) return -1;
  const QList<QLabel*> labels = host->findChildren<QLabel*>();
  if (index < 0 || index >= labels.size()) return -1;
  const QLabel* label = labels[index];
  const int room = label->contentsRect().width() - 2 * label->margin();
  return room - label->fontMetrics().horizontalAdvance(label->text());
}

bool ClickStatusPane(StatusBar& bar, int index) {
  QWidget* host = detail::WidgetOfWindow(bar);
  if (!host) return false;
  const QList<QLabel*> labels = host->findChildren<QLabel*>();
  if (index < 0 || index >= labels.size()) return false;
  return ClickWidget(labels[index]);
}

bool ClickRibbonButton(RibbonBar& ribbon, UINT id) {
  RibbonCategory* active = ribbon.GetActiveCategory();
  for (RibbonElement* e : ribbon.GetElements()) {
    auto* button = dynamic_cast<RibbonButton*>(e);
    if (button && e->GetID() == id && e->GetParentCategory() == active) return ClickWidget(button->button());
  }
  return false;
}

bool ClickQuickAccessButton(RibbonBar& ribbon, int index) { return ClickWidget(ribbon.quick_access_button(index)); }

bool ClickCategoryTab(RibbonBar& ribbon, int index) {
  auto* tabs = Find<QTabBar>(ribbon);
  if (!tabs || index < 0 || index >= tabs->count() || !tabs->isVisible()) return false;
  ClickAt(tabs, QPointF(tabs->tabRect(index).center()));
  return true;
}

std::vector<ShownMenuItem> OpenApplicationMenu(RibbonBar& ribbon, const std::vector<std::string>& path) {
  QToolButton* button = ribbon.application_button();
  QMenu* menu = button ? button->menu() : nullptr;
  if (!menu) return {};
  Open(menu);
  std::vector<QMenu*> opened{menu};
  for (const std::string& text : path) {
    QAction* action = ByText(opened.back()->actions(), text);
    if (!action || !action->menu()) break;
    Open(action->menu());
    opened.push_back(action->menu());
  }
  std::vector<ShownMenuItem> items = ReadMenu(opened.back());
  for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->hide();
  return items;
}

bool ChooseApplicationMenuItem(RibbonBar& ribbon, const std::vector<std::string>& path) {
  QToolButton* button = ribbon.application_button();
  QMenu* menu = button ? button->menu() : nullptr;
  if (!menu || path.empty()) return false;
  Open(menu);
  return ChooseIn(menu, path, 0);
}

PopupMenuScript::PopupMenuScript() : previous_(hooks::popup_menu) {
  handler_.choose = [this](Menu& menu, Point, Window*) -> UINT {
    std::vector<ShownMenuItem> items;
    for (const Menu::Item& i : menu.items()) {
      ShownMenuItem s;
      s.text = i.text;
      s.separator = (i.flags & MF_SEPARATOR) != 0;
      s.popup = i.popup != nullptr;
      s.id = s.separator || s.popup ? 0 : i.id;
      s.enabled = (i.flags & (MF_GRAYED | MF_DISABLED)) == 0;
      s.checked = (i.flags & MF_CHECKED) != 0;
      items.push_back(s);
    }
    shown_.push_back(items);
    if (answers_.empty()) return 0;
    const UINT id = answers_.front();
    answers_.pop_front();
    // Only an enabled item of the menu (or of a pop-up in it) can be chosen.
    const UINT state = menu.GetMenuState(id, MF_BYCOMMAND);
    if (id == 0 || state == kNoMenuItem || (state & (MF_GRAYED | MF_DISABLED))) return 0;
    return id;
  };
  hooks::popup_menu = &handler_;
}

PopupMenuScript::~PopupMenuScript() { hooks::popup_menu = previous_; }

}  // namespace plat::testing
