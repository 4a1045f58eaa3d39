#include "platform/sound/sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QString>

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/sound/sound_hooks.h"

#ifdef PLAT_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#endif

namespace plat::hooks {
SoundHandler* sound = nullptr;
}  // namespace plat::hooks

namespace plat {
namespace {

#ifdef PLAT_HAVE_MULTIMEDIA
// The one sound of the process; a child of the application object, so that
// it ends with it.
QPointer<QSoundEffect>& Player() {
  static QPointer<QSoundEffect> player;
  return player;
}

void Stop() {
  if (QSoundEffect* player = Player()) player->stop();
}

bool Play(const std::string& file) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QMediaDevices::defaultAudioOutput().isNull()) return false;
  QPointer<QSoundEffect>& player = Player();
  if (!player) player = new QSoundEffect(app);
  player->stop();
  player->setSource(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(file))));
  player->play();  // starts once the file is loaded; a file it cannot read plays nothing
  return true;
}
#else
// Built without Qt Multimedia: no sound.
void Stop() {}
bool Play(const std::string&) { return false; }
#endif

}  // namespace

bool PlaySound(const char* file, unsigned flags) {
  const std::string name = file ? file : "";
  if (hooks::sound && hooks::sound->handle) return hooks::sound->handle(hooks::SoundCall{name, flags});
  Stop();
  if (name.empty()) return true;
  if (!FileExists(name)) {
    if ((flags & SND_NODEFAULT) == 0) Beep();
    return false;
  }
  return Play(name);
}

}  // namespace plat
