#include "runtime/sdl/mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace rt::sdl {
namespace {

constexpr int kChannels = 32;

}  // namespace

Mixer::~Mixer() {
  clear();
  if (!open_) return;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Mixer::open() {
  if (open_ || failed_) return open_;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "glintbreaker: no audio (%s); playing without sound\n", SDL_GetError());
    failed_ = true;
    return false;
  }
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::fprintf(stderr, "glintbreaker: no audio device (%s); playing without sound\n",
                 Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    failed_ = true;
    return false;
  }
  Mix_AllocateChannels(kChannels);
  open_ = true;
  return true;
}

void Mixer::clear() {
  if (open_) Mix_HaltChannel(-1);
  for (auto& [handle, sound] : sounds_) Mix_FreeChunk(sound.chunk);
  sounds_.clear();
}

int Mixer::load(const std::vector<std::uint8_t>& waveBytes) {
  if (!open() || waveBytes.empty()) return 0;
  SDL_RWops* source = SDL_RWFromConstMem(waveBytes.data(), static_cast<int>(waveBytes.size()));
  Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
  if (!chunk) {
    std::fprintf(stderr, "glintbreaker: unreadable sound (%s)\n", Mix_GetError());
    return 0;
  }
  const int handle = nextSound_++;
  sounds_[handle].chunk = chunk;
  return handle;
}

void Mixer::free(int sound) {
  const auto found = sounds_.find(sound);
  if (found == sounds_.end()) return;
  // A chunk must not be freed while a channel still plays it.
  eachChannelPlaying(found->second.chunk, Mix_HaltChannel);
  Mix_FreeChunk(found->second.chunk);
  sounds_.erase(found);
}

template <typename Act>
bool Mixer::eachChannelPlaying(const Mix_Chunk* chunk, Act act) const {
  if (!open_) return false;
  bool any = false;
  for (int channel = 0; channel < kChannels; ++channel) {
    if (!Mix_Playing(channel) || Mix_GetChunk(channel) != chunk) continue;
    any = true;
    act(channel);
  }
  return any;
}

void Mixer::play(int sound, bool loop) {
  const auto found = sounds_.find(sound);
  if (found == sounds_.end()) return;
  const Sound& s = found->second;
  const int channel = Mix_PlayChannel(-1, s.chunk, loop ? -1 : 0);
  if (channel >= 0) Mix_Volume(channel, s.volume);  // all channels busy: skipped
}

void Mixer::stop(int sound) {
  const auto found = sounds_.find(sound);
  if (found == sounds_.end()) return;
  eachChannelPlaying(found->second.chunk, Mix_HaltChannel);
}

bool Mixer::playing(int sound) const {
  const auto found = sounds_.find(sound);
  return found != sounds_.end() && eachChannelPlaying(found->second.chunk, [](int) {});
}

void Mixer::setVolume(int sound, float volume) {
  const auto found = sounds_.find(sound);
  if (found == sounds_.end()) return;
  Sound& s = found->second;
  s.volume = static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME));
  eachChannelPlaying(s.chunk, [&](int channel) { Mix_Volume(channel, s.volume); });
}

}  // namespace rt::sdl
