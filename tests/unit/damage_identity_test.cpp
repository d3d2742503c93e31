// The whole game in this process on a backend that draws every frame twice with the software
// rasteriser: once only where the damage tracker says something changed, once whole. The two
// pictures must agree pixel for pixel, through the fade-in, the menu with its pulsing logo and
// animated pointer, a panel sliding in and out, and play with its particles, up to twenty
// armoured balls trailing their flames (a thousand and more sprites a frame) and the gun.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "app/MLCore.h"
#include "gameplay/BonusEffects.h"
#include "platform/files.h"
#include "runtime/backend.h"
#include "runtime/headless/headless_system.h"
#include "runtime/raster/damage.h"
#include "runtime/raster/rasteriser.h"
#include "runtime/runtime.h"
#include "runtime/sdl/picture_decoder.h"
#include "runtime/system.h"
#include "scene/Program.h"

namespace {

using rt::raster::Canvas;
using rt::raster::Rect;

class TwiceDrawingBackend final : public rt::Backend {
 public:
  bool open(iWindow window, bool fullScreen) override {
    fullScreen_ = fullScreen;
    window_ = window;
    sys::headlessWindowOpened(window);
    return true;
  }
  void close() override {}
  bool fullScreen() const override { return fullScreen_; }
  bool active() const override { return sys::headlessWindowShown(window_); }
  rt::PictureDecoder pictureDecoder() const override { return &rt::sdl::decodeCompressedPicture; }
  int createTexture(const rt::Image& image) override {
    return pictures_.add(rt::raster::pictureFromImage(image));
  }
  void destroyTexture(int texture) override { pictures_.remove(texture); }

  void present(const rt::DrawList& list) override {
    rt::raster::listFootprints(list, pictures_, footprints_);
    const auto& damage = tracker_.update(list, footprints_);
    long damaged = 0;
    rt::raster::drawRegions(partly_, damage, list, pictures_, footprints_);
    for (const Rect& rect : damage) damaged += rect.area();
    rt::raster::drawRegions(whole_, {{0, 0, 800, 600}}, list, pictures_, footprints_);
    ++frames;
    if (damaged < 800L * 600) ++partialFrames;
    if (std::memcmp(partlyPixels_.data(), wholePixels_.data(), wholePixels_.size() * 4) != 0) {
      ++differingFrames;
      if (firstDifference < 0) firstDifference = frames;
      std::memcpy(partlyPixels_.data(), wholePixels_.data(), wholePixels_.size() * 4);
    }
  }
  std::string saveShot(const std::string&) override { return "not kept"; }
  bool soundAvailable() override { return true; }
  int loadSound(const std::vector<std::uint8_t>&) override { return ++sounds_; }
  int loadStream(const std::string&) override { return ++sounds_; }
  void freeSound(int) override {}
  void playSound(int, bool) override {}
  void stopSound(int) override {}
  bool soundPlaying(int) const override { return false; }
  void setSoundVolume(int, float) override {}
  // Sounds are only numbered here, never kept.
  rt::BackendCounts liveCounts() const override { return {pictures_.live(), 0}; }

  long frames = 0, partialFrames = 0, differingFrames = 0, firstDifference = -1;

 private:
  iWindow window_ = 0;
  bool fullScreen_ = false;
  int sounds_ = 0;
  rt::raster::PictureSet pictures_;
  rt::raster::DamageTracker tracker_{800, 600};
  std::vector<Rect> footprints_;
  std::vector<std::uint32_t> partlyPixels_ = std::vector<std::uint32_t>(800 * 600);
  std::vector<std::uint32_t> wholePixels_ = std::vector<std::uint32_t>(800 * 600);
  Canvas partly_{partlyPixels_.data(), 800, 600, 800};
  Canvas whole_{wholePixels_.data(), 800, 600, 800};
};

// Keys and clicks at given frames: into the options and out, a new game, a launch, twenty
// armoured balls and the gun, and away.
class Story final : public rt::InputSource {
 public:
  Story(rt::VirtualClock& clock, TProgram& program) : clock_(clock), program_(program) {}
  void nextFrame(rt::InputFrame& frame) override {
    frame = rt::InputFrame{};
    const auto press = [&frame](int code) { frame.clicked[code] = frame.down[code] = true; };
    clock_.advanceMillis(13);
    const long framesRun = program_.FramesRun;
    switch (framesRun) {
      case 199:
        press(208);
        break;  // Down: options
      case 200:
        press(28);
        break;  // Enter: the panel slides in
      case 260:
        press(1);
        break;  // Escape: and out again
      case 300:
        press(200);
        break;  // Up: new game
      case 301:
        press(28);
        break;
      case 520:
        frame.mouseClicked[0] = true;
        break;  // launch
      case 560:
        press(205);
        break;
      case 610:
        ArmTwentyBalls();
        break;
      case 759: {
        sys::System& system = sys::system();
        system.PostMessage(system.MainWindow(), sys::WM_CLOSE, 0, 0);
        break;
      }
      default:
        break;
    }
    if (framesRun > 560 && framesRun < 600) frame.down[205] = true;           // the bat runs right
    if (framesRun > 610 && framesRun % 8 == 0) frame.mouseClicked[0] = true;  // the gun fires
    if (framesRun == 700) {
      for (const TBubble& ball : program_.Game.Field.Balls)
        armouredInFlight += ball.Active && ball.Launched && ball.Mode == bmArmored;
    }
  }
  void resetMouse(float, float) override {}

  int armouredInFlight = 0;  // at frame 700

 private:
  // As capsules would: two more balls ten times over, armour for them all, and the gun bat.
  void ArmTwentyBalls() {
    TGame& game = program_.Game;
    const BonusTargets targets{game.Field.Bat, game.Field.Balls, game.Counters,
                               game.Field.Bat.Tick};
    for (int i = 0; i < 10; ++i) ApplyBonus(CapsuleKind::TwoBalls, targets);
    ApplyBonus(CapsuleKind::Armour, targets);
    ApplyBonus(CapsuleKind::GunBat, targets);
  }

  rt::VirtualClock& clock_;
  TProgram& program_;
};

TEST(DamageTracking, DrawsTheSamePicturesAsDrawingEverythingEveryFrame) {
  files::setGameDir(GLINT_GAME_DIR);
  files::setUserDir(testing::TempDir() + "/damage-identity");
  auto backend = std::make_unique<TwiceDrawingBackend>();
  TwiceDrawingBackend& twice = *backend;
  rt::setBackend(std::move(backend));
  sys::setSystem(sys::makeHeadlessSystem());
  TProgram program(TSettings{}, TRecordsTable::Defaults());
  auto clock = std::make_unique<rt::VirtualClock>();
  Story story(*clock, program);
  rt::setClock(std::move(clock));
  rt::setInput(story);

  TCoreConfig config;
  FillCoreConfig(config);
  config.DisplaySelector = 0;
  RunMainLoop(config, program);

  EXPECT_GE(twice.frames, 760);
  EXPECT_GT(twice.partialFrames, 400) << "most frames change only a part of the picture";
  EXPECT_EQ(twice.differingFrames, 0) << "first at frame " << twice.firstDifference;
  EXPECT_EQ(program.Game.GetLevel(), 1) << "the story got into play";
  EXPECT_TRUE(program.Game.Field.Balls[0].Launched);
  EXPECT_GE(story.armouredInFlight, 15) << "the armoured balls flew";
}

}  // namespace
