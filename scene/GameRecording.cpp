#include "scene/GameRecording.h"

#include <cstdio>

#include "replay/GameVersion.h"
#include "scene/Program.h"

void TGameRecording::Start(std::uint64_t seed, std::uint32_t tick, std::uint64_t levelsHash) {
  replay_ = TReplay{};
  replay_.GameVersion = kGameVersion;
  replay_.LevelsHash = levelsHash;
  replay_.Start.Seed = seed;
  replay_.Start.Tick = tick;
  encoder_.reset();
  started_ = true;
  tooLong_ = false;
}

void TGameRecording::Record(const TProgram& program) {
  if (!started_ || tooLong_) return;
  if (!encoder_) {
    TReplayStart& start = replay_.Start;
    const TSettings& settings = program.Settings;
    start.Pointer = settings.Windowed ? TPointerSource::System : TPointerSource::EngineMouse;
    start.BossKey = settings.BossKey;
    start.BossModifiers = static_cast<std::uint8_t>((settings.BossShift ? kBossShift : 0) |
                                                    (settings.BossAlt ? kBossAlt : 0) |
                                                    (settings.BossCtrl ? kBossCtrl : 0));
    start.DialogSelected = program.Screens.Dialog.Selected;
    start.PointerX = program.LastPointer.x;
    start.PointerY = program.LastPointer.y;
    encoder_.emplace(start.Pointer, start.Tick);
  }
  if (encoder_->Frames() >= kMaxReplayFrames) {
    std::fprintf(stderr, "glintbreaker: this game outlasts a replay; it will not be kept\n");
    tooLong_ = true;
    return;
  }
  encoder_->Add(program.Input);
}

void TGameRecording::Reseed(std::uint64_t seed) {
  if (!started_ || tooLong_) return;
  if (replay_.Reseeds.size() >= kMaxReplayReseeds) {
    std::fprintf(stderr,
                 "glintbreaker: the engine was reopened too often; this game will not be kept\n");
    tooLong_ = true;
    return;
  }
  replay_.Reseeds.push_back({static_cast<std::uint32_t>(encoder_ ? encoder_->Frames() : 0), seed});
}

std::optional<TReplay> TGameRecording::Finish(const TReplayResult& result, std::int64_t endedAt) {
  const bool kept = started_ && !tooLong_;
  started_ = false;
  if (!kept) {
    encoder_.reset();
    return std::nullopt;
  }
  if (!encoder_) encoder_.emplace(replay_.Start.Pointer, replay_.Start.Tick);
  replay_.Frames = static_cast<std::uint32_t>(encoder_->Frames());
  replay_.FrameBits = encoder_->Finish();
  replay_.Result = result;
  replay_.EndedAt = endedAt;
  encoder_.reset();
  return std::move(replay_);
}
