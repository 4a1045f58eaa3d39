#pragma once
// The sound output (platform/ only): Qt Multimedia in a module of its own beside the programs,
// opened when the first sound is played, so that a program that plays none never loads Qt
// Multimedia and what it pulls in (the network module, the audio server's client).
#include <string>

namespace plat::detail {

inline constexpr const char* kSoundModuleName = "plat-sound.so";

struct SoundModule {
  bool (*play)(const char* file);  // true when the sound was started (an audio device is there)
  void (*stop)();
};

// The module at `path`, opened once per path; nullptr when it cannot be opened or lacks its
// functions (then no sound plays).
const SoundModule* SoundModuleAt(const std::string& path);

}  // namespace plat::detail
