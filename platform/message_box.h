#pragma once
// Message boxes with Win32's flags and answers. Text and caption are
// Windows-1252. Unattended runs: with PLAT_MESSAGES=<file> no box is shown; the
// box is appended to the file as "caption<TAB>text" (UTF-8, line ends in the
// text written as "\n") and answered with its default button, or with the next
// line of PLAT_ANSWERS=<file> ("OK", "Cancel", "Yes", "No" or a number).
#include <string_view>

namespace plat {

inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows a message box and returns the button pressed. Safe from any thread: a
// worker's box is shown (or answered by a test's script) on the user-interface
// thread, so that thread must be handling events meanwhile; unattended boxes
// are answered on the asking thread.
int MessageBox(std::string_view text, std::string_view caption = " ", unsigned flags = MB_OK);

// True when boxes go to the PLAT_MESSAGES file (and no test answers them): a program that
// shows nothing but boxes needs no window system then.
bool MessagesUnattended();

// The answer a box with these flags gives when nobody presses a button.
int DefaultAnswer(unsigned flags);

// Which way a file failed to open: for reading, or to be created for writing.
enum class FileAccess { kRead, kCreate };
// The message box of a file that could not be opened or created, naming it and
// the system's reason (`error_number`, an errno value; 0 for none).
void FileErrorBox(std::string_view path, FileAccess access, int error_number = 0);

// A short system sound.
void Beep();

}  // namespace plat
