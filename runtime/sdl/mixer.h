// Sounds through SDL2_mixer: whole WAVE files played once or looped, each on a free channel,
// with a volume of its own. Without an audio device everything is silent and nothing fails.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

struct Mix_Chunk;

namespace rt::sdl {

class Mixer {
 public:
  Mixer() = default;
  ~Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  // Opens the audio device on first use; false (and one line on stderr, once) when none opens.
  bool open();
  // Stops every sound and frees them.
  void clear();

  // 0 when the bytes are not a readable WAVE file or there is no audio device.
  int load(const std::vector<std::uint8_t>& waveBytes);
  void free(int sound);
  void play(int sound, bool loop);
  void stop(int sound);
  bool playing(int sound) const;
  void setVolume(int sound, float volume);

 private:
  struct Sound {
    Mix_Chunk* chunk = nullptr;
    int volume = 128;  // the mixer's scale, 0..128
  };
  // Calls act(channel) for every channel playing the chunk now; true when there was one.
  template <typename Act>
  bool eachChannelPlaying(const Mix_Chunk* chunk, Act act) const;

  std::map<int, Sound> sounds_;
  int nextSound_ = 1;
  bool open_ = false;
  bool failed_ = false;
};

}  // namespace rt::sdl
