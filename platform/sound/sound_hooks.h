#pragma once
// Replaceable sound output for tests (plat::testing::SoundRecorder sets it;
// programs never do).
#include <functional>
#include <string>

namespace plat::hooks {

struct SoundCall {
  std::string file;  // empty: stop the sound
  unsigned flags = 0;
};

// Takes a PlaySound call instead of the audio output; returns PlaySound's result.
struct SoundHandler {
  std::function<bool(const SoundCall&)> handle;
};
extern SoundHandler* sound;

}  // namespace plat::hooks
