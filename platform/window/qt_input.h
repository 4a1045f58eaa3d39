#pragma once
// Translation of Qt's input events into Win32's terms: virtual keys, key
// message flags, MK_ flags and characters. Only platform code includes this.
#include <QKeyEvent>
#include <QMouseEvent>

#include <string>

namespace plat::detail {

struct KeyTranslation {
  int vk = 0;             // 0: the key has no virtual-key code
  bool extended = false;  // the KF_EXTENDED bit (navigation keys beside the keypad)
};

// The virtual key of a Qt key: letters 'A'..'Z' whatever the case, digits of the
// main block '0'..'9', keypad keys their own codes (VK_NUMPAD0.., VK_ADD, ...).
// `native_scan_code` (X11 key code, 0 if unknown) pins the digit row and the
// key left of Y whatever the layout.
KeyTranslation TranslateKey(int qt_key, Qt::KeyboardModifiers modifiers, unsigned native_scan_code);

// A Qt key (and whether it lies on the keypad) that gives `vk`; 0 if none.
int QtKeyOfVirtualKey(int vk, bool* keypad);

// MK_ flags of the buttons and modifiers.
unsigned MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// The Windows-1252 characters a key press types (WM_CHAR): Enter 13, Backspace 8,
// Tab 9, Escape 27, Ctrl+letter 1..26, else the event's text; characters without
// a Windows-1252 twin are left out.
std::string TypedCharacters(const QKeyEvent& event);

}  // namespace plat::detail
