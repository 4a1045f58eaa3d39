#pragma once
// Command ids and private messages of the geometry editor's windows.
#include "platform/frames/command_ids.h"
#include "platform/window/messages.h"

namespace kelmf::ids {

using plat::UINT;

// Position menu and tool bar.
inline constexpr UINT kNew = 57600;
inline constexpr UINT kOpen = 57601;
inline constexpr UINT kStore = 57603;
inline constexpr UINT kStoreAs = 57604;
inline constexpr UINT kPrintSetup = plat::ID_FILE_PRINT_SETUP;  // 57606
inline constexpr UINT kPrint = plat::ID_FILE_PRINT;             // 57607
inline constexpr UINT kDimensionsListing = 32891;
inline constexpr UINT kDimensionsButton = 32905;
inline constexpr UINT kEnd = plat::ID_APP_EXIT;  // 57665
inline constexpr UINT kAbout = plat::ID_APP_ABOUT;  // 57664
// View menu.
inline constexpr UINT kAuxLines = 317;
inline constexpr UINT kFont = 32838;
inline constexpr UINT kEcho = 32868;
inline constexpr UINT kDialogInput = 32817;
inline constexpr UINT kKeysHelp = 32772;
inline constexpr UINT kManual = plat::ID_HELP;  // 57670, F1
// Tool bar only.
inline constexpr UINT kCopyToClipboard = 32900;
inline constexpr UINT kGraphicalInput = 32776;
inline constexpr UINT kGrid = 32906;
// The customise button of every tool bar, and its text (string 125).
inline constexpr UINT kCustomize = 126;
inline constexpr const char* kCustomizeText = "Anpassen...";
// Application looks.
inline constexpr UINT kFirstLook = 205;
inline constexpr UINT kLastLook = 219;

// The drawing cursor of the view.
inline constexpr int kDrawingCursor = 131;

// Messages to the main frame.
inline constexpr UINT kMouseCoordinates = plat::WM_USER + 10;
inline constexpr UINT kCoordinateMessage = plat::WM_USER + 52;
inline constexpr UINT kQuietMessage = plat::WM_USER + 200;
inline constexpr UINT kStatusText = plat::WM_USER + 1001;
// Messages to the view.
inline constexpr UINT kEraseCrosshair = plat::WM_USER + 51;
inline constexpr UINT kEndFromFrame = plat::WM_USER + 180;
inline constexpr UINT kNothing130 = plat::WM_USER + 130;
inline constexpr UINT kNothing92 = plat::WM_USER + 92;

}  // namespace kelmf::ids
