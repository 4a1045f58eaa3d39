// The sound module (plat-sound.so): Qt Multimedia's sound effect behind two plain functions that
// platform/sound/sound.cpp finds with dlsym once a program plays its first sound.
#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

// The one sound of the process; a child of the application object, so that it ends with it.
QPointer<QSoundEffect>& Player() {
  static QPointer<QSoundEffect> player;
  return player;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void plat_sound_stop() {
  if (QSoundEffect* player = Player()) player->stop();
}

extern "C" __attribute__((visibility("default"))) bool plat_sound_play(const char* file) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QMediaDevices::defaultAudioOutput().isNull()) return false;
  QPointer<QSoundEffect>& player = Player();
  if (!player) player = new QSoundEffect(app);
  player->stop();
  player->setSource(QUrl::fromLocalFile(QFile::decodeName(QByteArray(file))));
  player->play();  // starts once the file is loaded; a file it cannot read plays nothing
  return true;
}
