// The sound mixer on SDL's dummy audio device: sounds made from the same bytes share their
// decoded samples but play, stop and report on their own; music plays from its file, one stream
// at a time.
#include "runtime/sdl/mixer.h"
#include "tests/support/game_runner.h"
#include "tests/unit/square_wave.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// A quiet square wave of `samples` samples.
std::vector<std::uint8_t> Wave(std::uint32_t samples) {
  return testing_support::SquareWave(samples, 0x0400);
}

class MixerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::SetEnvironment("SDL_AUDIODRIVER", "dummy");
    if (!mixer.open()) GTEST_SKIP() << "no dummy audio driver";
  }
  rt::sdl::Mixer mixer;
};

TEST_F(MixerTest, SoundsFromTheSameBytesPlayAndStopOnTheirOwn) {
  const auto bytes = Wave(22050);
  const int first = mixer.load(bytes), second = mixer.load(bytes);
  ASSERT_NE(first, 0);
  ASSERT_NE(second, 0);
  mixer.play(first, true);
  EXPECT_TRUE(mixer.playing(first));
  EXPECT_FALSE(mixer.playing(second)) << "the same samples, another sound";
  mixer.play(second, true);
  mixer.stop(second);
  EXPECT_TRUE(mixer.playing(first));
  EXPECT_FALSE(mixer.playing(second));
  mixer.free(second);
  EXPECT_TRUE(mixer.playing(first)) << "the shared samples live on";
  mixer.stop(first);
  EXPECT_FALSE(mixer.playing(first));
  EXPECT_EQ(mixer.load({'n', 'o', 'p', 'e'}), 0);
}

TEST_F(MixerTest, MusicPlaysFromItsFileOneStreamAtATime) {
  const auto dir = std::filesystem::temp_directory_path() / "glint-mixer-test";
  std::filesystem::create_directories(dir);
  const auto bytes = Wave(22050 * 3);
  for (const char* name : {"a.wav", "b.wav"}) {
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  const int menu = mixer.loadStream((dir / "a.wav").string());
  const int game = mixer.loadStream((dir / "b.wav").string());
  ASSERT_NE(menu, 0);
  ASSERT_NE(game, 0);
  EXPECT_EQ(mixer.loadStream((dir / "missing.wav").string()), 0);
  mixer.play(menu, true);
  EXPECT_TRUE(mixer.playing(menu));
  mixer.play(game, true);
  EXPECT_TRUE(mixer.playing(game));
  EXPECT_FALSE(mixer.playing(menu)) << "the new stream took over";
  mixer.stop(menu);
  EXPECT_TRUE(mixer.playing(game)) << "stopping a stream that is not playing changes nothing";
  mixer.clear();
  EXPECT_FALSE(mixer.playing(game));
  std::filesystem::remove_all(dir);
}

}  // namespace
