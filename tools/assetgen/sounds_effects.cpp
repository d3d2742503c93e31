#include "tools/assetgen/sounds_effects.h"

#include <cmath>

namespace assetgen::effects {
namespace {

using synth::kTwoPi;
using synth::Oscillator;
using synth::Signal;
using Shape = Oscillator::Shape;

// Runs `sample(t)` for every sample of `seconds`, then removes clicks at both ends.
template <typename SampleAt>
Signal render(double seconds, SampleAt&& sample) {
  Signal signal(static_cast<size_t>(seconds * kSampleRate));
  for (size_t i = 0; i < signal.size(); ++i)
    signal[i] = static_cast<float>(sample(static_cast<double>(i) / kSampleRate));
  synth::softenEdges(signal, kSampleRate, 0.002);
  return signal;
}

// A sine whose phase is advanced sample by sample, so its frequency can glide.
class Glide {
 public:
  double next(double frequency) {
    phase_ += kTwoPi * frequency / kSampleRate;
    return std::sin(phase_);
  }

 private:
  double phase_ = 0;
};

// Exponential move from `from` to `to` over `seconds`, then held.
double sweep(double t, double from, double to, double seconds) {
  return from * std::pow(to / from, std::min(t, seconds) / seconds);
}

}  // namespace

Signal menuMove() {
  Glide tone, octave;
  return render(0.12, [&](double t) {
    const double f = sweep(t, 880, 1320, 0.04);
    return synth::pluck(t, 0.003, 0.025) * (tone.next(f) + 0.25 * octave.next(2 * f));
  });
}

Signal buttonClick() {
  synth::Noise noise(7);
  synth::StateVariableFilter click(kSampleRate);
  Oscillator low(Shape::kSquare, kSampleRate), high(Shape::kSquare, kSampleRate);
  synth::StateVariableFilter tone(kSampleRate);
  return render(0.2, [&](double t) {
    click.process(noise.next(), 3000, 0.6);
    const double transient = synth::pluck(t, 0.0005, 0.004) * click.band();
    const double square = t < 0.05 ? low.next(660) * synth::pluck(t, 0.002, 0.03)
                                   : high.next(990) * synth::pluck(t - 0.05, 0.002, 0.04);
    tone.process(static_cast<float>(square), 2500, 1.2);
    return 1.5 * transient + tone.low();
  });
}

Signal batExplosion() {
  synth::Noise noise(1234), crackleNoise(99);
  synth::StateVariableFilter rumble(kSampleRate);
  Glide thump;
  double crackle = 0;
  return render(1.5, [&](double t) {
    rumble.process(noise.next(), sweep(t, 3500, 150, 1.2), 1.0);
    const double blast = rumble.low() * synth::pluck(t, 0.004, 0.28);
    const double body = thump.next(sweep(t, 95, 32, 0.5)) * synth::pluck(t, 0.002, 0.16);
    // Sparse sparks that die away with the blast.
    if (crackleNoise.next() > 0.9985 - 0.002 * std::exp(-3 * t)) crackle = 1;
    crackle *= 0.995;
    const double sparks = crackle * noise.next() * synth::pluck(t, 0.01, 0.2);
    return 1.2 * blast + 0.9 * body + 0.35 * sparks;
  });
}

Signal bonusCatch() {
  static constexpr double kNotes[] = {84, 88, 91, 96};  // C6 E6 G6 C7
  Glide carriers[4], modulators[4];
  Glide shimmer;
  return render(0.75, [&](double t) {
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
      const double start = 0.06 * i;
      const double f = synth::noteFrequency(kNotes[i]);
      const double env = synth::pluck(t - start, 0.004, 0.09);
      // A little frequency modulation gives each note a bell's brightness.
      const double index = 2.0 * env;
      sum += env * carriers[i].next(f + index * f * modulators[i].next(2 * f));
    }
    return sum + 0.15 * shimmer.next(synth::noteFrequency(103)) * synth::pluck(t - 0.18, 0.02, 0.1);
  });
}

Signal brickHit() {
  synth::Noise noise(42);
  Glide fundamental, second, third;
  return render(0.25, [&](double t) {
    const double f = 1568;  // G6
    const double ring = fundamental.next(f) * synth::pluck(t, 0.001, 0.04) +
                        0.5 * second.next(f * 2.76) * synth::pluck(t, 0.001, 0.02) +
                        0.25 * third.next(f * 5.4) * synth::pluck(t, 0.001, 0.01);
    return ring + 0.4 * noise.next() * synth::pluck(t, 0.0003, 0.0015);
  });
}

Signal metalHit() {
  Glide carrier, modulator, body;
  return render(0.35, [&](double t) {
    const double f = 523;  // C5, with an inharmonic modulator for a metallic ring
    const double index = 1.5 * synth::pluck(t, 0.001, 0.02);
    return synth::pluck(t, 0.001, 0.055) * carrier.next(f + index * f * modulator.next(f * 1.41)) +
           0.4 * body.next(f / 2) * synth::pluck(t, 0.001, 0.03);
  });
}

Signal enemyChirp(int kind) {
  Glide tone, wobble;
  Oscillator buzz(Shape::kSaw, kSampleRate), buzz2(Shape::kSaw, kSampleRate);
  Oscillator croak(Shape::kSquare, kSampleRate);
  synth::StateVariableFilter filter(kSampleRate);
  return render(0.3, [&](double t) {
    const double env = synth::gate(t, 0.01, 0.1, 0.28);
    switch (kind) {
      case 1: {  // a bird-like up-and-down chirp
        const double f = t < 0.08 ? sweep(t, 1200, 1900, 0.08) : sweep(t - 0.08, 1900, 900, 0.18);
        return env * tone.next(f * (1 + 0.02 * wobble.next(18)));
      }
      case 2: {  // a low warbling croak
        filter.process(croak.next(200 * (1 + 0.06 * wobble.next(30))), 1200, 0.8);
        return env * filter.low();
      }
      default: {  // a buzzing insect
        const double tremolo = 0.6 + 0.4 * wobble.next(25);
        filter.process(0.5f * (buzz.next(330) + buzz2.next(336)), sweep(t, 2500, 900, 0.28), 0.5);
        return env * tremolo * filter.band();
      }
    }
  });
}

Signal enemyZap() {
  synth::Noise noise(5);
  Oscillator saw(Shape::kSaw, kSampleRate);
  synth::StateVariableFilter filter(kSampleRate);
  return render(0.4, [&](double t) {
    const double f = sweep(t, 1500, 90, 0.3);
    filter.process(saw.next(f), f * 3, 0.35);
    const double puff = noise.next() * synth::pluck(t, 0.001, 0.02);
    return synth::pluck(t, 0.002, 0.09) * filter.low() + 0.3 * puff;
  });
}

}  // namespace assetgen::effects
