#pragma once
// The text of a script: its steps, their fields, numbers and key names.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat::script {

// One step: its line in the script, the line as written, its verb and what
// follows the verb (the blank after the verb taken off).
struct Step {
  int line = 0;
  std::string text;
  std::string verb;
  std::string args;
};

// The steps of a script's text in order; "#" comments and empty lines are left
// out. Lines may end with CR LF.
std::vector<Step> ParseScript(std::string_view text);

// Splits `args` into `count` fields separated by blanks and the rest of the
// line after the blank that follows the last field (kept as it stands, blanks
// included). False when fewer fields stand there.
bool SplitFields(std::string_view args, std::size_t count, std::vector<std::string>* fields, std::string* rest);

// The blank-separated words of a text.
std::vector<std::string> Words(std::string_view text);

// A whole decimal integer with an optional sign, or nullopt.
std::optional<int> ParseInt(std::string_view text);

// A key with the modifiers held, by its name: "Ctrl+S", "Shift+F5", "Escape",
// "Num+" (keypad keys by "Num" names).
struct KeyStroke {
  int vk = 0;
  unsigned mods = 0;  // plat::testing::kShift, kCtrl, kAlt
};
std::optional<KeyStroke> ParseKey(std::string_view name);

// A modifier word "Ctrl", "Shift" or "Alt" as kCtrl, kShift, kAlt; 0 when it is none.
unsigned ModifierOf(std::string_view word);

}  // namespace plat::script
