#include "tools/assetgen/sounds_wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace assetgen {
namespace {

void putU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t value) {
  putU16(out, value & 0xFFFF);
  putU16(out, value >> 16);
}

void putTag(std::vector<uint8_t>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

}  // namespace

void writeWav(const std::string& path, const synth::Signal& signal, int sampleRate) {
  constexpr uint32_t kChannels = 1;
  constexpr uint32_t kBytesPerSample = 2;
  const uint32_t dataBytes = static_cast<uint32_t>(signal.size() * kBytesPerSample);
  std::vector<uint8_t> out;
  out.reserve(44 + dataBytes);
  putTag(out, "RIFF");
  putU32(out, 36 + dataBytes);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  putU32(out, 16);
  putU16(out, 1);  // PCM
  putU16(out, kChannels);
  putU32(out, static_cast<uint32_t>(sampleRate));
  putU32(out, static_cast<uint32_t>(sampleRate) * kChannels * kBytesPerSample);
  putU16(out, kChannels * kBytesPerSample);
  putU16(out, 16);
  putTag(out, "data");
  putU32(out, dataBytes);
  for (float s : signal) {
    const long value = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    putU16(out, static_cast<uint16_t>(static_cast<int16_t>(value)));
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace assetgen
