#pragma once
// The clipboard's text. Inside the programs text is Windows-1252 (CF_TEXT);
// on the system's clipboard it is Unicode, so that other programs read it
// right. Text from other programs with characters Windows-1252 lacks arrives
// with '?' for them.
#include <optional>
#include <string>
#include <string_view>

namespace plat {

// Replaces the clipboard's contents with the text; false when there is no
// clipboard (no application object).
bool SetClipboardText(std::string_view text);
// The clipboard's text, or nullopt when it holds none.
std::optional<std::string> GetClipboardText();
bool ClipboardHasText();

}  // namespace plat
