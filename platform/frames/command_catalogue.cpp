#include "platform/frames/command_catalogue.h"

#include <algorithm>
#include <cctype>

namespace plat {

namespace {

void Collect(const Menu& menu, std::vector<CatalogueCommand>& commands) {
  for (const Menu::Item& item : menu.items()) {
    if (item.popup) {
      Collect(*item.popup, commands);
    } else if (!(item.flags & MF_SEPARATOR) && item.id != 0) {
      commands.push_back({item.id, PlainMenuText(item.text), {}});
    }
  }
}

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

}  // namespace

std::string PlainMenuText(std::string_view text) {
  text = text.substr(0, text.find('\t'));
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      plain += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '&') {
      plain += '&';
      ++i;
    }
  }
  return plain;
}

void AddToCategories(std::vector<CommandCategory>& categories, CommandCategory category) {
  auto same = std::find_if(categories.begin(), categories.end(),
                           [&](const CommandCategory& c) { return c.name == category.name; });
  if (same == categories.end()) {
    categories.push_back(CommandCategory{category.name, {}});
    same = categories.end() - 1;
  }
  for (CatalogueCommand& command : category.commands) {
    const bool there = std::any_of(same->commands.begin(), same->commands.end(),
                                   [&](const CatalogueCommand& c) { return c.id == command.id; });
    if (!there) same->commands.push_back(std::move(command));
  }
}

std::vector<CommandCategory> CommandsOfMenus(const std::vector<const Menu*>& menus) {
  std::vector<CommandCategory> categories;
  for (const Menu* bar : menus) {
    if (!bar) continue;
    for (const Menu::Item& item : bar->items()) {
      CommandCategory category;
      if (item.popup) {
        category.name = PlainMenuText(item.text);
        Collect(*item.popup, category.commands);
      } else if (!(item.flags & MF_SEPARATOR) && item.id != 0) {
        category.name = kMenuBarCategory;
        category.commands.push_back({item.id, PlainMenuText(item.text), {}});
      }
      if (!category.commands.empty()) AddToCategories(categories, std::move(category));
    }
  }
  return categories;
}

std::vector<CatalogueCommand> AllCommands(const std::vector<CommandCategory>& categories) {
  struct Entry {
    CatalogueCommand command;
    std::string folded;
    const std::string* category;
  };
  std::vector<Entry> all;
  for (const CommandCategory& category : categories) {
    for (const CatalogueCommand& command : category.commands) {
      const bool there =
          std::any_of(all.begin(), all.end(), [&](const Entry& e) { return e.command.id == command.id; });
      if (!there) all.push_back(Entry{command, Folded(command.text), &category.name});
    }
  }
  std::stable_sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) {
    return a.folded != b.folded ? a.folded < b.folded : a.command.id < b.command.id;
  });
  std::vector<CatalogueCommand> commands;
  for (std::size_t i = 0; i < all.size(); ++i) {
    // Two commands of one text are told apart by where they come from.
    const bool twin = (i > 0 && all[i - 1].folded == all[i].folded) ||
                      (i + 1 < all.size() && all[i + 1].folded == all[i].folded);
    CatalogueCommand command = all[i].command;
    if (twin) command.where = *all[i].category;
    commands.push_back(std::move(command));
  }
  return commands;
}

}  // namespace plat
