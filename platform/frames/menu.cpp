#include "platform/frames/menu.h"

#include <utility>

namespace plat {

namespace {
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_RADIOCHECK;
}  // namespace

Menu::Menu() = default;

Menu Menu::Popup() {
  Menu m;
  m.popup_ = true;
  return m;
}

Menu::Menu(const Menu& other) : popup_(other.popup_) {
  for (const Item& item : other.items_) {
    Item copy{item.flags, item.id, item.text, item.popup ? std::make_unique<Menu>(*item.popup) : nullptr};
    items_.push_back(std::move(copy));
  }
  Adopt();
}

Menu& Menu::operator=(const Menu& other) {
  if (this != &other) {
    Menu copy(other);
    *this = std::move(copy);
  }
  return *this;
}

Menu::Menu(Menu&& other) noexcept : popup_(other.popup_), items_(std::move(other.items_)) {
  other.items_.clear();
  Adopt();
}

Menu& Menu::operator=(Menu&& other) noexcept {
  if (this != &other) {
    popup_ = other.popup_;
    items_ = std::move(other.items_);
    other.items_.clear();
    Adopt();
    Changed();
  }
  return *this;
}

Menu::~Menu() = default;

void Menu::Adopt() {
  for (Item& item : items_) {
    if (item.popup) item.popup->parent_ = this;
  }
}

void Menu::Changed() {
  for (Menu* m = this; m; m = m->parent_) ++m->revision_;
}

Menu::Item Menu::MakeItem(UINT flags, UINT id, std::string_view text) const {
  Item item;
  item.flags = flags & (kStateBits | MF_SEPARATOR);
  if (item.flags & MF_SEPARATOR) {
    item.flags = MF_SEPARATOR;
    return item;
  }
  item.id = id;
  item.text = std::string(text);
  return item;
}

bool Menu::Insert(int position, Item item) {
  if (position < 0 || position > GetMenuItemCount()) position = GetMenuItemCount();
  if (item.popup) {
    item.popup->popup_ = true;
    item.popup->parent_ = this;
  }
  items_.insert(items_.begin() + position, std::move(item));
  Changed();
  return true;
}

bool Menu::AppendMenu(UINT flags, UINT id, std::string_view text) {
  if (flags & MF_POPUP) return false;  // a pop-up comes with its menu
  return Insert(GetMenuItemCount(), MakeItem(flags, id, text));
}

bool Menu::AppendMenu(UINT flags, Menu popup, std::string_view text) {
  Item item = MakeItem(flags & ~MF_SEPARATOR, 0, text);
  item.flags |= MF_POPUP;
  item.popup = std::make_unique<Menu>(std::move(popup));
  return Insert(GetMenuItemCount(), std::move(item));
}

bool Menu::InsertMenu(UINT item, UINT flags, UINT id, std::string_view text) {
  if (flags & MF_POPUP) return false;
  if (flags & MF_BYPOSITION) return Insert(static_cast<int>(item), MakeItem(flags, id, text));
  const Found f = Find(item, flags);
  if (!f.menu) return false;
  return f.menu->Insert(f.position, MakeItem(flags, id, text));
}

bool Menu::InsertMenu(UINT item, UINT flags, Menu popup, std::string_view text) {
  Item made = MakeItem(flags & ~MF_SEPARATOR, 0, text);
  made.flags |= MF_POPUP;
  made.popup = std::make_unique<Menu>(std::move(popup));
  if (flags & MF_BYPOSITION) return Insert(static_cast<int>(item), std::move(made));
  const Found f = Find(item, flags);
  if (!f.menu) return false;
  return f.menu->Insert(f.position, std::move(made));
}

bool Menu::ModifyMenu(UINT item, UINT flags, UINT id, std::string_view text) {
  const Found f = Find(item, flags);
  if (!f.menu) return false;
  Item& it = f.menu->items_[static_cast<std::size_t>(f.position)];
  if (it.popup) {
    it.flags = MF_POPUP | (flags & kStateBits);
    it.text = std::string(text);
  } else {
    Item made = MakeItem(flags, id, text);
    it.flags = made.flags;
    it.id = made.id;
    it.text = std::move(made.text);
  }
  f.menu->Changed();
  return true;
}

bool Menu::DeleteMenu(UINT item, UINT flags) {
  const Found f = Find(item, flags);
  if (!f.menu) return false;
  f.menu->items_.erase(f.menu->items_.begin() + f.position);
  f.menu->Changed();
  return true;
}

Menu::Found Menu::Find(UINT item, UINT flags) {
  if (flags & MF_BYPOSITION) {
    if (item >= items_.size()) return {};
    return Found{this, static_cast<int>(item)};
  }
  for (int i = 0; i < GetMenuItemCount(); ++i) {
    Item& it = items_[static_cast<std::size_t>(i)];
    if (it.popup) {
      if (Found f = it.popup->Find(item, flags); f.menu) return f;
    } else if (!(it.flags & MF_SEPARATOR) && it.id == item) {
      return Found{this, i};
    }
  }
  return {};
}

std::vector<Menu::Found> Menu::FindAllById(UINT id) {
  std::vector<Found> all;
  for (int i = 0; i < GetMenuItemCount(); ++i) {
    Item& it = items_[static_cast<std::size_t>(i)];
    if (it.popup) {
      auto below = it.popup->FindAllById(id);
      all.insert(all.end(), below.begin(), below.end());
    } else if (!(it.flags & MF_SEPARATOR) && it.id == id) {
      all.push_back(Found{this, i});
    }
  }
  return all;
}

UINT Menu::ChangeState(UINT item, UINT flags, UINT reported, UINT cleared, UINT wanted) {
  std::vector<Found> targets;
  if (flags & MF_BYPOSITION) {
    if (Found f = Find(item, flags); f.menu) targets.push_back(f);
  } else {
    targets = FindAllById(item);
  }
  if (targets.empty()) return kNoMenuItem;
  const UINT previous = targets.front().menu->items_[static_cast<std::size_t>(targets.front().position)].flags & reported;
  for (const Found& f : targets) {
    Item& it = f.menu->items_[static_cast<std::size_t>(f.position)];
    const UINT now = (it.flags & ~cleared) | wanted;
    if (now == it.flags) continue;
    it.flags = now;
    f.menu->Changed();
  }
  return previous;
}

UINT Menu::EnableMenuItem(UINT item, UINT flags) {
  constexpr UINT kGrey = MF_GRAYED | MF_DISABLED;
  return ChangeState(item, flags, kGrey, kGrey, flags & kGrey);
}

UINT Menu::CheckMenuItem(UINT item, UINT flags) {
  return ChangeState(item, flags, MF_CHECKED, MF_CHECKED | MF_RADIOCHECK, flags & MF_CHECKED);
}

bool Menu::CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) {
  bool found = false;
  if (flags & MF_BYPOSITION) {
    if (first > last || last >= items_.size()) return false;
    for (UINT p = first; p <= last; ++p) {
      Item& it = items_[p];
      if (it.popup || (it.flags & MF_SEPARATOR)) continue;
      const UINT now = p == item ? (it.flags | MF_CHECKED | MF_RADIOCHECK) : (it.flags & ~(MF_CHECKED | MF_RADIOCHECK));
      found = found || p == item;
      if (now != it.flags) {
        it.flags = now;
        Changed();
      }
    }
    return found;
  }
  for (UINT id = first; id <= last && id >= first; ++id) {
    for (const Found& f : FindAllById(id)) {
      Item& it = f.menu->items_[static_cast<std::size_t>(f.position)];
      const UINT now =
          id == item ? (it.flags | MF_CHECKED | MF_RADIOCHECK) : (it.flags & ~(MF_CHECKED | MF_RADIOCHECK));
      found = found || id == item;
      if (now != it.flags) {
        it.flags = now;
        f.menu->Changed();
      }
    }
    if (id == last) break;
  }
  return found;
}

UINT Menu::GetMenuState(UINT item, UINT flags) const {
  const Found f = const_cast<Menu*>(this)->Find(item, flags);
  if (!f.menu) return kNoMenuItem;
  const Item& it = f.menu->items_[static_cast<std::size_t>(f.position)];
  if (it.popup) return (static_cast<UINT>(it.popup->GetMenuItemCount()) << 8) | (it.flags & 0xFF);
  return it.flags;
}

std::string Menu::GetMenuString(UINT item, UINT flags) const {
  const Found f = const_cast<Menu*>(this)->Find(item, flags);
  if (!f.menu) return {};
  return f.menu->items_[static_cast<std::size_t>(f.position)].text;
}

UINT Menu::GetMenuItemID(int position) const {
  if (position < 0 || position >= GetMenuItemCount()) return kNoMenuItem;
  const Item& it = items_[static_cast<std::size_t>(position)];
  if (it.popup) return kNoMenuItem;
  return (it.flags & MF_SEPARATOR) ? 0 : it.id;
}

Menu* Menu::GetSubMenu(int position) {
  if (position < 0 || position >= GetMenuItemCount()) return nullptr;
  return items_[static_cast<std::size_t>(position)].popup.get();
}

const Menu* Menu::GetSubMenu(int position) const {
  if (position < 0 || position >= GetMenuItemCount()) return nullptr;
  return items_[static_cast<std::size_t>(position)].popup.get();
}

}  // namespace plat
