#include "platform/frames/qt_menus.h"

#include <QAction>

#include "platform/text_codec.h"

namespace plat::detail {

namespace {

const char kIdProperty[] = "plat_menu_id";

void DeleteSubMenus(QWidget* widget) {
  for (QMenu* child : widget->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
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

void FillQMenuBar(QMenuBar* bar, const MenuModel& model, const MenuActions& actions) { Fill(bar, model, actions); }

std::string MenuBarSignature(const Menu& menu) {
  std::string s;
  for (const Menu::Item& item : menu.items()) {
    s += std::to_string(item.flags) + ":" + std::to_string(item.id) + ":" + item.text + "\n";
  }
  return s;
}

}  // namespace plat::detail
