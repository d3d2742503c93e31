// The sounds: valid 16-bit PCM wave files the engine accepts, never touching full scale; the
// music tracks are long loops that join without a click or a fade at the seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/assets/asset_bytes.h"
#include "userdata/Preferences.h"

namespace asset_checks {
namespace {

struct Wave {
  int channels = 0;
  int rate = 0;
  std::vector<int16_t> samples;  // interleaved
};

// Walks the RIFF chunks; nothing when the header, the format or a chunk length is wrong.
std::optional<Wave> parseWave(const Bytes& b) {
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE" || u32At(b, 4) != b.size() - 8)
    return std::nullopt;
  Wave wave;
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
    const size_t length = u32At(b, at + 4);
    if (length > b.size() - at - 8) return std::nullopt;
    if (id == "fmt ") {
      if (length < 16 || u16At(b, at + 8) != 1 || u16At(b, at + 22) != 16) return std::nullopt;
      wave.channels = static_cast<int>(u16At(b, at + 10));
      wave.rate = static_cast<int>(u32At(b, at + 12));
      haveFormat = u32At(b, at + 16) == static_cast<uint32_t>(wave.rate * wave.channels * 2) &&
                   u16At(b, at + 20) == static_cast<uint32_t>(wave.channels * 2);
    } else if (id == "data" && haveFormat) {
      for (size_t i = 0; i + 1 < length; i += 2) wave.samples.push_back(s16At(b, at + 8 + i));
      return wave;
    }
    at += 8 + length + (length & 1);
  }
  return std::nullopt;
}

double rms(const std::vector<int16_t>& s, size_t from, size_t count) {
  double sum = 0;
  for (size_t i = from; i < from + count; ++i) sum += static_cast<double>(s[i]) * s[i];
  return std::sqrt(sum / static_cast<double>(count));
}

class SoundTest : public testing::TestWithParam<const char*> {};

TEST_P(SoundTest, ValidPcmThatNeverClips) {
  const std::optional<Wave> wave = parseWave(readBytes(gameDir() / "sound" / GetParam()));
  ASSERT_TRUE(wave) << GetParam() << " missing or not 16-bit PCM RIFF WAVE";
  EXPECT_TRUE(wave->channels == 1 || wave->channels == 2);
  EXPECT_TRUE(wave->rate == 22050 || wave->rate == 44100) << wave->rate;
  ASSERT_GT(wave->samples.size(), static_cast<size_t>(wave->rate / 50)) << "too short";
  int peak = 0;
  for (int16_t s : wave->samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_LT(peak, 32767) << "reaches full scale";
  EXPECT_GT(peak, 3000) << "nearly silent";
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundTest,
                         testing::Values("musmenu.wav", "musgame.wav", "mainmenuchg.WAV",
                                         "btn_clk.wav", "bita_explo.wav", "Bonus1.wav",
                                         "Block1.wav", "Block10.wav", "Enemy1.wav", "Enemy2.wav",
                                         "Enemy3.wav", "EnemyHit.wav"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           return name.substr(0, name.find('.'));
                         });

class MusicTest : public testing::TestWithParam<const char*> {};

TEST_P(MusicTest, LongLoopThatJoinsSeamlessly) {
  const std::optional<Wave> wave = parseWave(readBytes(gameDir() / "sound" / GetParam()));
  ASSERT_TRUE(wave);
  ASSERT_EQ(wave->channels, 1);
  const std::vector<int16_t>& s = wave->samples;
  const double seconds = static_cast<double>(s.size()) / wave->rate;
  EXPECT_GE(seconds, 40);
  EXPECT_LE(seconds, 90);

  // No fade at the seam: the last and the first half second are as loud as the track overall.
  const size_t half = static_cast<size_t>(wave->rate / 2);
  const double overall = rms(s, 0, s.size());
  EXPECT_GT(rms(s, 0, half), 0.3 * overall);
  EXPECT_GT(rms(s, s.size() - half, half), 0.3 * overall);

  // No click: the step from the last sample to the first is like the steps around it.
  double usualStep = 0;
  for (size_t i = s.size() - 200; i + 1 < s.size(); ++i) usualStep += std::abs(s[i + 1] - s[i]);
  usualStep /= 199;
  EXPECT_LE(std::abs(s.front() - s.back()), 4 * usualStep + 200) << "the loop jumps at the seam";
}

INSTANTIATE_TEST_SUITE_P(Music, MusicTest, testing::Values("musmenu.wav", "musgame.wav"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).substr(3, 4);
                         });

// Decibels relative to full scale of a root mean square of 16-bit samples.
double Dbfs(double rms) {
  return 20 * std::log10(rms / 32768);
}

// The loudest tenth of a second of a sound, by its RMS, in 10 ms steps.
double LoudestTenth(const Wave& wave) {
  const std::vector<int16_t>& s = wave.samples;
  const size_t window = std::min(s.size(), static_cast<size_t>(wave.rate / 10));
  double loudest = 0;
  for (size_t at = 0; at + window <= s.size(); at += static_cast<size_t>(wave.rate / 100)) {
    loudest = std::max(loudest, rms(s, at, window));
  }
  return Dbfs(loudest);
}

// The gain of a volume of the player's preferences (a percentage), in decibels.
double VolumeGain(std::uint8_t percent) {
  return 20 * std::log10(percent / 100.0);
}

// The music sits under the effects heard with it, at the volumes a player starts with: a loop's
// RMS is at least 8 dB below the loudest tenth of a second of every effect, so no hit is masked.
// Prints the figures.
TEST(SoundMix, EachLoopSitsAtLeast8DbUnderEveryEffectHeardWithIt) {
  const struct {
    const char* music;
    std::vector<const char*> effects;
  } mixes[] = {
      {"musgame.wav",
       {"Block1.wav", "Block10.wav", "Bonus1.wav", "bita_explo.wav", "Enemy1.wav", "Enemy2.wav",
        "Enemy3.wav", "EnemyHit.wav"}},
      {"musmenu.wav", {"mainmenuchg.WAV", "btn_clk.wav"}},
  };
  const auto load = [](const char* name) {
    std::optional<Wave> wave = parseWave(readBytes(gameDir() / "sound" / name));
    EXPECT_TRUE(wave) << name;
    return wave.value_or(Wave{1, 44100, {0}});
  };
  const TPreferences defaults;
  for (const auto& mix : mixes) {
    const Wave music = load(mix.music);
    const double musicDb =
        Dbfs(rms(music.samples, 0, music.samples.size())) + VolumeGain(defaults.MusicVolume);
    std::printf("%-16s RMS %6.1f dBFS\n", mix.music, musicDb);
    for (const char* effect : mix.effects) {
      const Wave wave = load(effect);
      const double loudest = LoudestTenth(wave) + VolumeGain(defaults.EffectsVolume);
      int peak = 0;
      for (int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
      std::printf("  %-16s RMS %6.1f, loudest 100 ms %6.1f, peak %5.1f dBFS: %4.1f dB over\n",
                  effect, Dbfs(rms(wave.samples, 0, wave.samples.size())), loudest, Dbfs(peak),
                  loudest - musicDb);
      EXPECT_GE(loudest - musicDb, 8) << effect << " against " << mix.music;
    }
  }
}

}  // namespace
}  // namespace asset_checks
