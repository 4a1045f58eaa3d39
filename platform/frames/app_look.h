#pragma once
// The application look: the framework's visual managers chosen by the look
// commands 205..219 (ID_VIEW_APPLOOK_*), shown with the window system's styles
// and colour schemes. The number itself is what the programs store
// ("ApplicationLook"); each maps to a widget style and a scheme:
//
//   205 Windows 2000, 206 Office XP, 207 Windows XP, 208 Office 2003   "Windows", default colours
//   209 Visual Studio 2005, 210 Visual Studio 2008, 219 Windows 7       "Fusion", default colours
//   215 Office 2007 blue, 216 black, 217 silver, 218 aqua                "Fusion", blue / black / silver / aqua
//
// Other numbers show as 215 (the programs' default).
#include <string>

namespace plat {

struct LookStyle {
  std::string style;   // the widget style: "Windows" or "Fusion"
  std::string scheme;  // "default", "blue", "black", "silver" or "aqua"
  friend bool operator==(const LookStyle&, const LookStyle&) = default;
};

LookStyle StyleOfLook(int look);
// Shows every window in the look; the menus, bars and the ribbon follow at once.
void ApplyApplicationLook(int look);
// The look applied last (215 before any).
int CurrentApplicationLook();

}  // namespace plat
