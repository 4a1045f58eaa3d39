#include "platform/sound/sound_module.h"

#include <dlfcn.h>

#include <map>
#include <memory>

namespace plat::detail {

const SoundModule* SoundModuleAt(const std::string& path) {
  static std::map<std::string, std::unique_ptr<SoundModule>> opened;  // the user-interface thread's
  auto [it, added] = opened.try_emplace(path);
  if (added) {
    // Kept open for the rest of the process: its sound may still be playing.
    if (void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      auto play = reinterpret_cast<bool (*)(const char*)>(dlsym(module, "plat_sound_play"));
      auto stop = reinterpret_cast<void (*)()>(dlsym(module, "plat_sound_stop"));
      if (play && stop) it->second = std::make_unique<SoundModule>(SoundModule{play, stop});
    }
  }
  return it->second.get();
}

}  // namespace plat::detail
