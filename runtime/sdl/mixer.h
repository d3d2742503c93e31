// Sounds through SDL2_mixer. Short sounds are whole WAVE files decoded once and shared by every
// handle made from the same bytes (twenty balls ask for the same brick sound); each handle plays
// on a channel of its own choosing, with a volume of its own. Long sounds (the music) are played
// from their file as they go, one at a time. Without an audio device everything is silent and
// nothing fails.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace rt::sdl {

class MixerLibrary;

class Mixer {
 public:
  static constexpr int kChannels = 32;

  Mixer();
  ~Mixer();
  Mixer(const Mixer&) = delete;
  Mixer& operator=(const Mixer&) = delete;

  // Opens the audio device on first use; false (and one line on stderr, once) when none opens.
  bool open();
  // Stops every sound and frees them.
  void clear();

  // 0 when the bytes are not a readable WAVE file or there is no audio device.
  int load(const std::vector<std::uint8_t>& waveBytes);
  // A sound played from its file; 0 when the file cannot be opened or there is no device.
  int loadStream(const std::string& path);
  void free(int sound);
  // A looping or one-shot start; a stream replaces the one playing.
  void play(int sound, bool loop);
  void stop(int sound);
  bool playing(int sound) const;
  void setVolume(int sound, float volume);
  // Sounds loaded and not freed.
  long liveSounds() const { return static_cast<long>(sounds_.size()); }

 private:
  struct Decoded {
    Mix_Chunk* chunk = nullptr;
    int users = 0;
  };
  struct Sound {
    Mix_Chunk* chunk = nullptr;  // a short sound
    std::uint64_t key = 0;       // of its decoded bytes
    Mix_Music* music = nullptr;  // or a stream
    int volume = 128;            // the mixer's scale, 0..128
    int channel = -1;            // where it last started
  };
  // The channel this sound plays on now, or -1.
  int channelOf(int handle, const Sound& sound) const;

  std::map<int, Sound> sounds_;
  std::map<std::uint64_t, Decoded> decoded_;
  std::array<int, kChannels> channelOwner_{};  // the handle that last started each channel
  int music_ = 0;                              // the stream playing, if any
  int nextSound_ = 1;
  std::unique_ptr<MixerLibrary> mix_;  // once a device is found
  bool audioStarted_ = false;          // SDL's audio is up (with or without a device)
  bool open_ = false;
  bool failed_ = false;
};

}  // namespace rt::sdl
