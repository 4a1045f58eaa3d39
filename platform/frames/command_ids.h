#pragma once
// The framework's command and window ids, with MFC's numbers, so that menus,
// tool bars, ribbons and accelerators of the programs name the commands the
// programs were written with.
#include "platform/window/messages.h"

namespace plat {

// A separator in menus and tool bars; the stretching pane of a status bar.
inline constexpr UINT ID_SEPARATOR = 0;

// File.
inline constexpr UINT ID_FILE_NEW = 57600;
inline constexpr UINT ID_FILE_OPEN = 57601;
inline constexpr UINT ID_FILE_CLOSE = 57602;
inline constexpr UINT ID_FILE_SAVE = 57603;
inline constexpr UINT ID_FILE_SAVE_AS = 57604;
inline constexpr UINT ID_FILE_PAGE_SETUP = 57605;
inline constexpr UINT ID_FILE_PRINT_SETUP = 57606;
inline constexpr UINT ID_FILE_PRINT = 57607;
inline constexpr UINT ID_FILE_PRINT_DIRECT = 57608;
inline constexpr UINT ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr UINT ID_FILE_MRU_FILE1 = 57616;

// Edit.
inline constexpr UINT ID_EDIT_CLEAR = 57632;
inline constexpr UINT ID_EDIT_CLEAR_ALL = 57633;
inline constexpr UINT ID_EDIT_COPY = 57634;
inline constexpr UINT ID_EDIT_CUT = 57635;
inline constexpr UINT ID_EDIT_FIND = 57636;
inline constexpr UINT ID_EDIT_PASTE = 57637;
inline constexpr UINT ID_EDIT_SELECT_ALL = 57642;
inline constexpr UINT ID_EDIT_UNDO = 57643;
inline constexpr UINT ID_EDIT_REDO = 57644;

// Window (multiple-document frames).
inline constexpr UINT ID_WINDOW_NEW = 57648;
inline constexpr UINT ID_WINDOW_ARRANGE = 57649;
inline constexpr UINT ID_WINDOW_CASCADE = 57650;
inline constexpr UINT ID_WINDOW_TILE_HORZ = 57651;
inline constexpr UINT ID_WINDOW_TILE_VERT = 57652;

// Application and help.
inline constexpr UINT ID_APP_ABOUT = 57664;
inline constexpr UINT ID_APP_EXIT = 57665;
inline constexpr UINT ID_HELP_INDEX = 57666;
inline constexpr UINT ID_HELP_FINDER = 57667;
inline constexpr UINT ID_HELP_USING = 57668;
inline constexpr UINT ID_CONTEXT_HELP = 57669;
inline constexpr UINT ID_HELP = 57670;
inline constexpr UINT ID_DEFAULT_HELP = 57671;
inline constexpr UINT ID_NEXT_PANE = 57680;
inline constexpr UINT ID_PREV_PANE = 57681;

// Status bar indicators.
inline constexpr UINT ID_INDICATOR_EXT = 59136;
inline constexpr UINT ID_INDICATOR_CAPS = 59137;
inline constexpr UINT ID_INDICATOR_NUM = 59138;
inline constexpr UINT ID_INDICATOR_SCRL = 59139;
inline constexpr UINT ID_INDICATOR_OVR = 59140;
inline constexpr UINT ID_INDICATOR_REC = 59141;

// Showing and hiding the bars (their check marks follow the bars).
inline constexpr UINT ID_VIEW_TOOLBAR = 59392;
inline constexpr UINT ID_VIEW_STATUS_BAR = 59393;

// Ids of the frame's own windows.
inline constexpr UINT AFX_IDW_TOOLBAR = 59392;
inline constexpr UINT AFX_IDW_STATUS_BAR = 59393;
inline constexpr UINT AFX_IDW_MENUBAR = 59418;
inline constexpr UINT AFX_IDW_RIBBON_BAR = 59419;
// The view of a frame (the client of a multiple-document frame).
inline constexpr UINT AFX_IDW_PANE_FIRST = 59648;

// The application looks (the framework's visual managers).
inline constexpr UINT ID_VIEW_APPLOOK_WIN_2000 = 205;
inline constexpr UINT ID_VIEW_APPLOOK_OFF_XP = 206;
inline constexpr UINT ID_VIEW_APPLOOK_WIN_XP = 207;
inline constexpr UINT ID_VIEW_APPLOOK_OFF_2003 = 208;
inline constexpr UINT ID_VIEW_APPLOOK_VS_2005 = 209;
inline constexpr UINT ID_VIEW_APPLOOK_VS_2008 = 210;
inline constexpr UINT ID_VIEW_APPLOOK_OFF_2007_BLUE = 215;
inline constexpr UINT ID_VIEW_APPLOOK_OFF_2007_BLACK = 216;
inline constexpr UINT ID_VIEW_APPLOOK_OFF_2007_SILVER = 217;
inline constexpr UINT ID_VIEW_APPLOOK_OFF_2007_AQUA = 218;
inline constexpr UINT ID_VIEW_APPLOOK_WINDOWS_7 = 219;

// Messages of the framework.
inline constexpr UINT WM_INITMENUPOPUP = 0x0117;
// Asks a frame to bring its tool bars, ribbon and status bar up to date
// through the update handlers (the framework's idle update).
inline constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;

}  // namespace plat
