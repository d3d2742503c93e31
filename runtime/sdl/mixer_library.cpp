#include "runtime/sdl/mixer_library.h"

#include <SDL.h>

#include <cstdio>

namespace rt::sdl {
namespace {

#ifdef _WIN32
constexpr const char* kLibrary = "SDL2_mixer.dll";
#else
constexpr const char* kLibrary = "libSDL2_mixer-2.0.so.0";
#endif

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(SDL_LoadFunction(library, name));
  return function != nullptr;
}

}  // namespace

std::unique_ptr<MixerLibrary> MixerLibrary::Load() {
  // Kept open for the rest of the program: its audio thread may outlive the mixer's last call.
  void* library = SDL_LoadObject(kLibrary);
  if (!library) {
    std::fprintf(stderr, "glintbreaker: sound needs %s (%s)\n", kLibrary, SDL_GetError());
    return nullptr;
  }
  std::unique_ptr<MixerLibrary> mix(new MixerLibrary);
  const bool complete = Resolve(library, "Mix_OpenAudio", mix->OpenAudio) &&
                        Resolve(library, "Mix_CloseAudio", mix->CloseAudio) &&
                        Resolve(library, "Mix_AllocateChannels", mix->AllocateChannels) &&
                        Resolve(library, "Mix_LoadWAV_RW", mix->LoadWAV_RW) &&
                        Resolve(library, "Mix_LoadMUS", mix->LoadMUS) &&
                        Resolve(library, "Mix_FreeChunk", mix->FreeChunk) &&
                        Resolve(library, "Mix_FreeMusic", mix->FreeMusic) &&
                        Resolve(library, "Mix_PlayChannelTimed", mix->PlayChannelTimed) &&
                        Resolve(library, "Mix_PlayMusic", mix->PlayMusic) &&
                        Resolve(library, "Mix_HaltChannel", mix->HaltChannel) &&
                        Resolve(library, "Mix_HaltMusic", mix->HaltMusic) &&
                        Resolve(library, "Mix_Playing", mix->Playing) &&
                        Resolve(library, "Mix_PlayingMusic", mix->PlayingMusic) &&
                        Resolve(library, "Mix_GetChunk", mix->GetChunk) &&
                        Resolve(library, "Mix_Volume", mix->Volume) &&
                        Resolve(library, "Mix_VolumeMusic", mix->VolumeMusic);
  if (!complete) {
    std::fprintf(stderr, "glintbreaker: %s is not a usable SDL2_mixer\n", kLibrary);
    return nullptr;
  }
  return mix;
}

}  // namespace rt::sdl
