#include "tools/assetgen/sounds_music.h"

#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace assetgen::music {
namespace {

using synth::Oscillator;
using synth::Signal;
using Shape = Oscillator::Shape;

// Both loops play at -26 dBFS RMS, well under the effects (the loudest tenth of a second of a
// brick hit is -13.7 dBFS, of the quietest enemy's cry -17.3): a hit is never masked.
constexpr double kLoopRms = 0.05;

// A track being rendered: samples written past the end wrap to the start, so the loop joins
// without a seam.
class Loop {
 public:
  Loop(int bars, int beatsPerMinute)
      : beatSamples_(kSampleRate * 60 / beatsPerMinute), samples_(bars * 4 * beatSamples_) {}
  void add(size_t at, double value) { samples_[at % samples_.size()] += static_cast<float>(value); }
  size_t beatToSample(double beat) const { return static_cast<size_t>(beat * beatSamples_); }
  double beatSeconds() const { return static_cast<double>(beatSamples_) / kSampleRate; }
  size_t size() const { return samples_.size(); }
  float at(size_t i) const { return samples_[i % samples_.size()]; }
  Signal& samples() { return samples_; }

 private:
  int beatSamples_;
  Signal samples_;
};

// Writes `seconds` of `voice(t)` into the loop from `beat` on; `gain` scales it.
template <typename Voice>
void play(Loop& loop, double beat, double seconds, double gain, Voice&& voice) {
  const size_t start = loop.beatToSample(beat);
  const size_t count = static_cast<size_t>(seconds * kSampleRate);
  for (size_t i = 0; i < count; ++i)
    loop.add(start + i, gain * voice(static_cast<double>(i) / kSampleRate));
}

struct Note {
  double beat;   // start, in beats from the start of the phrase
  double beats;  // length
  int midi;
};

// "E5:1 G#5:0.5 -:0.5": note name with octave (or '-' for a rest), colon, length in beats.
std::vector<Note> phrase(const std::string& notation, double startBeat) {
  static const std::map<char, int> kSemitone = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                                {'G', 7}, {'A', 9}, {'B', 11}};
  std::vector<Note> notes;
  std::istringstream tokens(notation);
  double beat = startBeat;
  for (std::string token; tokens >> token;) {
    const size_t colon = token.find(':');
    if (colon == std::string::npos) throw std::logic_error("bad note " + token);
    const double beats = std::stod(token.substr(colon + 1));
    if (token[0] != '-') {
      const bool sharp = token[1] == '#';
      const int octave = token[sharp ? 2 : 1] - '0';
      notes.push_back({beat, beats, 12 * (octave + 1) + kSemitone.at(token[0]) + (sharp ? 1 : 0)});
    }
    beat += beats;
  }
  return notes;
}

// Triad of a chord name ("Am", "F#", "Bm") with its root in the octave from C3 (MIDI 48).
std::vector<int> triad(const std::string& name) {
  const Note root =
      phrase(name.substr(0, name.size() - (name.back() == 'm' ? 1 : 0)) + "3:0", 0)[0];
  const bool minor = name.back() == 'm';
  return {root.midi, root.midi + (minor ? 3 : 4), root.midi + 7};
}

// Adds delayed copies of `dry` (dotted-eighth echoes) to the loop, wrapping like everything else.
void echo(Loop& loop, const Signal& dry, double delayBeats, double feedback) {
  const size_t delay = loop.beatToSample(delayBeats);
  double gain = feedback;
  for (int tap = 1; tap <= 3; ++tap, gain *= feedback)
    for (size_t i = 0; i < dry.size(); ++i) loop.add(i + tap * delay, gain * dry[i]);
}

// --- Instruments: each renders one note as a function of the time since it started. ---

// Two detuned saws through a slowly swaying low-pass, faded in and out.
double padVoice(double t, double f, double length, Oscillator (&saws)[2],
                synth::StateVariableFilter& filter) {
  const double env = synth::gate(t, 0.5, 0.9, length);
  filter.process(static_cast<float>(saws[0].next(f * 0.997) + saws[1].next(f * 1.003)),
                 700 + 300 * std::sin(t * 1.3), 1.2);
  return env * filter.low();
}

// A frequency-modulated sine whose brightness fades with its level.
double bell(double t, double f, double halfLife, Oscillator& modulator) {
  const double env = synth::pluck(t, 0.003, halfLife);
  return env * std::sin(synth::kTwoPi * f * t + 1.8 * env * modulator.next(3.5 * f));
}

// A sine falling from 135 Hz to 45 Hz: the phase is the integral of that frequency.
double kick(double t) {
  const double phase = synth::kTwoPi * (45 * t + 90 * (1 - std::exp(-t * 30)) / 30);
  return std::sin(phase) * synth::pluck(t, 0.001, 0.09);
}

}  // namespace

Signal menuLoop() {
  Loop loop(16, 84);
  const std::vector<std::string> chords = {"Am", "F", "C",  "G",  "Am", "F", "Dm", "E",
                                           "F",  "G", "Em", "Am", "Dm", "F", "G",  "E"};
  const double bar = 4;
  for (size_t b = 0; b < chords.size(); ++b) {
    const std::vector<int> notes = triad(chords[b]);
    const double start = static_cast<double>(b) * bar;
    // Pad: the triad held over the bar, its release ringing into the next one.
    for (int midi : notes) {
      Oscillator saws[2] = {Oscillator(Shape::kSaw, kSampleRate),
                            Oscillator(Shape::kSaw, kSampleRate)};
      synth::StateVariableFilter filter(kSampleRate);
      const double f = synth::noteFrequency(midi);
      const double length = bar * loop.beatSeconds() + 0.6;
      play(loop, start, length, 0.16,
           [&](double t) { return padVoice(t, f, length, saws, filter); });
    }
    // Bass: the root on beats 1 and 3, a soft triangle.
    for (double beat : {0.0, 2.0}) {
      Oscillator tri(Shape::kTriangle, kSampleRate);
      const double f = synth::noteFrequency(notes[0] - 12);
      const double length = 2 * loop.beatSeconds();
      play(loop, start + beat, length, 0.35,
           [&](double t) { return synth::gate(t, 0.02, 0.3, length) * tri.next(f); });
    }
  }
  // Bells: a slow eighth-note arpeggio an octave and a half up, with echoes.
  Loop bellLoop(16, 84);
  static constexpr int kPattern[] = {0, 1, 2, 3, 2, 1, 2, 1};
  for (size_t b = 0; b < chords.size(); ++b) {
    const std::vector<int> notes = triad(chords[b]);
    for (int step = 0; step < 8; ++step) {
      const int index = kPattern[step];
      const int midi = (index == 3 ? notes[0] + 12 : notes[static_cast<size_t>(index)]) + 24;
      Oscillator modulator(Shape::kSine, kSampleRate);
      const double f = synth::noteFrequency(midi);
      play(bellLoop, static_cast<double>(b) * bar + step * 0.5, 0.9, step % 2 ? 0.07 : 0.1,
           [&](double t) { return bell(t, f, 0.18, modulator); });
    }
  }
  // Melody: a soft sine voice with a slow vibrato.
  const std::string melody =
      "E5:3 C5:1 A4:2 C5:1 F5:1 E5:3 D5:1 D5:2 B4:2 "
      "C5:1 D5:1 E5:2 F5:1 E5:1 C5:2 D5:2 F5:1 A5:1 G#5:2 E5:2 "
      "A5:3 G5:1 F5:1 E5:1 D5:2 E5:2 G5:1 B5:1 A5:4 "
      "F5:2 E5:1 D5:1 C5:2 A4:1 C5:1 D5:2 G5:2 G#5:2 B5:1 G#5:1";
  for (const Note& note : phrase(melody, 0)) {
    Oscillator tone(Shape::kTriangle, kSampleRate), sine(Shape::kSine, kSampleRate);
    const double f = synth::noteFrequency(note.midi);
    const double length = note.beats * loop.beatSeconds();
    play(bellLoop, note.beat, length + 0.3, 0.22, [&](double t) {
      const double vibrato = 1 + 0.004 * std::sin(synth::kTwoPi * 5 * t) * std::min(1.0, t * 2);
      return synth::gate(t, 0.06, 0.3, length + 0.3) *
             (0.6 * sine.next(f * vibrato) + 0.25 * tone.next(f * vibrato));
    });
  }
  echo(loop, bellLoop.samples(), 1.5, 0.4);
  for (size_t i = 0; i < loop.size(); ++i) loop.add(i, bellLoop.at(i));
  synth::normaliseRms(loop.samples(), kLoopRms);
  return loop.samples();
}

Signal gameLoop() {
  Loop loop(24, 126);
  const std::vector<std::string> cycle = {"Em", "C", "D", "B", "Em", "C", "Am", "B"};
  synth::Noise noise(2024);
  const double beat = loop.beatSeconds();
  for (int b = 0; b < 24; ++b) {
    const std::vector<int> notes = triad(cycle[static_cast<size_t>(b % 8)]);
    const double start = b * 4.0;
    // Drums: kick on every beat, snare on 2 and 4, closed hats on the off-beats.
    for (int q = 0; q < 4; ++q) {
      play(loop, start + q, 0.35, 0.9, [](double t) { return kick(t); });
      if (q % 2 == 1) {
        synth::StateVariableFilter band(kSampleRate);
        play(loop, start + q, 0.3, 0.45, [&](double t) {
          band.process(noise.next(), 1800, 0.9);
          return band.band() * synth::pluck(t, 0.001, 0.05) +
                 0.5 * std::sin(synth::kTwoPi * 185 * t) * synth::pluck(t, 0.001, 0.03);
        });
      }
      const bool open = q == 3 && b % 2 == 1;
      synth::StateVariableFilter high(kSampleRate);
      play(loop, start + q + 0.5, open ? 0.3 : 0.06, 0.16, [&](double t) {
        high.process(noise.next(), 7000, 0.8);
        return high.high() * synth::pluck(t, 0.001, open ? 0.08 : 0.012);
      });
    }
    // Bass: eighth notes on the root, jumping an octave, through a plucked low-pass.
    static constexpr int kOctaves[] = {0, 0, 12, 0, 0, 12, 0, 12};
    for (int e = 0; e < 8; ++e) {
      Oscillator saw(Shape::kSaw, kSampleRate);
      synth::StateVariableFilter filter(kSampleRate);
      const double f = synth::noteFrequency(notes[0] - 12 + kOctaves[e]);
      const double length = beat * 0.45;
      play(loop, start + e * 0.5, length, 0.4, [&](double t) {
        filter.process(saw.next(f), 250 + 1400 * synth::pluck(t, 0.002, 0.04), 0.7);
        return synth::gate(t, 0.003, 0.03, length) * filter.low();
      });
    }
    // Stabs: the chord on the off-beats, short and bright.
    for (double offbeat : {0.5, 1.5, 2.5, 3.5}) {
      for (int midi : notes) {
        Oscillator saw(Shape::kSaw, kSampleRate);
        synth::StateVariableFilter filter(kSampleRate);
        const double f = synth::noteFrequency(midi + 12);
        play(loop, start + offbeat, 0.2, 0.06, [&](double t) {
          filter.process(saw.next(f), 3000, 1.0);
          return synth::pluck(t, 0.002, 0.05) * filter.low();
        });
      }
    }
  }
  // Lead: from bar 9, a square voice with vibrato, echoed; the second phrase climbs higher.
  const std::string phraseA =
      "E5:1 G5:0.5 B5:1 A5:0.5 G5:1 E5:1.5 G5:0.5 C6:1 B5:1 "
      "A5:1 F#5:0.5 D5:1 F#5:0.5 A5:1 B5:2 F#5:1 D#5:1 "
      "E5:0.5 E5:0.5 G5:0.5 B5:1 E6:1.5 D6:1 C6:1 B5:1 G5:1 "
      "A5:1 C6:0.5 B5:0.5 A5:1 G5:1 F#5:2 D#5:1 B4:1";
  const std::string phraseB =
      "B5:1 E6:1 D6:0.5 B5:0.5 G5:1 C6:1 E6:1 D6:1 C6:1 "
      "D6:1.5 A5:0.5 F#5:1 A5:1 F#6:2 D#6:1 B5:1 "
      "G6:1 F#6:0.5 E6:0.5 B5:2 C6:1 D6:1 E6:1 G6:1 "
      "A6:1.5 G6:0.5 E6:1 C6:1 B5:2 F#5:1 D#5:1";
  Loop lead(24, 126);
  std::vector<Note> notes = phrase(phraseA, 32);
  for (const Note& note : phrase(phraseB, 64)) notes.push_back(note);
  for (const Note& note : notes) {
    Oscillator square(Shape::kSquare, kSampleRate);
    synth::StateVariableFilter filter(kSampleRate);
    const double f = synth::noteFrequency(note.midi);
    const double length = note.beats * beat * 0.92;
    play(lead, note.beat, length, 0.2, [&](double t) {
      const double vibrato = 1 + 0.006 * std::sin(synth::kTwoPi * 6 * t) * std::min(1.0, t * 3);
      filter.process(square.next(f * vibrato), 1800 + 1500 * synth::pluck(t, 0.005, 0.08), 1.0);
      return synth::gate(t, 0.005, 0.04, length) * filter.low();
    });
  }
  echo(loop, lead.samples(), 0.75, 0.35);
  for (size_t i = 0; i < loop.size(); ++i) loop.add(i, lead.at(i));
  synth::normaliseRms(loop.samples(), kLoopRms);
  return loop.samples();
}

}  // namespace assetgen::music
