// Any bytes as a sound, along the engine's path for a file decoded whole: our check of the RIFF
// WAVE chunks, then the mixer's decoding into a shared sample buffer (SDL_mixer on the dummy
// audio driver), then freeing it again. The mixer is not built for the fuzzer, which cannot see
// its branches, so the bytes also go in framed as a well-formed file: the first byte gives the
// format chunk's length (16 to 51, room for the extensions of compressed formats), the bytes
// after it fill that chunk and the rest are the samples. Every input then reaches its decoders.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "runtime/sdl/mixer.h"
#include "runtime/wave_bytes.h"

namespace {

rt::sdl::Mixer* mixer = nullptr;

void Decode(const std::vector<std::uint8_t>& bytes) {
  if (!rt::waveProblem(bytes).empty()) return;
  mixer->free(mixer->load(bytes));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* name, const std::uint8_t* body,
              std::size_t length) {
  out.insert(out.end(), name, name + 4);
  for (int shift = 0; shift < 32; shift += 8) out.push_back((length >> shift) & 0xFF);
  out.insert(out.end(), body, body + length);
  if (length % 2) out.push_back(0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // The device stays open for the whole run, as in the game.
  mixer = new rt::sdl::Mixer;
  if (!mixer->open()) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Decode(std::vector<std::uint8_t>(data, data + size));

  if (size < 1) return 0;
  const std::size_t format = 16 + data[0] % 36;
  if (size < 1 + format) return 0;
  std::vector<std::uint8_t> framed = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  PutChunk(framed, "fmt ", data + 1, format);
  PutChunk(framed, "data", data + 1 + format, size - 1 - format);
  const std::size_t riff = framed.size() - 8;
  for (int i = 0; i < 4; ++i) framed[4 + i] = (riff >> (8 * i)) & 0xFF;
  Decode(framed);
  return 0;
}
