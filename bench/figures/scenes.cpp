#include "bench/figures/scenes.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/MLCore.h"
#include "bench/figures/frame_records.h"
#include "bench/figures/process_figures.h"
#include "bench/play_setup.h"
#include "platform/files.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/Program.h"
#include "scene/StartupFiles.h"

namespace figures {
namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct SceneSpan {
  const char* name;
  long first, end;  // frames run, as counted before each frame
};

constexpr SceneSpan kScenes[] = {
    {"fade-in", 0, 149},
    {"menu, idle", 150, 400},
    {"panel sliding", 400, 480},
    {"play, densest level, 20 balls, gun", 500, 2500},
};
constexpr long kHideAt = 2500;

// Keys and direct changes to the game at given frames, and the CPU time at each scene's ends.
class Story final : public rt::InputSource {
 public:
  Story(rt::VirtualClock& clock, std::string log)
      : clock_(clock),
        log_(std::move(log)),
        densestLevel_(benchplay::DensestLevelNumber(benchplay::ShippedLevels())) {}

  void nextFrame(rt::InputFrame& frame) override {
    frame = rt::InputFrame{};
    clock_.advanceMillis(13);
    const long f = program->FramesRun;
    if (f == 0 && setupPictures < 0) setupPictures = static_cast<long>(ReadFrameLog(log_).size());
    for (std::size_t i = 0; i < std::size(kScenes); ++i) {
      if (f == kScenes[i].first) cpuAtStart[i] = CpuSeconds();
      if (f == kScenes[i].end) cpuAtEnd[i] = CpuSeconds();
    }
    const auto press = [&frame](int code) { frame.clicked[code] = frame.down[code] = true; };
    if (f == 400) press(208);  // Down, Enter: the options slide in
    if (f == 401) press(28);
    if (f == 440) press(1);    // Escape: and out again
    if (f == 480) press(200);  // Up, Enter: a new game
    if (f == 481) press(28);
    if (f == 490) {
      program->Game.ClearBricks();
      program->Game.SetLevel(densestLevel_ - 1);
      program->States.Change(gsStartLevel);
    }
    if (f >= 495 && f < kHideAt && f % 25 == 20) KeepTheHeaviestPlay();
    if (f >= 500 && f % 8 == 0) frame.mouseClicked[0] = true;  // the gun fires
    if (f == kHideAt) Hide();
    if (f == kHideAt + 1) {
      sys::System& system = sys::system();
      system.PostMessage(system.MainWindow(), sys::WM_CLOSE, 0, 0);
    }
  }
  void resetMouse(float, float) override {}

  // While hidden: after three seconds the window is called back.
  void idle() {
    if (hiddenSince_ > 0 && SteadySeconds() - hiddenSince_ > 3) {
      hiddenCpuPercent = 100 * (CpuSeconds() - hiddenCpu_) / (SteadySeconds() - hiddenSince_);
      hiddenSince_ = 0;
      sys::system().PostMessage(sys::system().MainWindow(), sys::WM_ACTIVATE, sys::WA_ACTIVE, 0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }

  TProgram* program = nullptr;  // the run's, set before it starts
  double cpuAtStart[std::size(kScenes)] = {}, cpuAtEnd[std::size(kScenes)] = {};
  double hiddenCpuPercent = 0;
  long setupPictures = -1;  // frames drawn at set-up, before the first of the loop

 private:
  // No banner, no time limit, the gun on with missiles to spare, every ball in flight.
  void KeepTheHeaviestPlay() {
    TGame& game = program->Game;
    game.LevelBanner.Stop();
    game.Field.EntrySlide = false;
    game.Counters.TimeLeft = 290;
    game.SetMissiles(1000);
    TBita& bat = game.Field.Bat;
    if (bat.Transformation != CapsuleKind::GunBat && !bat.Running) {
      bat.Transform(CapsuleKind::GunBat, game.Counters, bat.Tick);
    }
    benchplay::LaunchTwentyBalls(game.Field);
  }

  // As the boss key hides a full-screen game: the engine closes and the window waits.
  void Hide() {
    hiddenSince_ = SteadySeconds();
    hiddenCpu_ = CpuSeconds();
    program->Settings.Windowed = 0;
    program->MinimizeGameWindow();
    program->Settings.Windowed = 1;
  }

  rt::VirtualClock& clock_;
  std::string log_;
  std::int32_t densestLevel_;  // read once, before the game starts
  double hiddenSince_ = 0, hiddenCpu_ = 0;
};

}  // namespace

SceneRun RunScenes() {
  namespace fs = std::filesystem;
  std::string folder = (fs::temp_directory_path() / "glint-figures-scenes-XXXXXX").string();
  if (!mkdtemp(folder.data())) return {};
  const std::string log = folder + "/frames.log";
  setenv("GLINT_FRAME_LOG", log.c_str(), 1);
  files::setGameDir(GLINT_GAME_DIR);
  files::setUserDir(folder);
  rt::setBackend(rt::makeSdlBackend());
  sys::setSystem(sys::makeSdlSystem());
  auto clock = std::make_unique<rt::VirtualClock>();
  Story story(*clock, log);
  rt::setClock(std::move(clock));
  rt::setInput(story);
  sys::system().SetIdleHook([&story] { story.idle(); });

  const TStartupFiles startup = LoadStartupFiles();
  TProgram program(startup.Settings, startup.Records);
  story.program = &program;
  TCoreConfig config;
  FillCoreConfig(config);
  config.DisplaySelector = 0;
  RunMainLoop(config, program);

  SceneRun run;
  run.hiddenCpuPercent = story.hiddenCpuPercent;
  run.playPeakKb = PeakKb(getpid());
  const std::vector<FrameRecord> frames = ReadFrameLog(log);
  const long setupPictures = std::max(0L, story.setupPictures);
  for (std::size_t i = 0; i < std::size(kScenes); ++i) {
    const SceneSpan& span = kScenes[i];
    std::vector<double> draw, cards, pixels;
    for (long f = span.first; f < span.end; ++f) {
      const long at = f + setupPictures;
      if (at < 0 || at >= static_cast<long>(frames.size())) continue;
      draw.push_back(frames[static_cast<std::size_t>(at)].drawMicros / 1000.0);
      cards.push_back(static_cast<double>(frames[static_cast<std::size_t>(at)].cards));
      pixels.push_back(static_cast<double>(frames[static_cast<std::size_t>(at)].pixels));
    }
    const double perFrame =
        (story.cpuAtEnd[i] - story.cpuAtStart[i]) / static_cast<double>(span.end - span.first);
    run.scenes.push_back({span.name, SpreadOf(draw), SpreadOf(cards).median,
                          SpreadOf(pixels).median, 100 * perFrame / 0.013});
  }
  fs::remove_all(folder);
  return run;
}

}  // namespace figures
