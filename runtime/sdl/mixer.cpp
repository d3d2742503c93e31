#include "runtime/sdl/mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/fnv1a.h"
#include "runtime/sdl/mixer_library.h"

namespace rt::sdl {
namespace {

// The bytes' size and an FNV-1a hash: the same file gives the same key.
std::uint64_t keyOf(const std::vector<std::uint8_t>& bytes) {
  return fnv1a(bytes.data(), bytes.size()) ^ (static_cast<std::uint64_t>(bytes.size()) << 40);
}

int mixerVolume(float volume) {
  return static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME));
}

}  // namespace

Mixer::Mixer() = default;

Mixer::~Mixer() {
  clear();
  if (open_) mix_->CloseAudio();
  if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Mixer::open() {
  if (open_ || failed_) return open_;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "glintbreaker: no audio (%s); playing without sound\n", SDL_GetError());
    failed_ = true;
    return false;
  }
  // Kept up even without a device, until the mixer goes: quitting it waits for the audio
  // driver's device watcher, which sleeps a tenth of a second at a time, and this is on the
  // start path (the first sound is made right after the splash).
  audioStarted_ = true;
  // Without a device the mixer's library is not even opened.
  if (SDL_GetNumAudioDevices(0) == 0) {
    std::fprintf(stderr, "glintbreaker: no audio device; playing without sound\n");
    failed_ = true;
    return false;
  }
  mix_ = MixerLibrary::Load();
  if (!mix_ || mix_->OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::fprintf(stderr, "glintbreaker: no audio device (%s); playing without sound\n",
                 SDL_GetError());
    failed_ = true;
    return false;
  }
  mix_->AllocateChannels(kChannels);
  open_ = true;
  return true;
}

void Mixer::clear() {
  if (open_) {
    mix_->HaltChannel(-1);
    mix_->HaltMusic();
  }
  for (auto& [handle, sound] : sounds_) {
    if (sound.music) mix_->FreeMusic(sound.music);
  }
  for (auto& [key, decoded] : decoded_) mix_->FreeChunk(decoded.chunk);
  sounds_.clear();
  decoded_.clear();
  channelOwner_.fill(0);
  music_ = 0;
}

int Mixer::load(const std::vector<std::uint8_t>& waveBytes) {
  if (!open() || waveBytes.empty()) return 0;
  const std::uint64_t key = keyOf(waveBytes);
  Decoded& decoded = decoded_[key];
  if (!decoded.chunk) {
    // Closed here, not by the mixer: it leaks the source of bytes too short to name a format.
    SDL_RWops* source = SDL_RWFromConstMem(waveBytes.data(), static_cast<int>(waveBytes.size()));
    decoded.chunk = source ? mix_->LoadWAV_RW(source, 0) : nullptr;
    if (source) SDL_RWclose(source);
    if (!decoded.chunk) {
      std::fprintf(stderr, "glintbreaker: unreadable sound (%s)\n", SDL_GetError());
      decoded_.erase(key);
      return 0;
    }
  }
  ++decoded.users;
  const int handle = nextSound_++;
  Sound& sound = sounds_[handle];
  sound.chunk = decoded.chunk;
  sound.key = key;
  return handle;
}

int Mixer::loadStream(const std::string& path) {
  if (!open()) return 0;
  Mix_Music* music = mix_->LoadMUS(path.c_str());
  if (!music) {
    std::fprintf(stderr, "glintbreaker: unreadable music %s (%s)\n", path.c_str(), SDL_GetError());
    return 0;
  }
  const int handle = nextSound_++;
  sounds_[handle].music = music;
  return handle;
}

int Mixer::channelOf(int handle, const Sound& sound) const {
  const int c = sound.channel;
  if (!open_ || c < 0 || channelOwner_[static_cast<std::size_t>(c)] != handle) return -1;
  return mix_->Playing(c) && mix_->GetChunk(c) == sound.chunk ? c : -1;
}

void Mixer::free(int handle) {
  const auto found = sounds_.find(handle);
  if (found == sounds_.end()) return;
  stop(handle);
  Sound& sound = found->second;
  if (sound.music) mix_->FreeMusic(sound.music);
  if (sound.chunk) {
    Decoded& decoded = decoded_[sound.key];
    // A chunk must not be freed while a channel still plays it.
    if (--decoded.users == 0) {
      for (int c = 0; c < kChannels; ++c) {
        if (mix_->Playing(c) && mix_->GetChunk(c) == decoded.chunk) mix_->HaltChannel(c);
      }
      mix_->FreeChunk(decoded.chunk);
      decoded_.erase(sound.key);
    }
  }
  sounds_.erase(found);
}

void Mixer::play(int handle, bool loop) {
  const auto found = sounds_.find(handle);
  if (found == sounds_.end()) return;
  Sound& sound = found->second;
  if (sound.music) {
    if (mix_->PlayMusic(sound.music, loop ? -1 : 0) == 0) {
      music_ = handle;
      mix_->VolumeMusic(sound.volume);
    }
    return;
  }
  const int channel = mix_->PlayChannelTimed(-1, sound.chunk, loop ? -1 : 0, -1);
  if (channel < 0) return;  // all channels busy: skipped
  sound.channel = channel;
  channelOwner_[static_cast<std::size_t>(channel)] = handle;
  mix_->Volume(channel, sound.volume);
}

void Mixer::stop(int handle) {
  const auto found = sounds_.find(handle);
  if (found == sounds_.end() || !open_) return;
  if (found->second.music) {
    if (music_ == handle) {
      mix_->HaltMusic();
      music_ = 0;
    }
    return;
  }
  const int channel = channelOf(handle, found->second);
  if (channel >= 0) mix_->HaltChannel(channel);
}

bool Mixer::playing(int handle) const {
  const auto found = sounds_.find(handle);
  if (found == sounds_.end() || !open_) return false;
  if (found->second.music) return music_ == handle && mix_->PlayingMusic();
  return channelOf(handle, found->second) >= 0;
}

void Mixer::setVolume(int handle, float volume) {
  const auto found = sounds_.find(handle);
  if (found == sounds_.end()) return;
  Sound& sound = found->second;
  sound.volume = mixerVolume(volume);
  if (!open_) return;
  if (sound.music) {
    if (music_ == handle) mix_->VolumeMusic(sound.volume);
    return;
  }
  const int channel = channelOf(handle, sound);
  if (channel >= 0) mix_->Volume(channel, sound.volume);
}

}  // namespace rt::sdl
