// A small fixed-seed xorshift generator, so every run draws the same stars and sparks.
#pragma once

#include <cstdint>

namespace assetgen {

class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  // Uniform in [0, 1).
  double unit() { return (next() >> 8) * (1.0 / 16777216.0); }
  double range(double low, double high) { return low + (high - low) * unit(); }

 private:
  uint32_t state_;
};

}  // namespace assetgen
