#pragma once
// The commands of a frame as a person finds them in its menus: one category
// per menu title, holding the commands of that pop-up and of the pop-ups
// below it, in menu order, and the category "Menu bar" of the commands that
// stand on a menu bar itself, with the texts the menus show (without their
// "&" marks and shortcuts). The tool-bar customisation offers them.
#include <string>
#include <string_view>
#include <vector>

#include "platform/frames/menu.h"

namespace plat {

inline constexpr const char* kMenuBarCategory = "Menu bar";

struct CatalogueCommand {
  UINT id = 0;
  std::string text;
  std::string where;  // the category of a command whose text another one has too (AllCommands)
};

struct CommandCategory {
  std::string name;
  std::vector<CatalogueCommand> commands;
};

// The plain text of a menu item: "S&tore\tCtrl+S" reads "Store", "&&" "&".
std::string PlainMenuText(std::string_view text);

// The categories of the menu bars in order; a title met again (the same menu
// of another bar) adds the commands it lacks. Every command is in a category
// once.
std::vector<CommandCategory> CommandsOfMenus(const std::vector<const Menu*>& menus);

// Adds a category, or the commands it lacks to the one of that name.
void AddToCategories(std::vector<CommandCategory>& categories, CommandCategory category);

// Every command of the categories once, by text (case ignored), then id;
// commands of the same text carry their category's name (`where`).
std::vector<CatalogueCommand> AllCommands(const std::vector<CommandCategory>& categories);

}  // namespace plat
