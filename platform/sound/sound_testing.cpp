#include "platform/sound/sound_testing.h"

namespace plat::testing {

SoundRecorder::SoundRecorder() : previous_(hooks::sound) {
  handler_.handle = [this](const hooks::SoundCall& call) {
    calls_.push_back(call);
    return true;
  };
  hooks::sound = &handler_;
}

SoundRecorder::~SoundRecorder() { hooks::sound = previous_; }

}  // namespace plat::testing
