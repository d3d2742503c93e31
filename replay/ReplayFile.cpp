#include "replay/ReplayFile.h"

#include <cmath>

#include "platform/fnv1a.h"

namespace {

constexpr std::string_view kMagic = "GLRP";
// Format 2 added the gamepad to the frames.
constexpr std::uint8_t kFormat = 2;
constexpr std::size_t kLongestVersion = 32;

class ByteWriter {
 public:
  void Put(std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  void PutText(std::string_view text) { out_.insert(out_.end(), text.begin(), text.end()); }
  // Its sign, its 64-bit significand and its exponent: exact for the 80-bit long double.
  void PutLongDouble(long double value) {
    int exponent = 0;
    const long double fraction = std::isfinite(value) ? std::frexp(value, &exponent) : 0;
    Put(std::signbit(fraction) ? 1 : 0, 1);
    Put(static_cast<std::uint64_t>(std::ldexp(std::fabs(fraction), 64)), 8);
    Put(static_cast<std::uint32_t>(exponent), 4);
  }
  std::vector<std::uint8_t>& bytes() { return out_; }

 private:
  std::vector<std::uint8_t> out_;
};

// Reads past the end give zeros and mark the reader short.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Get(int bytes) {
    if (!Has(static_cast<std::size_t>(bytes))) return 0;
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= std::uint64_t{bytes_[at_++]} << (8 * i);
    return value;
  }
  std::span<const std::uint8_t> Take(std::size_t count) {
    if (!Has(count)) return {};
    const auto taken = bytes_.subspan(at_, count);
    at_ += count;
    return taken;
  }
  long double GetLongDouble() {
    const bool negative = Get(1) != 0;
    const auto significand = static_cast<long double>(Get(8));
    const auto exponent = static_cast<std::int32_t>(Get(4));
    // Beyond what a finite long double can hold, whatever the significand.
    if (exponent < -20000 || exponent > 20000) short_ = true;
    const long double magnitude = short_ ? 0 : std::ldexp(significand, exponent - 64);
    return negative ? -magnitude : magnitude;
  }
  bool Short() const { return short_; }
  std::size_t At() const { return at_; }
  std::size_t Left() const { return bytes_.size() - at_; }

 private:
  bool Has(std::size_t count) {
    if (count > Left()) short_ = true;
    return !short_;
  }
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
  bool short_ = false;
};

// Every frame can be read, and the bits end with the last.
bool FramesReadable(const TReplay& replay) {
  TFrameDecoder frames(replay.FrameBits, replay.Start.Pointer, replay.Start.Tick, replay.Frames);
  TFrameInput frame;
  while (frames.Next(frame)) {
  }
  return frames.EndsHere();
}

// A version is a short line of printable letters, so that a message naming it stays one line.
bool PrintableVersion(const std::string& version) {
  if (version.empty() || version.size() > kLongestVersion) return false;
  for (const char c : version) {
    if (c < ' ' || c > '~') return false;
  }
  return true;
}

bool ReseedsInOrder(const TReplay& replay) {
  std::uint32_t last = 0;
  for (const TReseed& reseed : replay.Reseeds) {
    if (reseed.Frame < last || reseed.Frame > replay.Frames) return false;
    last = reseed.Frame;
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeReplay(const TReplay& replay) {
  ByteWriter out;
  out.PutText(kMagic);
  out.Put(kFormat, 1);
  const std::string_view version = std::string_view(replay.GameVersion).substr(0, kLongestVersion);
  out.Put(version.size(), 1);
  out.PutText(version);
  out.Put(replay.LevelsHash, 8);
  out.Put(static_cast<std::uint64_t>(replay.EndedAt), 8);
  const TReplayStart& start = replay.Start;
  out.Put(start.Seed, 8);
  out.Put(start.Tick, 4);
  out.Put(static_cast<std::uint8_t>(start.Pointer), 1);
  out.Put(start.BossKey, 1);
  out.Put(start.BossModifiers, 1);
  out.Put(start.DialogSelected, 1);
  out.PutLongDouble(start.PointerX);
  out.PutLongDouble(start.PointerY);
  out.Put(static_cast<std::uint32_t>(replay.Result.Score), 4);
  out.Put(static_cast<std::uint32_t>(replay.Result.Level), 4);
  out.Put(replay.Result.StateHash, 8);
  out.Put(replay.Frames, 4);
  out.Put(replay.Reseeds.size(), 2);
  for (const TReseed& reseed : replay.Reseeds) {
    out.Put(reseed.Frame, 4);
    out.Put(reseed.Seed, 8);
  }
  out.Put(replay.FrameBits.size(), 4);
  out.bytes().insert(out.bytes().end(), replay.FrameBits.begin(), replay.FrameBits.end());
  out.Put(rt::fnv1a(out.bytes().data(), out.bytes().size()), 8);
  return std::move(out.bytes());
}

std::optional<TReplay> DecodeReplay(std::span<const std::uint8_t> bytes, std::string& error) {
  ByteReader in(bytes);
  const auto magic = in.Take(kMagic.size());
  if (in.Short() ||
      std::string_view(reinterpret_cast<const char*>(magic.data()), magic.size()) != kMagic) {
    error = "is not a Glintbreaker replay";
    return std::nullopt;
  }
  if (bytes.size() > kMaxReplayBytes) {
    error = "is larger than any replay (" + std::to_string(kMaxReplayBytes) + " bytes at most)";
    return std::nullopt;
  }
  if (const auto format = in.Get(1); format != kFormat && !in.Short()) {
    error = "is of replay format " + std::to_string(format) + "; this game reads format " +
            std::to_string(kFormat);
    return std::nullopt;
  }
  TReplay replay;
  const auto version = in.Take(in.Get(1));
  replay.GameVersion.assign(version.begin(), version.end());
  replay.LevelsHash = in.Get(8);
  replay.EndedAt = static_cast<std::int64_t>(in.Get(8));
  TReplayStart& start = replay.Start;
  start.Seed = in.Get(8);
  start.Tick = static_cast<std::uint32_t>(in.Get(4));
  const auto pointer = in.Get(1);
  start.Pointer = static_cast<TPointerSource>(pointer);
  start.BossKey = static_cast<std::uint8_t>(in.Get(1));
  start.BossModifiers = static_cast<std::uint8_t>(in.Get(1));
  start.DialogSelected = static_cast<std::uint8_t>(in.Get(1));
  start.PointerX = in.GetLongDouble();
  start.PointerY = in.GetLongDouble();
  replay.Result.Score = static_cast<std::int32_t>(in.Get(4));
  replay.Result.Level = static_cast<std::int32_t>(in.Get(4));
  replay.Result.StateHash = in.Get(8);
  replay.Frames = static_cast<std::uint32_t>(in.Get(4));
  const auto reseeds = in.Get(2);
  for (std::uint64_t i = 0; i < reseeds && !in.Short(); ++i) {
    TReseed reseed;
    reseed.Frame = static_cast<std::uint32_t>(in.Get(4));
    reseed.Seed = in.Get(8);
    replay.Reseeds.push_back(reseed);
  }
  const auto frameBits = in.Take(in.Get(4));
  replay.FrameBits.assign(frameBits.begin(), frameBits.end());
  const std::size_t checked = in.At();
  const std::uint64_t checksum = in.Get(8);
  if (in.Short()) {
    error = "is cut short";
    return std::nullopt;
  }
  if (checksum != rt::fnv1a(bytes.data(), checked)) {
    error = "is damaged: its checksum does not match";
    return std::nullopt;
  }
  if (in.Left() != 0) {
    error = "has bytes after its end";
    return std::nullopt;
  }
  if (replay.Frames > kMaxReplayFrames) {
    error = "is longer than any game (over " + std::to_string(kMaxReplayFrames) + " frames)";
    return std::nullopt;
  }
  if (!PrintableVersion(replay.GameVersion) ||
      pointer > static_cast<std::uint8_t>(TPointerSource::EngineMouse) ||
      reseeds > kMaxReplayReseeds || !ReseedsInOrder(replay)) {
    error = "is malformed";
    return std::nullopt;
  }
  if (!FramesReadable(replay)) {
    error = "holds frames that cannot be read";
    return std::nullopt;
  }
  return replay;
}

std::string ReplayMismatch(const TReplay& replay, std::string_view gameVersion,
                           std::uint64_t levelsHash) {
  if (replay.GameVersion != gameVersion) {
    return "was recorded by Glintbreaker " + replay.GameVersion + "; this is " +
           std::string(gameVersion);
  }
  if (replay.LevelsHash != levelsHash) {
    return "was recorded on other levels (another data/Levels.dat)";
  }
  return "";
}
