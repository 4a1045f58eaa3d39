#pragma once
// Changes of the system's colours and settings reach the windows as on
// Windows: when Qt reports a new application palette, every window of the
// program gets WM_SYSCOLORCHANGE; a new application font, wheel scroll lines
// or double-click time give WM_SETTINGCHANGE (wParam: the SPI_ code of what
// changed). Top-level windows get them before their children. Only platform
// code includes this.
#include "platform/window/messages.h"

namespace plat {

// What WM_SETTINGCHANGE's wParam names.
inline constexpr UINT SPI_SETDOUBLECLICKTIME = 0x0020;
inline constexpr UINT SPI_SETNONCLIENTMETRICS = 0x002A;
inline constexpr UINT SPI_SETWHEELSCROLLLINES = 0x0069;

namespace detail {

// Starts listening to Qt's reports (once per application object); called when
// a window is made.
void WatchSystemChanges();
// Sends the message to every live window, oldest first.
void SendToEveryWindow(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace detail
}  // namespace plat
