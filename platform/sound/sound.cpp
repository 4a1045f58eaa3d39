#include "platform/sound/sound.h"

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/sound/sound_hooks.h"
#include "platform/sound/sound_module.h"

namespace plat::hooks {
SoundHandler* sound = nullptr;
}  // namespace plat::hooks

namespace plat {
namespace {

// The sound module beside the program: opened at the first sound played, never just to stop one.
const detail::SoundModule* Module(bool open) {
  static const detail::SoundModule* module = nullptr;
  static bool tried = false;
  if (open && !tried) {
    tried = true;
    module = detail::SoundModuleAt(ProgramFolder() + detail::kSoundModuleName);
  }
  return module;
}

}  // namespace

bool PlaySound(const char* file, unsigned flags) {
  const std::string name = file ? file : "";
  if (hooks::sound && hooks::sound->handle) return hooks::sound->handle(hooks::SoundCall{name, flags});
  if (const detail::SoundModule* playing = Module(false)) playing->stop();
  if (name.empty()) return true;
  if (!FileExists(name)) {
    if ((flags & SND_NODEFAULT) == 0) Beep();
    return false;
  }
  const detail::SoundModule* module = Module(true);
  return module && module->play(name.c_str());
}

}  // namespace plat
