#pragma once
// Constants of printing with Win32's names and values: page orientation,
// print-dialog flags and the failure result of the print-job calls.

namespace plat {

// Page orientation (DEVMODE dmOrientation).
inline constexpr int DMORIENT_PORTRAIT = 1;
inline constexpr int DMORIENT_LANDSCAPE = 2;

// Print-dialog flags (PRINTDLG Flags).
inline constexpr unsigned PD_ALLPAGES = 0x0;
inline constexpr unsigned PD_SELECTION = 0x1;
inline constexpr unsigned PD_PAGENUMS = 0x2;
inline constexpr unsigned PD_NOSELECTION = 0x4;
inline constexpr unsigned PD_NOPAGENUMS = 0x8;
inline constexpr unsigned PD_RETURNDC = 0x100;
inline constexpr unsigned PD_USEDEVMODECOPIES = 0x40000;
inline constexpr unsigned PD_DISABLEPRINTTOFILE = 0x80000;
inline constexpr unsigned PD_HIDEPRINTTOFILE = 0x100000;

// StartDoc, StartPage, EndPage, EndDoc and AbortDoc report failure with a value <= 0.
inline constexpr int SP_ERROR = -1;

// The page count of a document whose length is not known yet.
inline constexpr int kUnknownPageCount = 0xFFFF;

}  // namespace plat
