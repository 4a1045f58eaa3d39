#pragma once
// Test support for sounds: PlaySound calls recorded instead of played.
#include <vector>

#include "platform/sound/sound_hooks.h"

namespace plat::testing {

// While alive, PlaySound calls are recorded (and answered true) instead of played.
class SoundRecorder {
 public:
  SoundRecorder();
  ~SoundRecorder();
  SoundRecorder(const SoundRecorder&) = delete;
  SoundRecorder& operator=(const SoundRecorder&) = delete;

  const std::vector<hooks::SoundCall>& calls() const { return calls_; }

 private:
  hooks::SoundHandler handler_;
  hooks::SoundHandler* previous_;
  std::vector<hooks::SoundCall> calls_;
};

}  // namespace plat::testing
