// SDL2_mixer, opened when the first sound is made on a machine with an audio device rather than
// linked: with the decoders it brings (MIDI with its sound fonts, MOD, MP3, Opus, FLAC, and the
// libraries those use) it costs about 3 MB of resident memory and a few milliseconds of loading
// before the first picture, and the game plays nothing but RIFF WAVE. Without an audio device
// it is never opened.
#pragma once

#include <SDL_mixer.h>

#include <memory>

namespace rt::sdl {

class MixerLibrary {
 public:
  // The library with every function below; nothing, and one line on stderr, when it cannot be
  // opened.
  static std::unique_ptr<MixerLibrary> Load();

  int (*OpenAudio)(int frequency, Uint16 format, int channels, int chunkSize) = nullptr;
  void (*CloseAudio)() = nullptr;
  int (*AllocateChannels)(int channels) = nullptr;
  Mix_Chunk* (*LoadWAV_RW)(SDL_RWops* source, int freeSource) = nullptr;
  Mix_Music* (*LoadMUS)(const char* file) = nullptr;
  void (*FreeChunk)(Mix_Chunk* chunk) = nullptr;
  void (*FreeMusic)(Mix_Music* music) = nullptr;
  int (*PlayChannelTimed)(int channel, Mix_Chunk* chunk, int loops, int ticks) = nullptr;
  int (*PlayMusic)(Mix_Music* music, int loops) = nullptr;
  int (*HaltChannel)(int channel) = nullptr;
  int (*HaltMusic)() = nullptr;
  int (*Playing)(int channel) = nullptr;
  int (*PlayingMusic)() = nullptr;
  Mix_Chunk* (*GetChunk)(int channel) = nullptr;
  int (*Volume)(int channel, int volume) = nullptr;
  int (*VolumeMusic)(int volume) = nullptr;

 private:
  MixerLibrary() = default;
};

}  // namespace rt::sdl
