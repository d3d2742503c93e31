// A sound for the mixer's tests: a mono 16-bit 22050 Hz RIFF WAVE file of a 220.5 Hz square wave.
#pragma once

#include <cstdint>
#include <vector>

namespace testing_support {

inline std::vector<std::uint8_t> SquareWave(std::uint32_t samples, std::uint16_t amplitude) {
  std::vector<std::uint8_t> out;
  const auto put = [&out](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  put(36 + samples * 2, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(16, 4);
  put(1, 2);
  put(1, 2);
  put(22050, 4);
  put(44100, 4);
  put(2, 2);
  put(16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  put(samples * 2, 4);
  const std::uint16_t low = static_cast<std::uint16_t>(0x10000 - amplitude);
  for (std::uint32_t i = 0; i < samples; ++i) put((i / 50) % 2 ? amplitude : low, 2);
  return out;
}

}  // namespace testing_support
