// RIFF WAVE writing: 16-bit PCM, mono.
#pragma once

#include <string>

#include "tools/assetgen/synth.h"

namespace assetgen {

// Writes the signal (samples in [-1, 1]; anything beyond is clamped) as a mono 16-bit file.
// Throws std::runtime_error when the file cannot be written.
void writeWav(const std::string& path, const synth::Signal& signal, int sampleRate);

}  // namespace assetgen
