// The frames of a recorded game: each frame's input (engine/FrameInput.h) as far as the game read
// it, in few bits. Each part of a frame (its time, the keys, the mouse buttons, the pointer, the
// window, the gamepad) is foreseen from the frame before: the time goes on by the same step, held
// keys stay held and nothing new is pressed, the pointer and the window stay put. Frames that are
// all as foreseen are counted in runs; of any other, only the parts that differ are written.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/FrameInput.h"
#include "replay/BitStream.h"

// How the recorded game read the pointer, which its settings fixed for the whole game: in a
// window by the system pointer and the window's place (scene/InputRouting.cpp,
// scene/BatSteering.cpp), in full screen by the engine's mouse. A replay keeps only what its
// game read; the rest of a frame's input comes back as TFrameInput's defaults.
enum class TPointerSource : std::uint8_t { System = 0, EngineMouse = 1 };

class TFrameEncoder {
 public:
  // Frames that follow one that started at millisecond tick `startTick`.
  TFrameEncoder(TPointerSource source, std::uint32_t startTick);

  void Add(const TFrameInput& frame);
  std::uint64_t Frames() const { return frames_; }
  // The frames' bits; called once, after the last Add.
  std::vector<std::uint8_t> Finish();

 private:
  TPointerSource source_;
  TBitWriter bits_;
  TFrameInput last_;  // the previous frame as the decoder will see it
  std::uint32_t lastTickStep_;
  std::uint8_t lastMask_ = 0;
  std::uint64_t frames_ = 0;
  std::uint64_t run_ = 0;  // frames as foreseen since the last one written
};

class TFrameDecoder {
 public:
  // `frames` frames from `bits`, written by an encoder of this source and start.
  TFrameDecoder(std::span<const std::uint8_t> bits, TPointerSource source, std::uint32_t startTick,
                std::uint64_t frames);

  // The next frame's input, without its frame factor or engine time (the program makes those);
  // false once every frame was read, or when the bits hold no frame (then Failed).
  bool Next(TFrameInput& frame);
  // After the last frame: true when the bits end there too (a stream with more is malformed).
  bool EndsHere();
  bool Failed() const { return failed_; }
  std::uint64_t FramesLeft() const { return framesLeft_; }

 private:
  bool ReadChangedFrame(TFrameInput& frame);

  TPointerSource source_;
  TBitReader bits_;
  TFrameInput last_;
  std::uint32_t lastTickStep_;
  std::uint8_t lastMask_ = 0;
  std::uint64_t framesLeft_;
  std::uint64_t runLeft_ = 0;
  bool runRead_ = false;  // the run before the next written frame has been read
  bool failed_ = false;
};
