// Small building blocks for synthesised sounds: band-limited oscillators, noise, filters,
// envelopes and level control. Everything is deterministic.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen::synth {

using Signal = std::vector<float>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double noteFrequency(double midiNote);

// White noise in [-1, 1] from a fixed seed (xorshift), so every run gives the same sound.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
  float next();

 private:
  uint32_t state_;
};

// Phase-accumulating oscillator; saw and square are band-limited (polyBLEP) so high notes do
// not alias into harsh whistles.
class Oscillator {
 public:
  enum class Shape { kSine, kTriangle, kSaw, kSquare };
  Oscillator(Shape shape, int sampleRate) : shape_(shape), rate_(sampleRate) {}
  // One sample at the given frequency; the frequency may change from sample to sample.
  float next(double frequency);
  void setPhase(double phase) { phase_ = phase; }

 private:
  Shape shape_;
  int rate_;
  double phase_ = 0;  // 0..1
};

// Chamberlin state-variable filter: low-pass, band-pass and high-pass from one state.
class StateVariableFilter {
 public:
  explicit StateVariableFilter(int sampleRate) : rate_(sampleRate) {}
  // Filters one sample with the cutoff (Hz) and damping (2 = soft, 0.2 = resonant).
  void process(float input, double cutoff, double damping);
  float low() const { return static_cast<float>(low_); }
  float band() const { return static_cast<float>(band_); }
  float high() const { return static_cast<float>(high_); }

 private:
  int rate_;
  double low_ = 0, band_ = 0, high_ = 0;
};

// Attack then exponential decay: 0 at t = 0, 1 at `attack` seconds, then halving every
// `halfLife` seconds.
double pluck(double t, double attack, double halfLife);

// Linear attack, hold at 1, linear release ending at `length` seconds; 0 outside.
double gate(double t, double attack, double release, double length);

// Scales the signal so its largest sample is `peak` (1.0 = full scale).
void normalise(Signal& signal, double peak);
// Scales the signal so its root mean square is `rms` (1.0 = full scale).
void normaliseRms(Signal& signal, double rms);

// Short fades at both ends, so an effect starts and stops without a click.
void softenEdges(Signal& signal, int sampleRate, double seconds);

}  // namespace assetgen::synth
