// Replays in bytes: frames of input through the frame codec come back as they went in, a replay
// file round-trips, every kind of bad file is refused with its reason, a ten-minute game stays
// small, and the replay shelf keeps the last games and every record's.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/fnv1a.h"
#include "replay/FrameCodec.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayShelf.h"
#include "tests/support/game_runner.h"

namespace {

using testing::HasSubstr;

// Frames as a player makes them: mostly steady, now and then a key, a click, a move, a pad's
// button or stick, a late frame.
std::vector<TFrameInput> PlayedFrames(int count, unsigned seed) {
  std::mt19937 random(seed);
  const auto chance = [&random](double p) {
    return std::uniform_real_distribution<double>(0, 1)(random) < p;
  };
  std::vector<TFrameInput> frames;
  TFrameInput frame;
  frame.tick = 1000;
  frame.windowKnown = frame.pointerKnown = frame.windowFocused = true;
  frame.windowLeft = 112, frame.windowTop = 108, frame.windowRight = 912, frame.windowBottom = 708;
  frame.screenWidth = 1024, frame.screenHeight = 768;
  for (int i = 0; i < count; ++i) {
    frame.clicked.fill(false);
    frame.leftClick = frame.rightClick = false;
    frame.padClicked = 0;
    frame.stepMs = chance(0.02) ? 14 + static_cast<int>(random() % 30) : 13;
    frame.tick += static_cast<std::uint32_t>(frame.stepMs);
    if (chance(0.01)) {
      const int code = static_cast<int>(random() % 256);
      frame.down[code] = !frame.down[code];
      frame.clicked[code] = frame.down[code];
    }
    if (chance(0.01)) frame.leftClick = true;
    if (chance(0.01)) {
      const std::uint32_t button = 1u << (random() % 15);
      frame.padDown ^= button;
      frame.padClicked = frame.padDown & button;
    }
    // A button pressed and let go between two frames: clicked, not held.
    if (chance(0.002)) frame.padClicked |= 1u << (random() % 15);
    if (chance(0.05))
      frame.padStick = static_cast<std::int8_t>(static_cast<int>(random() % 255) - 127);
    if (chance(0.05)) {
      frame.mouseX = static_cast<float>(random() % 6401) / 6400.0f;
      frame.pointerX = 112 + static_cast<int>(random() % 800);
    }
    if (chance(0.001)) frame.windowFocused = !frame.windowFocused;
    frames.push_back(frame);
  }
  return frames;
}

// What a replay keeps of a frame, for comparing.
std::string Kept(const TFrameInput& f, TPointerSource source) {
  std::string text = std::to_string(f.tick) + " " + std::to_string(f.stepMs) + " ";
  for (int code = 0; code < 256; ++code) text += f.down[code] ? 'd' : (f.clicked[code] ? 'c' : '.');
  text += std::to_string(f.leftClick) + std::to_string(f.rightClick) + " pad " +
          std::to_string(f.padDown) + "," + std::to_string(f.padClicked) + "," +
          std::to_string(f.padStick);
  if (source == TPointerSource::EngineMouse) {
    return text + " " + std::to_string(f.mouseX) + "," + std::to_string(f.mouseY);
  }
  return text + " " + std::to_string(f.pointerKnown) + std::to_string(f.pointerX) + "," +
         std::to_string(f.pointerY) + " " + std::to_string(f.windowFocused) +
         std::to_string(f.windowLeft) + std::to_string(f.screenWidth);
}

TReplay ReplayOf(const std::vector<TFrameInput>& frames, TPointerSource source) {
  TReplay replay;
  replay.GameVersion = "1.0";
  replay.LevelsHash = 0x1234567890ABCDEFull;
  replay.EndedAt = 1'700'000'000;
  replay.Start.Seed = 77;
  replay.Start.Tick = 1000;
  replay.Start.Pointer = source;
  replay.Start.PointerX = -3.25L;
  replay.Start.PointerY = 7.0L / 3;
  replay.Result = {1160, 2, 0xFEEDull};
  replay.Reseeds = {{5, 99}, {40, 100}};
  TFrameEncoder encoder(source, replay.Start.Tick);
  for (const TFrameInput& frame : frames) encoder.Add(frame);
  replay.Frames = static_cast<std::uint32_t>(encoder.Frames());
  replay.FrameBits = encoder.Finish();
  return replay;
}

TEST(FrameCodec, EveryFrameComesBackAsItWentIn) {
  for (const TPointerSource source : {TPointerSource::System, TPointerSource::EngineMouse}) {
    const auto frames = PlayedFrames(5000, 3);
    const TReplay replay = ReplayOf(frames, source);
    TFrameDecoder decoder(replay.FrameBits, source, replay.Start.Tick, replay.Frames);
    TFrameInput frame;
    for (std::size_t i = 0; i < frames.size(); ++i) {
      ASSERT_TRUE(decoder.Next(frame)) << "frame " << i;
      ASSERT_EQ(Kept(frame, source), Kept(frames[i], source)) << "frame " << i;
    }
    EXPECT_FALSE(decoder.Next(frame));
    EXPECT_TRUE(decoder.EndsHere());
  }
}

TEST(ReplayFile, ATenMinuteGameTakesAFewKilobytes) {
  // 46 154 frames of 13 ms, far busier than real play.
  const auto frames = PlayedFrames(46154, 5);
  const std::vector<std::uint8_t> bytes = EncodeReplay(ReplayOf(frames, TPointerSource::System));
  std::printf("a ten-minute game of busy input: %zu bytes\n", bytes.size());
  EXPECT_LT(bytes.size(), 40u * 1024);
}

TEST(ReplayFile, ARoundTripKeepsEveryField) {
  const TReplay replay = ReplayOf(PlayedFrames(300, 1), TPointerSource::System);
  std::string error;
  const auto back = DecodeReplay(EncodeReplay(replay), error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->GameVersion, replay.GameVersion);
  EXPECT_EQ(back->LevelsHash, replay.LevelsHash);
  EXPECT_EQ(back->EndedAt, replay.EndedAt);
  EXPECT_EQ(back->Start.Seed, replay.Start.Seed);
  EXPECT_EQ(back->Start.PointerX, replay.Start.PointerX);
  EXPECT_EQ(back->Start.PointerY, replay.Start.PointerY) << "to the last bit of a long double";
  EXPECT_EQ(back->Result, replay.Result);
  EXPECT_EQ(back->Reseeds.size(), 2u);
  EXPECT_EQ(back->FrameBits, replay.FrameBits);
  EXPECT_EQ(ReplayMismatch(*back, "1.0", replay.LevelsHash), "");
}

TEST(ReplayFile, EveryBadFileIsRefusedWithItsReason) {
  const TReplay replay = ReplayOf(PlayedFrames(300, 2), TPointerSource::System);
  const std::vector<std::uint8_t> good = EncodeReplay(replay);
  const auto withChecksum = [](std::vector<std::uint8_t> bytes) {
    bytes.resize(bytes.size() - 8);
    const std::uint64_t sum = rt::fnv1a(bytes.data(), bytes.size());
    for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<std::uint8_t>(sum >> (8 * i)));
    return bytes;
  };
  std::vector<std::uint8_t> flipped = good;
  flipped[good.size() / 2] ^= 0x10;
  std::vector<std::uint8_t> longer = good;
  longer.push_back(0);
  std::vector<std::uint8_t> huge = good;
  huge.resize(kMaxReplayBytes + 1);
  std::vector<std::uint8_t> future = good;
  future[4] = 3;
  // Format 1 had no gamepad in its frames.
  std::vector<std::uint8_t> older = good;
  older[4] = 1;
  std::vector<std::uint8_t> noise = good;
  for (std::size_t i = good.size() - 8 - replay.FrameBits.size(); i < good.size() - 8; ++i) {
    noise[i] = 0;  // no frame can be read from zero bits
  }
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* why;
  } bad[] = {
      {"empty", {}, "is not a Glintbreaker replay"},
      {"a picture", {0x89, 'P', 'N', 'G', 13, 10}, "is not a Glintbreaker replay"},
      {"truncated", {good.begin(), good.end() - 9}, "is cut short"},
      {"its head only", {good.begin(), good.begin() + 20}, "is cut short"},
      {"a bit changed", flipped, "checksum does not match"},
      {"a byte more", longer, "has bytes after its end"},
      {"a newer format", future, "is of replay format 3"},
      {"the format before the pads", older, "is of replay format 1; this game reads format 2"},
      {"frames that cannot be read", withChecksum(noise), "holds frames that cannot be read"},
      {"too large", huge, "is larger than any replay"},
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_FALSE(DecodeReplay(c.bytes, error));
    EXPECT_THAT(error, HasSubstr(c.why));
  }
  std::string error;
  const auto other = DecodeReplay(good, error);
  ASSERT_TRUE(other) << error;
  EXPECT_EQ(ReplayMismatch(*other, "1.1", replay.LevelsHash),
            "was recorded by Glintbreaker 1.0; this is 1.1");
  EXPECT_THAT(ReplayMismatch(*other, "1.0", 1), HasSubstr("was recorded on other levels"));
}

TEST(ReplayShelf, KeepsTheLastTwentyGamesAndEveryRecordsForGood) {
  const testing_support::TempDir user;
  files::setUserDir(user.path());
  {
    TReplayShelf shelf;
    for (int game = 0; game < 30; ++game) {
      shelf.Save(1'700'000'000 + game * 60, game * 10, {static_cast<std::uint8_t>(game)});
      // The third game's record went into the table.
      if (game == 2) shelf.KeepLastAsRecord();
    }
    // Two games of the same second and score both keep their replay.
    shelf.Save(1'700'000'000 + 29 * 60, 290, {99});
    shelf.Flush();
  }
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(user.file("replays"))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  ASSERT_EQ(names.size(), 21u);
  EXPECT_EQ(std::count_if(names.begin(), names.end(),
                          [](const std::string& name) { return name.ends_with("_20_record.glr"); }),
            1);
  EXPECT_EQ(std::count_if(names.begin(), names.end(),
                          [](const std::string& name) { return name.ends_with("_290-2.glr"); }),
            1);
}

}  // namespace
