// The recording backend: no window, no pixels, no audio device. The engine core keeps the scene
// as data; this backend only hands out texture and sound ids and counts the frames shown.
#include <map>
#include <set>

#include "runtime/backend.h"
#include "runtime/headless/headless_system.h"
#include "runtime/wave_bytes.h"

namespace rt {
namespace {

class HeadlessBackend final : public Backend {
 public:
  bool open(iWindow window, bool fullScreen) override {
    window_ = window;
    fullScreen_ = fullScreen;
    open_ = true;
    sys::headlessWindowOpened(window);
    return true;
  }
  void close() override {
    open_ = false;
    textures_.clear();
    sounds_.clear();
  }
  bool fullScreen() const override { return open_ && fullScreen_; }
  bool active() const override { return open_ && sys::headlessWindowShown(window_); }

  PictureDecoder pictureDecoder() const override { return nullptr; }
  int createTexture(const Image&) override {
    textures_.insert(++lastTexture_);
    return lastTexture_;
  }
  void destroyTexture(int texture) override { textures_.erase(texture); }

  void present(const DrawList&) override { ++frames_; }
  std::string saveShot(const std::string&) override { return "the headless engine has no pixels"; }

  bool soundAvailable() override { return true; }
  int loadSound(const std::vector<std::uint8_t>& bytes) override {
    if (!looksLikeWave(bytes)) return 0;
    sounds_[++lastSound_] = false;
    return lastSound_;
  }
  int loadStream(const std::string&) override {
    sounds_[++lastSound_] = false;
    return lastSound_;
  }
  void freeSound(int sound) override { sounds_.erase(sound); }
  // A one-shot sound is over at once; a looping one plays until stopped.
  void playSound(int sound, bool loop) override {
    if (auto it = sounds_.find(sound); it != sounds_.end()) it->second = loop;
  }
  void stopSound(int sound) override {
    if (auto it = sounds_.find(sound); it != sounds_.end()) it->second = false;
  }
  bool soundPlaying(int sound) const override {
    auto it = sounds_.find(sound);
    return it != sounds_.end() && it->second;
  }
  void setSoundVolume(int, float) override {}

  BackendCounts liveCounts() const override {
    return {static_cast<long>(textures_.size()), static_cast<long>(sounds_.size())};
  }

 private:
  iWindow window_ = 0;
  bool fullScreen_ = false;
  bool open_ = false;
  int lastTexture_ = 0;
  int lastSound_ = 0;
  long frames_ = 0;
  std::set<int> textures_;
  std::map<int, bool> sounds_;  // id -> playing in a loop
};

}  // namespace

std::unique_ptr<Backend> makeHeadlessBackend() {
  return std::make_unique<HeadlessBackend>();
}

}  // namespace rt
