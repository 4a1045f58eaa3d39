// PlaySound: recorded by tests, played in the background, silent when the
// file or the audio device is missing.
#include "platform/sound/sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/binary_io.h"
#include "platform/sound/sound_module.h"
#include "platform/sound/sound_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace plat {
namespace {

constexpr unsigned kClickFlags = SND_FILENAME | SND_ASYNC | SND_NODEFAULT;

// A mono 16-bit PCM WAV file of silence.
std::string WriteSilence(const std::string& path, int seconds) {
  const std::uint32_t rate = 8000;
  const std::uint32_t data = rate * 2 * static_cast<std::uint32_t>(seconds);
  std::vector<std::uint8_t> bytes;
  auto text = [&](const char* s) { bytes.insert(bytes.end(), s, s + 4); };
  auto u32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  auto u16 = [&](std::uint16_t v) {
    bytes.push_back(static_cast<std::uint8_t>(v));
    bytes.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  text("RIFF"); u32(36 + data); text("WAVE");
  text("fmt "); u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
  text("data"); u32(data);
  bytes.resize(bytes.size() + data, 0);
  EXPECT_TRUE(WriteBlock(path, bytes.data(), bytes.size()));
  return path;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(PlaySound, RecorderKeepsFileAndFlags) {
  testing::SoundRecorder recorder;
  const std::string missing = testing::TestFolder() + "U.WAV";
  EXPECT_TRUE(PlaySound(missing, kClickFlags));
  EXPECT_TRUE(PlaySound(nullptr, 0));
  ASSERT_EQ(recorder.calls().size(), 2u);
  EXPECT_EQ(recorder.calls()[0].file, missing);
  EXPECT_EQ(recorder.calls()[0].flags, 0x20003u);
  EXPECT_EQ(recorder.calls()[1].file, "");
  EXPECT_EQ(recorder.calls()[1].flags, 0u);
}

TEST(PlaySound, MissingFilePlaysNothingAndSaysNothing) {
  testing::MessageBoxScript boxes;
  const int beeps = testing::BeepCount();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(PlaySound(testing::TestFolder() + "U.WAV", kClickFlags));
  EXPECT_LT(SecondsSince(start), 1.0);
  EXPECT_EQ(testing::BeepCount(), beeps);
  // Without SND_NODEFAULT the default sound stands in for it.
  EXPECT_FALSE(PlaySound(testing::TestFolder() + "U.WAV", SND_FILENAME | SND_ASYNC));
  EXPECT_EQ(testing::BeepCount(), beeps + 1);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST(PlaySound, AWavFilePlaysInTheBackground) {
  testing::MessageBoxScript boxes;
  const std::string wav = WriteSilence(testing::TestFolder() + "U.WAV", 3);
  const auto start = std::chrono::steady_clock::now();
  PlaySound(wav, kClickFlags);  // true with an audio device, false without one
  EXPECT_LT(SecondsSince(start), 1.5);  // does not wait for the 3-second sound
  testing::PumpMessages();
  EXPECT_TRUE(PlaySound(nullptr, 0));  // stops it
  testing::PumpMessages();
  EXPECT_TRUE(boxes.shown().empty());
}

TEST(PlaySound, AFileThatIsNoSoundPlaysNothingAndSaysNothing) {
  testing::MessageBoxScript boxes;
  const std::string bad = testing::TestFolder() + "U.WAV";
  ASSERT_TRUE(WriteBlock(bad, "not a sound", 11));
  PlaySound(bad, kClickFlags);
  testing::PumpMessages();
  EXPECT_TRUE(PlaySound(nullptr, 0));
  EXPECT_TRUE(boxes.shown().empty());
}

bool Mapped(const std::string& library) {
  const auto maps = ReadWholeFile("/proc/self/maps");
  if (!maps) return false;
  return std::string(reinterpret_cast<const char*>(maps->data()), maps->size()).find(library) != std::string::npos;
}

// The sound output is a module beside the programs, opened at the first sound: before it nothing
// of Qt Multimedia is in the process.
TEST(SoundModule, QtMultimediaComesWithTheModuleOnly) {
  EXPECT_FALSE(Mapped("libQt6Multimedia"));
  EXPECT_EQ(detail::SoundModuleAt(testing::TestFolder() + detail::kSoundModuleName), nullptr);  // none there
  const std::string path = testing::BinFolder() + detail::kSoundModuleName;
  const detail::SoundModule* module = detail::SoundModuleAt(path);
  ASSERT_NE(module, nullptr) << path;
  EXPECT_TRUE(Mapped("libQt6Multimedia"));
  EXPECT_EQ(detail::SoundModuleAt(path), module);  // opened once
  const std::string wav = WriteSilence(testing::TestFolder() + "U.WAV", 1);
  const auto start = std::chrono::steady_clock::now();
  module->play(wav.c_str());  // true with an audio device, false without one
  EXPECT_LT(SecondsSince(start), 1.5);
  testing::PumpMessages();
  module->stop();
}

}  // namespace
}  // namespace plat
