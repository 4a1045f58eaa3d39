#pragma once
// GetSystemMetrics: sizes of the screen and of the window system's parts, in
// pixels, from Qt's primary screen and style. The user-interface thread only;
// every index gives 0 before the application object exists.
namespace plat {

inline constexpr int SM_CXSCREEN = 0;    // the primary screen's available width
inline constexpr int SM_CYSCREEN = 1;    // ... and height (without task bars and panels)
inline constexpr int SM_CXVSCROLL = 2;   // width of a vertical scroll bar
inline constexpr int SM_CYHSCROLL = 3;   // height of a horizontal scroll bar
inline constexpr int SM_CYCAPTION = 4;   // height of a window's caption
inline constexpr int SM_CXICON = 11;     // a large icon
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CYMENU = 15;     // height of a menu bar's line
inline constexpr int SM_CXFRAME = 32;    // the sizing frame around a window
inline constexpr int SM_CYFRAME = 33;

// The metric of an index above; 0 for any other index.
int GetSystemMetrics(int index);

}  // namespace plat
