#include "platform/window/qt_input.h"

#include "platform/text_codec.h"
#include "platform/window/messages.h"
#include "platform/window/virtual_keys.h"

namespace plat::detail {
namespace {

struct KeyPair {
  int qt;
  int vk;
  bool keypad;
  bool extended;
};

// Keys of the main block come first: the reverse lookup takes the first match.
// Symbols sit where a US keyboard has them; keypad keys follow with their own codes.
constexpr KeyPair kKeys[] = {
    {Qt::Key_Escape, VK_ESCAPE, false, false},
    {Qt::Key_Tab, VK_TAB, false, false},
    {Qt::Key_Backtab, VK_TAB, false, false},
    {Qt::Key_Backspace, VK_BACK, false, false},
    {Qt::Key_Return, VK_RETURN, false, false},
    {Qt::Key_Enter, VK_RETURN, false, true},
    {Qt::Key_Space, VK_SPACE, false, false},
    {Qt::Key_Insert, VK_INSERT, false, true},
    {Qt::Key_Delete, VK_DELETE, false, true},
    {Qt::Key_Home, VK_HOME, false, true},
    {Qt::Key_End, VK_END, false, true},
    {Qt::Key_PageUp, VK_PRIOR, false, true},
    {Qt::Key_PageDown, VK_NEXT, false, true},
    {Qt::Key_Left, VK_LEFT, false, true},
    {Qt::Key_Up, VK_UP, false, true},
    {Qt::Key_Right, VK_RIGHT, false, true},
    {Qt::Key_Down, VK_DOWN, false, true},
    {Qt::Key_Pause, VK_PAUSE, false, false},
    {Qt::Key_Print, VK_SNAPSHOT, false, true},
    {Qt::Key_Clear, VK_CLEAR, false, false},
    {Qt::Key_Help, VK_HELP, false, false},
    {Qt::Key_Shift, VK_SHIFT, false, false},
    {Qt::Key_Control, VK_CONTROL, false, false},
    {Qt::Key_Alt, VK_MENU, false, false},
    {Qt::Key_AltGr, VK_MENU, false, true},
    {Qt::Key_Meta, VK_LWIN, false, true},
    {Qt::Key_Menu, VK_APPS, false, true},
    {Qt::Key_CapsLock, VK_CAPITAL, false, false},
    {Qt::Key_NumLock, VK_NUMLOCK, false, true},
    {Qt::Key_ScrollLock, VK_SCROLL, false, false},
    {Qt::Key_Plus, VK_OEM_PLUS, false, false},
    {Qt::Key_Equal, VK_OEM_PLUS, false, false},
    {Qt::Key_Minus, VK_OEM_MINUS, false, false},
    {Qt::Key_Underscore, VK_OEM_MINUS, false, false},
    {Qt::Key_Comma, VK_OEM_COMMA, false, false},
    {Qt::Key_Less, VK_OEM_COMMA, false, false},
    {Qt::Key_Period, VK_OEM_PERIOD, false, false},
    {Qt::Key_Greater, VK_OEM_PERIOD, false, false},
    {Qt::Key_Slash, VK_OEM_2, false, false},
    {Qt::Key_Question, VK_OEM_2, false, false},
    {Qt::Key_Semicolon, VK_OEM_1, false, false},
    {Qt::Key_Colon, VK_OEM_1, false, false},
    {Qt::Key_Apostrophe, VK_OEM_7, false, false},
    {Qt::Key_QuoteDbl, VK_OEM_7, false, false},
    {Qt::Key_BracketLeft, VK_OEM_4, false, false},
    {Qt::Key_BraceLeft, VK_OEM_4, false, false},
    {Qt::Key_BracketRight, VK_OEM_6, false, false},
    {Qt::Key_BraceRight, VK_OEM_6, false, false},
    {Qt::Key_Backslash, VK_OEM_5, false, false},
    {Qt::Key_Bar, VK_OEM_5, false, false},
    {Qt::Key_QuoteLeft, VK_OEM_3, false, false},
    {Qt::Key_AsciiTilde, VK_OEM_3, false, false},
    {Qt::Key_Udiaeresis, VK_OEM_1, false, false},
    {Qt::Key_Odiaeresis, VK_OEM_3, false, false},
    {Qt::Key_Adiaeresis, VK_OEM_7, false, false},
    {Qt::Key_ssharp, VK_OEM_4, false, false},
    {Qt::Key_Exclam, '1', false, false},
    {Qt::Key_At, '2', false, false},
    {Qt::Key_NumberSign, '3', false, false},
    {Qt::Key_Dollar, '4', false, false},
    {Qt::Key_Percent, '5', false, false},
    {Qt::Key_AsciiCircum, '6', false, false},
    {Qt::Key_Ampersand, '7', false, false},
    {Qt::Key_Asterisk, '8', false, false},
    {Qt::Key_ParenLeft, '9', false, false},
    {Qt::Key_ParenRight, '0', false, false},
    // The keypad.
    {Qt::Key_Plus, VK_ADD, true, false},
    {Qt::Key_Minus, VK_SUBTRACT, true, false},
    {Qt::Key_Asterisk, VK_MULTIPLY, true, false},
    {Qt::Key_Slash, VK_DIVIDE, true, true},
    {Qt::Key_Period, VK_DECIMAL, true, false},
    {Qt::Key_Comma, VK_DECIMAL, true, false},
    {Qt::Key_Enter, VK_RETURN, true, true},
    {Qt::Key_Clear, VK_CLEAR, true, false},
    // The keypad's navigation keys (Num Lock off) share the codes, not the extended bit.
    {Qt::Key_Home, VK_HOME, true, false},
    {Qt::Key_End, VK_END, true, false},
    {Qt::Key_PageUp, VK_PRIOR, true, false},
    {Qt::Key_PageDown, VK_NEXT, true, false},
    {Qt::Key_Left, VK_LEFT, true, false},
    {Qt::Key_Up, VK_UP, true, false},
    {Qt::Key_Right, VK_RIGHT, true, false},
    {Qt::Key_Down, VK_DOWN, true, false},
    {Qt::Key_Insert, VK_INSERT, true, false},
    {Qt::Key_Delete, VK_DELETE, true, false},
};

// X11 key codes of the digit row ("1" .. "0") and of the key left of Y.
constexpr unsigned kScanDigit1 = 10;
constexpr unsigned kScanDigit0 = 19;
constexpr unsigned kScanLessGreater = 94;

}  // namespace

KeyTranslation TranslateKey(int qt_key, Qt::KeyboardModifiers modifiers, unsigned native_scan_code) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (!keypad && native_scan_code >= kScanDigit1 && native_scan_code <= kScanDigit0) {
    return {native_scan_code == kScanDigit0 ? '0' : static_cast<int>('1' + native_scan_code - kScanDigit1), false};
  }
  if (native_scan_code == kScanLessGreater) return {VK_OEM_102, false};
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return {'A' + (qt_key - Qt::Key_A), false};
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
    return {keypad ? VK_NUMPAD0 + (qt_key - Qt::Key_0) : '0' + (qt_key - Qt::Key_0), false};
  }
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return {VK_F1 + (qt_key - Qt::Key_F1), false};
  for (const KeyPair& k : kKeys) {
    if (k.qt == qt_key && k.keypad == keypad) return {k.vk, k.extended};
  }
  for (const KeyPair& k : kKeys) {
    if (k.qt == qt_key) return {k.vk, k.extended};
  }
  return {};
}

int QtKeyOfVirtualKey(int vk, bool* keypad) {
  *keypad = false;
  if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
  if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
    *keypad = true;
    return Qt::Key_0 + (vk - VK_NUMPAD0);
  }
  if (vk >= VK_F1 && vk <= VK_F24) return Qt::Key_F1 + (vk - VK_F1);
  for (const KeyPair& k : kKeys) {
    if (k.vk == vk) {
      *keypad = k.keypad;
      return k.qt;
    }
  }
  return 0;
}

unsigned MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  unsigned flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (buttons & Qt::XButton1) flags |= MK_XBUTTON1;
  if (buttons & Qt::XButton2) flags |= MK_XBUTTON2;
  if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

std::string TypedCharacters(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return "\r";
  if (key == Qt::Key_Backspace) return "\b";
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return "\t";
  if (key == Qt::Key_Escape) return "\x1b";
  const Qt::KeyboardModifiers mods = event.modifiers();
  const QList<uint> code_points = event.text().toUcs4();
  if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return std::string(1, static_cast<char>(key - Qt::Key_A + 1));
    if (code_points.size() == 1 && code_points[0] < 32) return std::string(1, static_cast<char>(code_points[0]));
    return {};
  }
  std::string out;
  for (uint cp : code_points) {
    if (cp < 32 || cp == 127) continue;
    const char byte = Cp1252Byte(static_cast<char32_t>(cp));
    if (byte == '?' && cp != '?') continue;
    out += byte;
  }
  return out;
}

}  // namespace plat::detail
