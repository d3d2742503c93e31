// The master volumes change what is heard: the engine's sounds played through the SDL backend on
// SDL's dummy audio device, measured in the stream the mixer has mixed (its post-mix hook).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/impact.h"
#include "platform/files.h"
#include "platform/os.h"
#include "runtime/backend.h"
#include "runtime/clock.h"
#include "runtime/runtime.h"
#include "tests/support/game_runner.h"
#include "tests/unit/square_wave.h"

namespace {

// The root mean square of the mixed stream, over whole blocks the mixer made after a change.
class MixTap {
 public:
  static void Hook(void* tap, std::uint8_t* stream, int length) {
    static_cast<MixTap*>(tap)->Take(reinterpret_cast<const std::int16_t*>(stream),
                                    static_cast<std::size_t>(length) / sizeof(std::int16_t));
  }

  // Blocks mixed before the call may still hold the old volumes: two are let by, four measured.
  // Nothing (NaN) when the device mixes nothing for ten seconds.
  double Rms() {
    std::unique_lock lock(mutex_);
    blocks_ = 0;
    sum_ = 0;
    count_ = 0;
    const bool measured =
        done_.wait_for(lock, std::chrono::seconds(10), [this] { return blocks_ >= 6; });
    return measured && count_ > 0 ? std::sqrt(sum_ / static_cast<double>(count_)) : NAN;
  }

 private:
  void Take(const std::int16_t* samples, std::size_t count) {
    std::lock_guard lock(mutex_);
    if (++blocks_ > 2 && blocks_ <= 6) {
      for (std::size_t i = 0; i < count; ++i) sum_ += static_cast<double>(samples[i]) * samples[i];
      count_ += count;
    }
    done_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable done_;
  int blocks_ = 0;
  double sum_ = 0;
  std::size_t count_ = 0;
};

using PostMixHook = void (*)(void (*)(void*, std::uint8_t*, int), void*);

class HeardVolume : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::SetEnvironment("SDL_AUDIODRIVER", "dummy");
    dir_ =
        std::filesystem::temp_directory_path() / ("glint_heard_" + std::to_string(os::processId()));
    std::filesystem::create_directories(dir_ / "sound");
    Write("sound/effect.wav", testing_support::SquareWave(22050, 0x2000));
    // Long enough to be played from its file, as the music loops are.
    Write("sound/music.wav", testing_support::SquareWave(22050 * 14, 0x2000));
    files::setGameDir(dir_.string());
    rt::setBackend(rt::makeSdlBackend());
    rt::setClock(std::make_unique<rt::VirtualClock>());
    i3ImpactOpen(1, 0);
    if (!rt::backend().soundAvailable()) GTEST_SKIP() << "no dummy audio driver";
      // The backend opened the mixer's library; the same one is asked for its post-mix hook.
#ifdef _WIN32
    library_ = SDL_LoadObject("SDL2_mixer.dll");
#else
    library_ = SDL_LoadObject("libSDL2_mixer-2.0.so.0");
#endif
    ASSERT_NE(library_, nullptr);
    setPostMix_ = reinterpret_cast<PostMixHook>(SDL_LoadFunction(library_, "Mix_SetPostMix"));
    ASSERT_NE(setPostMix_, nullptr);
    setPostMix_(&MixTap::Hook, &tap_);
    effect_ = iSoundCreate("sound/effect.wav", 0);
    music_ = iSoundCreate("sound/music.wav", 0);
    iSoundKindSet(music_, iSoundMusic);
  }

  void TearDown() override {
    if (setPostMix_) setPostMix_(nullptr, nullptr);
    if (library_) SDL_UnloadObject(library_);
    iSoundMasterVolumeSet(iSoundEffect, 1);
    iSoundMasterVolumeSet(iSoundMusic, 1);
    i3ImpactClose();
    rt::setBackend(rt::makeHeadlessBackend());
    std::filesystem::remove_all(dir_);
  }

  void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(dir_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }

  // The heard level against the level at full volume, in decibels.
  static double Db(double rms, double full) {
    return 20 * std::log10(rms / full);
  }

  std::filesystem::path dir_;
  MixTap tap_;
  void* library_ = nullptr;
  PostMixHook setPostMix_ = nullptr;
  iHandle effect_ = 0, music_ = 0;
};

TEST_F(HeardVolume, EachMasterVolumeScalesItsOwnKindAlone) {
  // One kind at a time, the other kind's master turned down to show it does not reach across.
  const struct {
    const char* kind;
    iHandle* sound;
    iSoundKind own, other;
  } cases[] = {{"effects", &effect_, iSoundEffect, iSoundMusic},
               {"music", &music_, iSoundMusic, iSoundEffect}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    iSoundPlayNow(*c.sound, -1);
    const double full = tap_.Rms();
    ASSERT_GT(full, 1000) << "the sound is not heard at all";
    iSoundMasterVolumeSet(c.other, 0);
    EXPECT_NEAR(Db(tap_.Rms(), full), 0, 0.2);
    iSoundMasterVolumeSet(c.own, 0.5f);
    EXPECT_NEAR(Db(tap_.Rms(), full), -6.02, 0.2);
    // The sound's own volume multiplies its master's.
    iSoundVolumeSet(*c.sound, 0.5f);
    EXPECT_NEAR(Db(tap_.Rms(), full), -12.04, 0.3);
    iSoundMasterVolumeSet(c.own, 0);
    EXPECT_LT(tap_.Rms(), 1);
    iSoundStop(*c.sound);
    iSoundVolumeSet(*c.sound, 1);
    iSoundMasterVolumeSet(iSoundEffect, 1);
    iSoundMasterVolumeSet(iSoundMusic, 1);
  }
}

TEST_F(HeardVolume, ASoundStartedAfterTheChangeIsHeardAtIt) {
  iSoundMasterVolumeSet(iSoundEffect, 0.3f);
  const iHandle later = iSoundCreate("sound/effect.wav", 0);
  iSoundPlayNow(later, -1);
  const double quiet = tap_.Rms();
  iSoundMasterVolumeSet(iSoundEffect, 1);
  EXPECT_NEAR(Db(quiet, tap_.Rms()), 20 * std::log10(0.3), 0.3);
}

}  // namespace
