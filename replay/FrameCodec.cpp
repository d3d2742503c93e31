#include "replay/FrameCodec.h"

#include <bit>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// The parts of a frame, one bit each in the mask of a written frame.
enum : std::uint8_t { kTime = 1, kKeys = 2, kButtons = 4, kPointer = 8, kWindow = 16, kPad = 32 };
constexpr int kParts = 6;

// The game's frame: a tick step of 13 ms is written as nothing but a run.
constexpr std::int64_t kUsualStep = 13;
// The engine's mouse is kept in eighths of a pixel of the 800-pixel picture: the positions the
// devices give are such steps (runtime/live_input.cpp), and so are a script's decimal ones.
constexpr double kMouseSteps = 6400;

// What the decoder makes of a frame: the fields of `source` kept, every other one as in a new
// frame input.
TFrameInput Recorded(const TFrameInput& frame, TPointerSource source) {
  TFrameInput kept;
  kept.tick = frame.tick;
  kept.stepMs = frame.stepMs;
  kept.down = frame.down;
  kept.clicked = frame.clicked;
  kept.leftClick = frame.leftClick;
  kept.rightClick = frame.rightClick;
  kept.padDown = frame.padDown;
  kept.padClicked = frame.padClicked;
  kept.padStick = frame.padStick;
  if (source == TPointerSource::EngineMouse) {
    kept.mouseX = frame.mouseX;
    kept.mouseY = frame.mouseY;
    return kept;
  }
  kept.pointerKnown = frame.pointerKnown;
  kept.pointerX = frame.pointerX;
  kept.pointerY = frame.pointerY;
  kept.windowKnown = frame.windowKnown;
  kept.windowLeft = frame.windowLeft;
  kept.windowTop = frame.windowTop;
  kept.windowRight = frame.windowRight;
  kept.windowBottom = frame.windowBottom;
  kept.windowFocused = frame.windowFocused;
  kept.screenWidth = frame.screenWidth;
  kept.screenHeight = frame.screenHeight;
  return kept;
}

// The frame after `last` as foreseen: the time goes on by the same step, keys and pad buttons
// stay as they are with none newly pressed, no button is clicked, the stick, the pointer and the
// window stay.
TFrameInput Foreseen(const TFrameInput& last, std::uint32_t tickStep) {
  TFrameInput next = last;
  next.tick = last.tick + tickStep;
  next.clicked.fill(false);
  next.leftClick = next.rightClick = false;
  next.padClicked = 0;
  return next;
}

bool SameBits(float a, float b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// The parts in which `frame` differs from `foreseen`.
std::uint8_t Differences(const TFrameInput& frame, const TFrameInput& foreseen) {
  std::uint8_t mask = 0;
  if (frame.tick != foreseen.tick || frame.stepMs != foreseen.stepMs) mask |= kTime;
  if (frame.down != foreseen.down || frame.clicked != foreseen.clicked) mask |= kKeys;
  if (frame.leftClick != foreseen.leftClick || frame.rightClick != foreseen.rightClick) {
    mask |= kButtons;
  }
  if (!SameBits(frame.mouseX, foreseen.mouseX) || !SameBits(frame.mouseY, foreseen.mouseY) ||
      frame.pointerKnown != foreseen.pointerKnown || frame.pointerX != foreseen.pointerX ||
      frame.pointerY != foreseen.pointerY) {
    mask |= kPointer;
  }
  if (frame.windowKnown != foreseen.windowKnown || frame.windowLeft != foreseen.windowLeft ||
      frame.windowTop != foreseen.windowTop || frame.windowRight != foreseen.windowRight ||
      frame.windowBottom != foreseen.windowBottom ||
      frame.windowFocused != foreseen.windowFocused || frame.screenWidth != foreseen.screenWidth ||
      frame.screenHeight != foreseen.screenHeight) {
    mask |= kWindow;
  }
  if (frame.padDown != foreseen.padDown || frame.padClicked != foreseen.padClicked ||
      frame.padStick != foreseen.padStick) {
    mask |= kPad;
  }
  return mask;
}

// A key pressed in this frame goes down and is clicked: only what differs from that is written.
bool ClickForeseen(const TFrameInput& frame, const TFrameInput& last, int code) {
  return frame.down[code] && !last.down[code];
}

std::int64_t MouseReference(float position) {
  return std::llround(static_cast<double>(position) * kMouseSteps);
}

// The steps of a mouse position that is exactly a number of steps.
std::optional<std::int64_t> MouseSteps(float position) {
  if (!std::isfinite(position) || position < 0 || position > 1) return std::nullopt;
  const std::int64_t steps = MouseReference(position);
  if (!SameBits(static_cast<float>(static_cast<double>(steps) / kMouseSteps), position)) {
    return std::nullopt;
  }
  return steps;
}

void WriteMouse(TBitWriter& bits, float position, float last) {
  if (const auto steps = MouseSteps(position)) {
    bits.Bit(true);
    bits.Signed(*steps - MouseReference(last));
  } else {
    bits.Bit(false);
    bits.Bits(std::bit_cast<std::uint32_t>(position), 32);
  }
}

bool ReadMouse(TBitReader& bits, float last, float& position) {
  if (bits.Bit()) {
    const std::int64_t steps = MouseReference(last) + bits.Signed();
    if (steps < 0 || steps > static_cast<std::int64_t>(kMouseSteps)) return false;
    position = static_cast<float>(static_cast<double>(steps) / kMouseSteps);
  } else {
    position = std::bit_cast<float>(static_cast<std::uint32_t>(bits.Bits(32)));
  }
  return !bits.Failed() && std::isfinite(position) && position >= 0 && position <= 1;
}

// A whole number kept as its change from the one before.
bool ReadInt(TBitReader& bits, int last, int& value) {
  const std::int64_t next = static_cast<std::int64_t>(last) + bits.Signed();
  if (bits.Failed() || next < std::numeric_limits<int>::min() ||
      next > std::numeric_limits<int>::max()) {
    return false;
  }
  value = static_cast<int>(next);
  return true;
}

void WriteKeys(TBitWriter& bits, const TFrameInput& frame, const TFrameInput& last) {
  std::vector<int> flipped, clicks;
  for (int code = 0; code < 256; ++code) {
    if (frame.down[code] != last.down[code]) flipped.push_back(code);
    if (frame.clicked[code] != ClickForeseen(frame, last, code)) clicks.push_back(code);
  }
  for (const std::vector<int>* codes : {&flipped, &clicks}) {
    bits.Unsigned(codes->size());
    for (const int code : *codes) bits.Bits(static_cast<std::uint64_t>(code), 8);
  }
}

bool ReadKeys(TBitReader& bits, TFrameInput& frame, const TFrameInput& last) {
  const std::uint64_t flips = bits.Unsigned();
  if (flips > 256) return false;
  for (std::uint64_t i = 0; i < flips; ++i) {
    const auto code = static_cast<std::size_t>(bits.Bits(8));
    frame.down[code] = !frame.down[code];
  }
  for (int code = 0; code < 256; ++code) frame.clicked[code] = ClickForeseen(frame, last, code);
  const std::uint64_t clicks = bits.Unsigned();
  if (clicks > 256) return false;
  for (std::uint64_t i = 0; i < clicks; ++i) {
    const auto code = static_cast<std::size_t>(bits.Bits(8));
    frame.clicked[code] = !frame.clicked[code];
  }
  return !bits.Failed();
}

// A pad button pressed in this frame goes down and is clicked, as a key does.
std::uint32_t PadClicksForeseen(std::uint32_t down, std::uint32_t lastDown) {
  return down & ~lastDown;
}

// The buttons of a mask: their count, then each one's number in 5 bits.
void WritePadButtons(TBitWriter& bits, std::uint32_t buttons) {
  bits.Unsigned(static_cast<std::uint64_t>(std::popcount(buttons)));
  for (int button = 0; button < 32; ++button) {
    if (buttons >> button & 1u) bits.Bits(static_cast<std::uint64_t>(button), 5);
  }
}

bool ReadPadButtons(TBitReader& bits, std::uint32_t& buttons) {
  const std::uint64_t count = bits.Unsigned();
  if (count > 32) return false;
  buttons = 0;
  for (std::uint64_t i = 0; i < count; ++i) buttons |= 1u << bits.Bits(5);
  return !bits.Failed();
}

// The buttons that flipped, the clicks other than those foreseen, and the stick's change.
void WritePad(TBitWriter& bits, const TFrameInput& frame, const TFrameInput& last) {
  WritePadButtons(bits, frame.padDown ^ last.padDown);
  WritePadButtons(bits, frame.padClicked ^ PadClicksForeseen(frame.padDown, last.padDown));
  bits.Signed(static_cast<std::int64_t>(frame.padStick) - last.padStick);
}

bool ReadPad(TBitReader& bits, TFrameInput& frame, const TFrameInput& last) {
  std::uint32_t flipped = 0, surprises = 0;
  if (!ReadPadButtons(bits, flipped)) return false;
  frame.padDown = last.padDown ^ flipped;
  if (!ReadPadButtons(bits, surprises)) return false;
  frame.padClicked = PadClicksForeseen(frame.padDown, last.padDown) ^ surprises;
  const std::int64_t stick = static_cast<std::int64_t>(last.padStick) + bits.Signed();
  if (bits.Failed() || stick < std::numeric_limits<std::int8_t>::min() ||
      stick > std::numeric_limits<std::int8_t>::max()) {
    return false;
  }
  frame.padStick = static_cast<std::int8_t>(stick);
  return true;
}

}  // namespace

TFrameEncoder::TFrameEncoder(TPointerSource source, std::uint32_t startTick)
    : source_(source), lastTickStep_(kUsualStep) {
  last_.tick = startTick;
  last_.stepMs = kUsualStep;
}

void TFrameEncoder::Add(const TFrameInput& input) {
  ++frames_;
  const TFrameInput frame = Recorded(input, source_);
  const std::uint8_t mask = Differences(frame, Foreseen(last_, lastTickStep_));
  if (mask == 0) {
    ++run_;
    last_ = frame;
    return;
  }
  bits_.Unsigned(run_);
  run_ = 0;
  bits_.Bit(mask == lastMask_);
  if (mask != lastMask_) bits_.Bits(mask, kParts);
  lastMask_ = mask;
  if (mask & kTime) {
    lastTickStep_ = frame.tick - last_.tick;
    bits_.Signed(static_cast<std::int64_t>(lastTickStep_) - kUsualStep);
    bits_.Bit(frame.stepMs == lastTickStep_);
    if (frame.stepMs != lastTickStep_) bits_.Signed(frame.stepMs);
  }
  if (mask & kKeys) WriteKeys(bits_, frame, last_);
  if (mask & kButtons) {
    bits_.Bit(frame.leftClick);
    bits_.Bit(frame.rightClick);
  }
  if ((mask & kPointer) && source_ == TPointerSource::EngineMouse) {
    WriteMouse(bits_, frame.mouseX, last_.mouseX);
    WriteMouse(bits_, frame.mouseY, last_.mouseY);
  } else if (mask & kPointer) {
    bits_.Bit(frame.pointerKnown);
    bits_.Signed(static_cast<std::int64_t>(frame.pointerX) - last_.pointerX);
    bits_.Signed(static_cast<std::int64_t>(frame.pointerY) - last_.pointerY);
  }
  if (mask & kWindow) {
    bits_.Bit(frame.windowKnown);
    for (const auto& [now, before] : {std::pair{frame.windowLeft, last_.windowLeft},
                                      {frame.windowTop, last_.windowTop},
                                      {frame.windowRight, last_.windowRight},
                                      {frame.windowBottom, last_.windowBottom}}) {
      bits_.Signed(static_cast<std::int64_t>(now) - before);
    }
    bits_.Bit(frame.windowFocused);
    bits_.Signed(static_cast<std::int64_t>(frame.screenWidth) - last_.screenWidth);
    bits_.Signed(static_cast<std::int64_t>(frame.screenHeight) - last_.screenHeight);
  }
  if (mask & kPad) WritePad(bits_, frame, last_);
  last_ = frame;
}

std::vector<std::uint8_t> TFrameEncoder::Finish() {
  bits_.Unsigned(run_);
  run_ = 0;
  return bits_.Bytes();
}

TFrameDecoder::TFrameDecoder(std::span<const std::uint8_t> bits, TPointerSource source,
                             std::uint32_t startTick, std::uint64_t frames)
    : source_(source), bits_(bits), lastTickStep_(kUsualStep), framesLeft_(frames) {
  last_.tick = startTick;
  last_.stepMs = kUsualStep;
}

bool TFrameDecoder::Next(TFrameInput& frame) {
  if (failed_ || framesLeft_ == 0) return false;
  if (!runRead_) {
    runLeft_ = bits_.Unsigned();
    runRead_ = true;
    if (bits_.Failed() || runLeft_ > framesLeft_) {
      failed_ = true;
      return false;
    }
  }
  if (runLeft_ > 0) {
    --runLeft_;
    frame = Foreseen(last_, lastTickStep_);
  } else {
    if (!ReadChangedFrame(frame)) {
      failed_ = true;
      return false;
    }
    runRead_ = false;
  }
  last_ = frame;
  --framesLeft_;
  return true;
}

bool TFrameDecoder::ReadChangedFrame(TFrameInput& frame) {
  if (!bits_.Bit()) lastMask_ = static_cast<std::uint8_t>(bits_.Bits(kParts));
  const std::uint8_t mask = lastMask_;
  frame = Foreseen(last_, lastTickStep_);
  if (mask & kTime) {
    const std::int64_t step = bits_.Signed() + kUsualStep;
    if (step < 0 || step > std::numeric_limits<std::uint32_t>::max()) return false;
    lastTickStep_ = static_cast<std::uint32_t>(step);
    frame.tick = last_.tick + lastTickStep_;
    frame.stepMs = bits_.Bit() ? step : bits_.Signed();
  }
  if ((mask & kKeys) && !ReadKeys(bits_, frame, last_)) return false;
  if (mask & kButtons) {
    frame.leftClick = bits_.Bit();
    frame.rightClick = bits_.Bit();
  }
  if ((mask & kPointer) && source_ == TPointerSource::EngineMouse) {
    if (!ReadMouse(bits_, last_.mouseX, frame.mouseX)) return false;
    if (!ReadMouse(bits_, last_.mouseY, frame.mouseY)) return false;
  } else if (mask & kPointer) {
    frame.pointerKnown = bits_.Bit();
    if (!ReadInt(bits_, last_.pointerX, frame.pointerX)) return false;
    if (!ReadInt(bits_, last_.pointerY, frame.pointerY)) return false;
  }
  if (mask & kWindow) {
    // Full-screen games keep no window.
    if (source_ == TPointerSource::EngineMouse) return false;
    frame.windowKnown = bits_.Bit();
    for (const auto& [value, before] : {std::pair{&frame.windowLeft, last_.windowLeft},
                                        {&frame.windowTop, last_.windowTop},
                                        {&frame.windowRight, last_.windowRight},
                                        {&frame.windowBottom, last_.windowBottom}}) {
      if (!ReadInt(bits_, before, *value)) return false;
    }
    frame.windowFocused = bits_.Bit();
    if (!ReadInt(bits_, last_.screenWidth, frame.screenWidth)) return false;
    if (!ReadInt(bits_, last_.screenHeight, frame.screenHeight)) return false;
  }
  if ((mask & kPad) && !ReadPad(bits_, frame, last_)) return false;
  return !bits_.Failed();
}

bool TFrameDecoder::EndsHere() {
  if (failed_ || framesLeft_ != 0) return false;
  if (!runRead_ && bits_.Unsigned() != 0) failed_ = true;
  runRead_ = true;
  if (bits_.BitsLeft() >= 8) failed_ = true;
  while (!failed_ && bits_.BitsLeft() > 0) {
    if (bits_.Bit()) failed_ = true;
  }
  failed_ = failed_ || bits_.Failed();
  return !failed_;
}
