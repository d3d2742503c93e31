// Inputs that once broke a reader of outside bytes (most found by the fuzzers in fuzz/), fed to
// the same reader: each is refused, or read as what it says.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/script.h"
#include "runtime/sdl/mixer.h"
#include "runtime/system.h"
#include "runtime/wave_bytes.h"
#include "tests/support/game_runner.h"
#include "tests/unit/engine_fixtures.h"

namespace {

using enginetest::Bytes;
using enginetest::putLe16;
using enginetest::putLe32;

// A RIFF WAVE file of the given chunks, each its name, its length as stored and its bytes.
struct Chunk {
  const char* name;
  std::uint32_t length;
  Bytes body;
};
Bytes Riff(const std::vector<Chunk>& chunks) {
  Bytes out = enginetest::text("RIFF");
  putLe32(out, 0);
  out.insert(out.end(), {'W', 'A', 'V', 'E'});
  for (const Chunk& chunk : chunks) {
    out.insert(out.end(), chunk.name, chunk.name + 4);
    putLe32(out, chunk.length);
    out.insert(out.end(), chunk.body.begin(), chunk.body.end());
  }
  return out;
}

Bytes Format(std::uint32_t rate, int channels = 1) {
  Bytes out;
  putLe16(out, 1);  // PCM
  putLe16(out, channels);
  putLe32(out, rate);
  putLe32(out, rate * 2 * static_cast<std::uint32_t>(channels));
  putLe16(out, 2 * channels);
  putLe16(out, 16);
  return out;
}

const Bytes kSamples = {0x00, 0x04, 0x00, 0xFC, 0x00, 0x04};

TEST(HostileSounds, ChunksMustLieInsideTheFileAndTheRateBeAudible) {
  const struct {
    const char* what;
    Bytes bytes;
    const char* problem;
  } cases[] = {
      {"16-bit mono", Riff({{"fmt ", 16, Format(44100)}, {"data", 6, kSamples}}), ""},
      {"a list chunk of odd length before the samples, padded",
       Riff({{"fmt ", 16, Format(22050, 2)}, {"LIST", 3, {1, 2, 3, 0}}, {"data", 4, {0, 0, 0, 0}}}),
       ""},
      {"samples of odd length", Riff({{"fmt ", 16, Format(22050)}, {"data", 5, {0, 0, 0, 0, 0}}}),
       ""},
      // The fuzzer's find: 50 bytes whose samples claim 3.5 GB, which the mixer reserved whole.
      {"samples longer than the file",
       Riff({{"fmt ", 16, Format(44100)},
             {"data", 0xD2000008u, {0x00, 0x1D, 0x3A, 0x57, 0x74, 0x91}}}),
       "a chunk runs past the end of the file"},
      {"a chunk before the samples longer than the file",
       Riff({{"fmt ", 16, Format(44100)}, {"LIST", 0xFFFFFFF0u, {}}, {"data", 6, kSamples}}),
       "a chunk runs past the end of the file"},
      {"one sample a second, stretched 44100 times by the mixer",
       Riff({{"fmt ", 16, Format(1)}, {"data", 6, kSamples}}), "sample rate below 8000 Hz"},
      {"samples first", Riff({{"data", 6, kSamples}, {"fmt ", 16, Format(44100)}}),
       "samples before the format chunk"},
      {"format cut short", Riff({{"fmt ", 8, Bytes(8, 1)}, {"data", 6, kSamples}}),
       "format chunk too short"},
      {"no samples", Riff({{"fmt ", 16, Format(44100)}}), "no samples"},
      {"nothing after the header", Riff({}), "no format chunk"},
      {"not RIFF", enginetest::text("MThd and more bytes"), "not a RIFF WAVE file"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rt::waveProblem(c.bytes), c.problem) << c.what;
  }

  // What the check lets through, the mixer decodes.
  testing_support::SetEnvironment("SDL_AUDIODRIVER", "dummy");
  rt::sdl::Mixer mixer;
  if (!mixer.open()) GTEST_SKIP() << "no dummy audio driver";
  for (const auto& c : cases) {
    if (*c.problem == '\0') {
      EXPECT_NE(mixer.load(c.bytes), 0) << c.what;
    }
  }
}

// The script driver reads a number as the parser checked it: "2.55e2" is key 255, not key 2, and
// "2550e-1" is 255, not 2550, which once wrote far past the frame's 256 keys.
TEST(HostileScripts, NumbersAreUsedAsTheyWereChecked) {
  struct Ended {
    int status;
  };
  std::string error;
  auto commands = rt::ParseScript("key 2.55e2 2550e-1 0x1F\nframes 1e1\n", error);
  ASSERT_EQ(error, "");
  rt::VirtualClock clock;
  rt::ScriptDriver driver(
      std::move(commands), clock, [] { return rt::Json::object(); },
      [](int status) { throw Ended{status}; });
  rt::InputFrame frame;
  driver.nextFrame(frame);
  for (int code = 0; code < 256; ++code) {
    EXPECT_EQ(frame.clicked[static_cast<std::size_t>(code)], code == 255 || code == 31) << code;
  }
  int frames = 1;
  try {
    for (; frames < 20; ++frames) driver.nextFrame(frame);
  } catch (const Ended& ended) {
    EXPECT_EQ(ended.status, 0);
  }
  EXPECT_EQ(frames, 10) << "frames 1e1 runs ten frames";
}

// Numbers that passed the parser and then overflowed a conversion: a pointer position turned
// into window pixels, a frame period into microseconds.
TEST(HostileScripts, PointerAndPeriodOutsideTheirRangeAreScriptErrors) {
  for (const char* line :
       {"mouse 1e10 0.5", "mouse 0.5 -1e30", "mouse 1.5 0", "period 1e300", "period 60001"}) {
    std::string error;
    EXPECT_TRUE(rt::ParseScript(line, error).empty()) << line;
    EXPECT_NE(error.find("script line 1"), std::string::npos) << line << ": " << error;
  }
  std::string error;
  EXPECT_EQ(rt::ParseScript("mouse 0 1\nperiod 60000\nmessage hotkey 2e2\n", error).size(), 3u)
      << error;
}

}  // namespace
