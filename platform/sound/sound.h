#pragma once
// PlaySound: a WAV file played in the background, as Win32's PlaySound with
// SND_FILENAME | SND_ASYNC. One sound plays at a time: a new one stops the
// one before, and PlaySound(nullptr, 0) stops it.
//
// The sound always plays asynchronously (the call returns at once). A missing
// file, a file that cannot be played or no audio device plays nothing and shows
// nothing; without SND_NODEFAULT a missing file gives the default beep instead.
// The user-interface thread only.
#include <string>

namespace plat {

inline constexpr unsigned SND_SYNC = 0x0000;
inline constexpr unsigned SND_ASYNC = 0x0001;
inline constexpr unsigned SND_NODEFAULT = 0x0002;
inline constexpr unsigned SND_FILENAME = 0x00020000;

// True when the sound was started (or a test's recorder took the call);
// false when nothing plays.
bool PlaySound(const char* file, unsigned flags);
inline bool PlaySound(const std::string& file, unsigned flags) { return PlaySound(file.c_str(), flags); }

}  // namespace plat
