// Any bytes as a replay file (glintbreaker --replay, the attract demo, the score server's check):
// what the reader accepts holds every frame it says it holds and no bit more, encodes back to
// bytes it reads again as the same replay, and a refusal, or the reason this game cannot play
// it, is one line.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "replay/GameVersion.h"
#include "replay/ReplayFile.h"

namespace {

void CheckOneLine(const std::string& text) {
  if (text.find('\n') != std::string::npos || text.find('\r') != std::string::npos) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  std::string error;
  const auto replay = DecodeReplay(bytes, error);
  if (!replay) {
    if (error.empty()) __builtin_trap();
    CheckOneLine(error);
    return 0;
  }
  TFrameDecoder frames(replay->FrameBits, replay->Start.Pointer, replay->Start.Tick,
                       replay->Frames);
  TFrameInput frame;
  std::uint64_t played = 0;
  while (frames.Next(frame)) ++played;
  if (played != replay->Frames || !frames.EndsHere()) __builtin_trap();
  CheckOneLine(ReplayMismatch(*replay, kGameVersion, 0));

  // Written again, it reads back as itself.
  const std::vector<std::uint8_t> again = EncodeReplay(*replay);
  const auto reread = DecodeReplay(again, error);
  if (!reread || EncodeReplay(*reread) != again) __builtin_trap();
  if (reread->Frames != replay->Frames || reread->FrameBits != replay->FrameBits ||
      !(reread->Result == replay->Result)) {
    __builtin_trap();
  }
  return 0;
}
