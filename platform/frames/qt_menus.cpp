#include "platform/frames/qt_menus.h"

#include <QAction>

#include "platform/text_codec.h"

namespace plat::detail {

namespace {

const char kIdProperty[] = "plat_menu_id";
// Marks the pop-ups made from a menu model: Qt's own child menus of a bar (the overflow arrow's
// list of the items that do not fit) are Qt's to keep.
const char kModelPopupProperty[] = "plat_model_popup";

void DeleteSubMenus(QWidget* widget) {
  for (QMenu* child : widget->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
    if (!child->property(kModelPopupProperty).toBool()) continue;
    child->hide();
    child->deleteLater();
  }
}

bool Enabled(const Menu::Item& item) { return (item.flags & (MF_GRAYED | MF_DISABLED)) == 0; }

QAction* AddCommand(QWidget* owner, const Menu::Item& item, const MenuActions& actions) {
  auto* action = new QAction(QtText(item.text), owner);
  action->setEnabled(Enabled(item));
  action->setCheckable((item.flags & MF_CHECKED) != 0);
  action->setChecked((item.flags & MF_CHECKED) != 0);
  action->setProperty(kIdProperty, item.id);
  const UINT id = item.id;
  auto command = actions.command;
  QObject::connect(action, &QAction::triggered, action, [id, command] {
    if (command) command(id);
  });
  owner->addAction(action);
  return action;
}

// A pop-up of the item at `index` of the model, filled when it opens.
QMenu* AddPopup(QWidget* owner, const Menu::Item& item, int index, const MenuModel& model,
                const MenuActions& actions) {
  auto* popup = new QMenu(QtText(item.text), owner);
  popup->setProperty(kModelPopupProperty, true);
  popup->menuAction()->setEnabled(Enabled(item));
  MenuModel sub = [model, index]() -> Menu* {
    Menu* parent = model();
    return parent ? parent->GetSubMenu(index) : nullptr;
  };
  QObject::connect(popup, &QMenu::aboutToShow, popup, [popup, sub, index, actions] {
    if (Menu* m = sub(); m && actions.prepare) actions.prepare(*m, index);
    FillQMenu(popup, sub, actions);
  });
  if (actions.closed) QObject::connect(popup, &QMenu::aboutToHide, popup, actions.closed);
  owner->addAction(popup->menuAction());
  return popup;
}

}  // namespace

QString QtText(std::string_view text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

UINT ActionId(const QAction* action) {
  return action ? action->property(kIdProperty).toUInt() : 0;
}

namespace {

// The items of the model into a menu or a menu bar (both have the same calls).
template <typename Widget>
void Fill(Widget* widget, const MenuModel& model, const MenuActions& actions) {
  DeleteSubMenus(widget);
  widget->clear();
  Menu* menu = model();
  if (!menu) return;
  const auto& items = menu->items();
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const Menu::Item& item = items[static_cast<std::size_t>(i)];
    if (item.flags & MF_SEPARATOR) {
      widget->addSeparator();
    } else if (item.popup) {
      AddPopup(widget, item, i, model, actions);
    } else {
      AddCommand(widget, item, actions);
    }
  }
}

}  // namespace

void FillQMenu(QMenu* widget, const MenuModel& model, const MenuActions& actions) { Fill(widget, model, actions); }

namespace {

bool SameKind(const Menu::Item& item, const QAction* action) {
  if ((item.flags & MF_SEPARATOR) != 0) return action->isSeparator();
  if (action->isSeparator() || (item.popup != nullptr) != (action->menu<QMenu*>() != nullptr)) return false;
  return action->text() == QtText(item.text) && (item.popup || ActionId(action) == item.id);
}

// Where the bar shows the model's items already (the same kinds, texts and ids), only their
// states are brought up to date: the items stay, their pop-ups are filled when they open. False,
// and nothing changed, when the items differ.
bool UpdateBarInPlace(QMenuBar* bar, const Menu& menu) {
  const QList<QAction*> shown = bar->actions();
  const auto& items = menu.items();
  if (shown.size() != static_cast<qsizetype>(items.size())) return false;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!SameKind(items[i], shown[static_cast<qsizetype>(i)])) return false;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Menu::Item& item = items[i];
    QAction* action = shown[static_cast<qsizetype>(i)];
    if (item.flags & MF_SEPARATOR) continue;
    action->setEnabled(Enabled(item));
    if (item.popup) continue;
    action->setCheckable((item.flags & MF_CHECKED) != 0);
    action->setChecked((item.flags & MF_CHECKED) != 0);
  }
  return true;
}

}  // namespace

void FillQMenuBar(QMenuBar* bar, const MenuModel& model, const MenuActions& actions) {
  if (Menu* menu = model(); menu && UpdateBarInPlace(bar, *menu)) return;
  // A shown bar lays all its items out anew at each item removed or added: hidden meanwhile, it
  // does so once when it is shown again (before anything is painted).
  const bool shown = bar->isVisible();
  if (shown) bar->hide();
  Fill(bar, model, actions);
  if (shown) bar->show();
}

std::string MenuBarSignature(const Menu& menu) {
  std::string s;
  for (const Menu::Item& item : menu.items()) {
    s += std::to_string(item.flags) + ":" + std::to_string(item.id) + ":" + item.text + "\n";
  }
  return s;
}

}  // namespace plat::detail
