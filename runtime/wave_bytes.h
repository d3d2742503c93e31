// The checks made of a sound's bytes before the mixer decodes them. The mixer believes a chunk's
// length and reserves it in one piece however short the file is, and it stretches samples of any
// rate to the device's 44100 Hz, so a file of a few bytes could ask for gigabytes: the chunks up
// to the samples must lie inside the bytes, and the rate must be at least 8000 Hz.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace rt {

// True when the bytes begin as a RIFF WAVE file (all a file played as it is read can be checked
// for).
bool looksLikeWave(std::span<const std::uint8_t> bytes);
// Why a whole RIFF WAVE file is not handed to the mixer, or "" when it can be: its chunks up to
// and including the samples ("data") inside the bytes, a format chunk ("fmt ") before them.
std::string waveProblem(std::span<const std::uint8_t> bytes);

}  // namespace rt
