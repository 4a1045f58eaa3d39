#include "platform/script/script_line.h"

#include <array>
#include <cctype>
#include <charconv>
#include <utility>

#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::script {
namespace {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Keys by the names a script gives them (compared without regard to case).
constexpr std::array<std::pair<std::string_view, int>, 38> kNamedKeys{{
    {"Escape", VK_ESCAPE},   {"Esc", VK_ESCAPE},      {"Enter", VK_RETURN},    {"Return", VK_RETURN},
    {"Tab", VK_TAB},         {"Space", VK_SPACE},     {"Backspace", VK_BACK},  {"Delete", VK_DELETE},
    {"Del", VK_DELETE},      {"Insert", VK_INSERT},   {"Ins", VK_INSERT},      {"Home", VK_HOME},
    {"End", VK_END},         {"PageUp", VK_PRIOR},    {"PgUp", VK_PRIOR},      {"PageDown", VK_NEXT},
    {"PgDn", VK_NEXT},       {"Left", VK_LEFT},       {"Right", VK_RIGHT},     {"Up", VK_UP},
    {"Down", VK_DOWN},       {"Shift", VK_SHIFT},     {"Ctrl", VK_CONTROL},    {"Alt", VK_MENU},
    {"Num+", VK_ADD},        {"Num-", VK_SUBTRACT},   {"Num*", VK_MULTIPLY},   {"Num/", VK_DIVIDE},
    {"Num.", VK_DECIMAL},    {"NumLock", VK_NUMLOCK}, {"Pause", VK_PAUSE},     {"Apps", VK_APPS},
    {"Plus", VK_OEM_PLUS},   {"Minus", VK_OEM_MINUS}, {"Comma", VK_OEM_COMMA}, {"Period", VK_OEM_PERIOD},
    {"CapsLock", VK_CAPITAL}, {"ScrollLock", VK_SCROLL},
}};

std::optional<int> KeyCode(std::string_view name) {
  if (name.size() == 1) {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return std::nullopt;
  }
  for (const auto& [text, vk] : kNamedKeys) {
    if (SameText(text, name)) return vk;
  }
  if (name.size() == 4 && SameText(name.substr(0, 3), "Num") && name[3] >= '0' && name[3] <= '9') {
    return VK_NUMPAD0 + (name[3] - '0');
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    const std::optional<int> n = ParseInt(name.substr(1));
    if (n && *n >= 1 && *n <= 24 && std::isdigit(static_cast<unsigned char>(name[1]))) return VK_F1 + *n - 1;
  }
  return std::nullopt;
}

}  // namespace

std::vector<Step> ParseScript(std::string_view text) {
  std::vector<Step> steps;
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t first = 0;
    while (first < line.size() && IsBlank(line[first])) ++first;
    if (first == line.size() || line[first] == '#') continue;
    Step step;
    step.line = line_number;
    step.text = std::string(line.substr(first));
    const std::string_view body = line.substr(first);
    std::size_t verb_end = 0;
    while (verb_end < body.size() && !IsBlank(body[verb_end])) ++verb_end;
    step.verb = std::string(body.substr(0, verb_end));
    if (verb_end < body.size()) step.args = std::string(body.substr(verb_end + 1));
    steps.push_back(std::move(step));
  }
  return steps;
}

bool SplitFields(std::string_view args, std::size_t count, std::vector<std::string>* fields, std::string* rest) {
  fields->clear();
  std::size_t at = 0;
  for (std::size_t i = 0; i < count; ++i) {
    while (at < args.size() && IsBlank(args[at])) ++at;
    if (at == args.size()) return false;
    const std::size_t start = at;
    while (at < args.size() && !IsBlank(args[at])) ++at;
    fields->emplace_back(args.substr(start, at - start));
  }
  if (count > 0 && at < args.size()) ++at;  // the blank after the last field
  *rest = std::string(args.substr(at));
  return true;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    const std::size_t start = at;
    while (at < text.size() && !IsBlank(text[at])) ++at;
    if (at > start) words.emplace_back(text.substr(start, at - start));
  }
  return words;
}

std::optional<int> ParseInt(std::string_view text) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

unsigned ModifierOf(std::string_view word) {
  if (SameText(word, "Ctrl")) return testing::kCtrl;
  if (SameText(word, "Shift")) return testing::kShift;
  if (SameText(word, "Alt")) return testing::kAlt;
  return 0;
}

std::optional<KeyStroke> ParseKey(std::string_view name) {
  KeyStroke stroke;
  // Modifiers come first, each followed by "+"; the key is the rest ("Num+" keeps its "+").
  for (;;) {
    const std::size_t plus = name.find('+');
    if (plus == std::string_view::npos || plus + 1 == name.size()) break;
    const unsigned mod = ModifierOf(name.substr(0, plus));
    if (mod == 0) return std::nullopt;
    stroke.mods |= mod;
    name.remove_prefix(plus + 1);
  }
  const std::optional<int> vk = KeyCode(name);
  if (!vk) return std::nullopt;
  stroke.vk = *vk;
  return stroke;
}

}  // namespace plat::script
