#include "tools/assetgen/synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen::synth {
namespace {

// The polyBLEP correction that rounds off the step of a saw or square at phase 0.
double polyBlep(double phase, double increment) {
  if (phase < increment) {
    const double t = phase / increment;
    return t + t - t * t - 1;
  }
  if (phase > 1 - increment) {
    const double t = (phase - 1) / increment;
    return t * t + t + t + 1;
  }
  return 0;
}

}  // namespace

double noteFrequency(double midiNote) {
  return 440.0 * std::pow(2.0, (midiNote - 69) / 12);
}

float Noise::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ / 2147483647.5 - 1.0);
}

float Oscillator::next(double frequency) {
  const double increment = std::clamp(frequency / rate_, 0.0, 0.5);
  double value = 0;
  switch (shape_) {
    case Shape::kSine:
      value = std::sin(kTwoPi * phase_);
      break;
    case Shape::kSaw:
      value = 2 * phase_ - 1 - polyBlep(phase_, increment);
      break;
    case Shape::kTriangle:
      // Only the slope jumps, so the plain triangle aliases very little.
      value = 1 - 4 * std::fabs(phase_ - 0.5);
      break;
    case Shape::kSquare:
      value = (phase_ < 0.5 ? 1 : -1) + polyBlep(phase_, increment) -
              polyBlep(std::fmod(phase_ + 0.5, 1.0), increment);
      break;
  }
  phase_ += increment;
  if (phase_ >= 1) phase_ -= 1;
  return static_cast<float>(value);
}

void StateVariableFilter::process(float input, double cutoff, double damping) {
  // Two passes at double rate keep the filter stable up to a quarter of the sample rate.
  const double f = 2 * std::sin(kPi * std::clamp(cutoff, 20.0, rate_ * 0.24) / (2.0 * rate_));
  for (int pass = 0; pass < 2; ++pass) {
    low_ += f * band_;
    high_ = input - low_ - damping * band_;
    band_ += f * high_;
  }
}

double pluck(double t, double attack, double halfLife) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp2(-(t - attack) / halfLife);
}

double gate(double t, double attack, double release, double length) {
  if (t < 0 || t >= length) return 0;
  double level = 1;
  if (t < attack) level = t / attack;
  if (t > length - release) level = std::min(level, (length - t) / release);
  return level;
}

void normalise(Signal& signal, double peak) {
  float largest = 0;
  for (float s : signal) largest = std::max(largest, std::fabs(s));
  if (largest == 0) return;
  const float gain = static_cast<float>(peak / largest);
  for (float& s : signal) s *= gain;
}

void normaliseRms(Signal& signal, double rms) {
  double sum = 0;
  for (float s : signal) sum += static_cast<double>(s) * s;
  if (sum == 0) return;
  const float gain = static_cast<float>(rms / std::sqrt(sum / static_cast<double>(signal.size())));
  for (float& s : signal) s *= gain;
}

void softenEdges(Signal& signal, int sampleRate, double seconds) {
  const size_t n = std::min(signal.size() / 2, static_cast<size_t>(sampleRate * seconds));
  for (size_t i = 0; i < n; ++i) {
    const float g = static_cast<float>(i) / static_cast<float>(n);
    signal[i] *= g;
    signal[signal.size() - 1 - i] *= g;
  }
}

}  // namespace assetgen::synth
