#pragma once
// Command ids, resource ids and private messages of the load editor's windows.
#include "platform/frames/command_ids.h"
#include "platform/window/messages.h"

namespace pundf::ids {

using plat::UINT;

// Load case menu and tool bar.
inline constexpr UINT kNew = 57600;
inline constexpr UINT kTitle = 32810;
inline constexpr UINT kOpen = 57601;
inline constexpr UINT kImport = 32806;
inline constexpr UINT kStore = 57603;
inline constexpr UINT kCopy = 32803;
inline constexpr UINT kCopyAlso = 57634;
inline constexpr UINT kDelete = 32802;
inline constexpr UINT kEnd = plat::ID_APP_EXIT;  // 57665
inline constexpr UINT kPrint = plat::ID_FILE_PRINT;                  // 57607
inline constexpr UINT kPrintPreview = plat::ID_FILE_PRINT_PREVIEW;  // 57609
// Loads menu.
inline constexpr UINT kGravity = 32771;
inline constexpr UINT kFloorLoad = 32772;
inline constexpr UINT kLateralLoad = 310;
inline constexpr UINT kSnow = 312;
inline constexpr UINT kLineLoads = 32773;
inline constexpr UINT kPointLoads = 32774;
inline constexpr UINT kPrestressing = 313;
inline constexpr UINT kTemperature = 32784;
inline constexpr UINT kSettlements = 32785;
inline constexpr UINT kInfo = 32804;
// Picking and display.
inline constexpr UINT kLinePick = 32788;
inline constexpr UINT kPointPick = 32793;
inline constexpr UINT kFillSwitch = 32812;
inline constexpr UINT kPickMode = 32825;
inline constexpr UINT kFrameSwitch = 32816;
// Tool bar only.
inline constexpr UINT kListing = 32830;
inline constexpr UINT kCopyToClipboard = 32818;
// Help.
inline constexpr UINT kManual = plat::ID_HELP;  // 57670
inline constexpr UINT kAbout = plat::ID_APP_ABOUT;  // 57664
// Application looks.
inline constexpr UINT kFirstLook = 205;
inline constexpr UINT kLastLook = 219;

// The tool bar and the document template.
inline constexpr UINT kToolBar = 128;
// The customise button of every tool bar, and its text (string 125).
inline constexpr UINT kCustomize = 126;
inline constexpr const char* kCustomizeText = "Anpassen...";
// The pick cursor.
inline constexpr int kPickCursor = 154;

// Messages to the main frame.
inline constexpr UINT kMouseCoordinates = plat::WM_USER + 5;
inline constexpr UINT kPickReset = plat::WM_USER + 15;
// Messages to the view.
inline constexpr UINT kEndPick = plat::WM_USER + 11;
inline constexpr UINT kEndFromFrame = plat::WM_USER + 180;

}  // namespace pundf::ids
