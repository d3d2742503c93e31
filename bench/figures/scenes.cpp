#include "bench/figures/scenes.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/MLCore.h"
#include "bench/figures/frame_records.h"
#include "bench/figures/process_figures.h"
#include "bench/play_setup.h"
#include "gameplay/Random.h"
#include "platform/files.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/Program.h"
#include "scene/StartupFiles.h"

namespace figures {
namespace {

using benchplay::Balls;

struct SceneSpan {
  const char* name;
  long first, end;  // frames run, as counted before each frame
  bool play;
};

// The plays start a little after their set-up, once the balls are out and the trails are long.
constexpr long kNewGameAt = 480, kDensestLevelAt = 490, kArmourAt = 1500;
constexpr SceneSpan kScenes[] = {
    {"fade-in", 0, 149, false},
    {"menu, idle", 150, 400, false},
    {"panel sliding", 400, 480, false},
    {"play, densest level, 20 balls, gun", 525, kArmourAt, true},
    {"play, densest level, 20 armoured balls, gun", kArmourAt + 25, 2500, true},
};
constexpr long kHideAt = 2500;

struct Reading {
  double cpu = 0, xServerCpu = 0, at = 0;
};

// Keys and direct changes to the game at given frames, and the readings at each scene's ends.
class Story final : public rt::InputSource {
 public:
  Story(rt::VirtualClock* clock, std::string log, pid_t xServer)
      : clock_(clock), log_(std::move(log)), xServer_(xServer) {
    const std::vector<LevelCells> levels = benchplay::ShippedLevels();
    densestLevel_ = benchplay::DensestLevelNumber(levels);
    if (densestLevel_ > 0) densestCells_ = levels[static_cast<std::size_t>(densestLevel_ - 1)];
  }

  void nextFrame(rt::InputFrame& frame) override {
    frame = rt::InputFrame{};
    if (clock_) clock_->advanceMillis(13);
    const long f = program->FramesRun;
    if (f == 0 && setupPictures < 0) setupPictures = static_cast<long>(ReadFrameLog(log_).size());
    for (std::size_t i = 0; i < std::size(kScenes); ++i) {
      if (f == kScenes[i].first) atStart[i] = Read();
      if (f == kScenes[i].end) atEnd[i] = Read();
    }
    const auto press = [&frame](int code) { frame.clicked[code] = frame.down[code] = true; };
    if (f == 400) press(208);  // Down, Enter: the options slide in
    if (f == 401) press(28);
    if (f == 440) press(1);           // Escape: and out again
    if (f == kNewGameAt) press(200);  // Up, Enter: a new game
    if (f == kNewGameAt + 1) press(28);
    if (f == kDensestLevelAt) {
      SeedRandom(benchplay::kSeed);
      program->Game.ClearBricks();
      program->Game.SetLevel(densestLevel_ - 1);
      program->States.Change(gsStartLevel);
    }
    if (f > kDensestLevelAt && f < kHideAt) KeepTheHeaviestPlay(f);
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
      hiddenCpuPercent =
          100 * (CpuSeconds(getpid()) - hiddenCpu_) / (SteadySeconds() - hiddenSince_);
      hiddenSince_ = 0;
      sys::system().PostMessage(sys::system().MainWindow(), sys::WM_ACTIVATE, sys::WA_ACTIVE, 0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }

  TProgram* program = nullptr;  // the run's, set before it starts
  Reading atStart[std::size(kScenes)] = {}, atEnd[std::size(kScenes)] = {};
  double hiddenCpuPercent = 0;
  long setupPictures = -1;  // frames drawn at set-up, before the first of the loop

 private:
  Reading Read() const {
    return {CpuSeconds(getpid()), xServer_ > 0 ? CpuSeconds(xServer_) : 0, SteadySeconds()};
  }

  // No banner, no time limit, no capsule, the gun on with missiles to spare, every ball in
  // flight (armoured in the second play), and now and then the level's bricks afresh.
  void KeepTheHeaviestPlay(long f) {
    TGame& game = program->Game;
    TField& field = game.Field;
    benchplay::RemoveCapsules(field);
    if ((f - kDensestLevelAt) % benchplay::kFramesPerRebuild == 0)
      benchplay::RebuildBricks(field, densestCells_, game.LevelStyle);
    if (f % 25 != 20 && f != kArmourAt) return;
    game.LevelBanner.Stop();
    field.EntrySlide = false;
    game.Counters.TimeLeft = 290;
    game.SetMissiles(1000);
    TBita& bat = field.Bat;
    if (bat.Transformation != CapsuleKind::GunBat && !bat.Running) {
      bat.Transform(CapsuleKind::GunBat, game.Counters, bat.Tick);
    }
    benchplay::LaunchTwentyBalls(field, f >= kArmourAt ? Balls::Armoured : Balls::Plain);
  }

  // As the boss key hides a full-screen game: the engine closes and the window waits.
  void Hide() {
    hiddenSince_ = SteadySeconds();
    hiddenCpu_ = CpuSeconds(getpid());
    const std::uint8_t windowed = program->Settings.Windowed;
    program->Settings.Windowed = 0;
    program->MinimizeGameWindow();
    program->Settings.Windowed = windowed;
  }

  rt::VirtualClock* clock_;
  std::string log_;
  pid_t xServer_;
  std::int32_t densestLevel_ = 0;  // read once, before the game starts
  LevelCells densestCells_{};
  double hiddenSince_ = 0, hiddenCpu_ = 0;
};

SceneRun FiguresOf(const Story& story, const std::vector<FrameRecord>& frames, bool paced) {
  SceneRun run;
  run.ran = !frames.empty();
  run.hiddenCpuPercent = story.hiddenCpuPercent;
  run.peakKb = PeakKb(getpid());
  const long setupPictures = std::max(0L, story.setupPictures);
  for (std::size_t i = 0; i < std::size(kScenes); ++i) {
    const SceneSpan& span = kScenes[i];
    SceneFigures scene;
    scene.name = span.name;
    scene.play = span.play;
    std::vector<double> draw, cards, pixels, periods;
    for (long f = span.first; f < span.end; ++f) {
      const long at = f + setupPictures;
      if (at < 1 || at >= static_cast<long>(frames.size())) continue;
      const FrameRecord& frame = frames[static_cast<std::size_t>(at)];
      draw.push_back(frame.drawMicros / 1000.0);
      cards.push_back(static_cast<double>(frame.cards));
      pixels.push_back(static_cast<double>(frame.pixels));
      periods.push_back(static_cast<double>(frame.shownMicros -
                                            frames[static_cast<std::size_t>(at - 1)].shownMicros) /
                        1000.0);
    }
    scene.drawMs = SpreadOf(draw);
    scene.cards = SpreadOf(cards).median;
    scene.pixels = SpreadOf(pixels).median;
    if (paced) {
      const Reading &from = story.atStart[i], &to = story.atEnd[i];
      const double seconds = std::max(1e-6, to.at - from.at);
      scene.cpuPercent = 100 * (to.cpu - from.cpu) / seconds;
      scene.xServerCpuPercent = 100 * (to.xServerCpu - from.xServerCpu) / seconds;
      scene.periodMs = SpreadOf(periods);
      scene.longestPeriodMs =
          periods.empty() ? 0 : *std::max_element(periods.begin(), periods.end());
    }
    run.scenes.push_back(scene);
  }
  return run;
}

void Report(const SceneRun& run) {
  for (std::size_t i = 0; i < run.scenes.size(); ++i) {
    const SceneFigures& s = run.scenes[i];
    std::printf("scene %zu %f %f %f %f %f %f %f %f %f\n", i, s.drawMs.median, s.drawMs.p99, s.cards,
                s.pixels, s.cpuPercent, s.xServerCpuPercent, s.periodMs.median, s.periodMs.p99,
                s.longestPeriodMs);
  }
  std::printf("hidden %f\npeak %ld\n", run.hiddenCpuPercent, run.peakKb);
}

SceneRun ReadReport(std::istream& in) {
  SceneRun run;
  for (std::string word; in >> word;) {
    if (word == "hidden") in >> run.hiddenCpuPercent;
    if (word == "peak") in >> run.peakKb;
    if (word != "scene") continue;
    std::size_t i = 0;
    SceneFigures s;
    in >> i >> s.drawMs.median >> s.drawMs.p99 >> s.cards >> s.pixels >> s.cpuPercent >>
        s.xServerCpuPercent >> s.periodMs.median >> s.periodMs.p99 >> s.longestPeriodMs;
    if (!in || i >= std::size(kScenes)) break;
    s.name = kScenes[i].name;
    s.play = kScenes[i].play;
    run.scenes.push_back(s);
  }
  run.ran = run.scenes.size() == std::size(kScenes);
  return run;
}

}  // namespace

bool ParseSceneArguments(int argc, char** argv, SceneOptions& options) {
  if (argc != 5 || std::strcmp(argv[1], "--scenes") != 0) return false;
  options.fullScreen = std::strcmp(argv[2], "full-screen") == 0;
  options.paced = std::strcmp(argv[3], "paced") == 0;
  options.xServer = static_cast<pid_t>(std::atol(argv[4]));
  return true;
}

SceneRun MeasureScenes(const SceneOptions& options) {
  int ends[2];
  if (pipe(ends) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(ends[1], STDOUT_FILENO);
    close(ends[0]);
    close(ends[1]);
    std::freopen("/dev/null", "w", stderr);
    const std::string xServer = std::to_string(options.xServer);
    execl("/proc/self/exe", "glintbreaker_figures", "--scenes",
          options.fullScreen ? "full-screen" : "window", options.paced ? "paced" : "unpaced",
          xServer.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ends[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(got));
  close(ends[0]);
  int status = 0;
  if (child > 0) waitpid(child, &status, 0);
  std::istringstream in(text);
  return ReadReport(in);
}

int PlayScenesAndReport(const SceneOptions& options) {
  namespace fs = std::filesystem;
  std::string folder = (fs::temp_directory_path() / "glint-figures-scenes-XXXXXX").string();
  if (!mkdtemp(folder.data())) return 1;
  const std::string log = folder + "/frames.log";
  setenv("GLINT_FRAME_LOG", log.c_str(), 1);
  files::setGameDir(GLINT_GAME_DIR);
  files::setUserDir(folder);
  rt::setBackend(rt::makeSdlBackend());
  sys::setSystem(sys::makeSdlSystem());
  std::unique_ptr<rt::Clock> clock;
  rt::VirtualClock* virtualClock = nullptr;
  if (options.paced) {
    clock = rt::makeRealClock();
  } else {
    auto scripted = std::make_unique<rt::VirtualClock>();
    virtualClock = scripted.get();
    clock = std::move(scripted);
  }
  Story story(virtualClock, log, options.xServer);
  rt::setClock(std::move(clock));
  rt::setInput(story);
  sys::system().SetIdleHook([&story] { story.idle(); });

  const TStartupFiles startup = LoadStartupFiles();
  TProgram program(startup.Settings, startup.Records);
  program.Settings.Windowed = options.fullScreen ? 0 : 1;
  program.FixedSeed = benchplay::kSeed;
  story.program = &program;
  TCoreConfig config;
  FillCoreConfig(config);
  config.DisplaySelector = options.fullScreen ? -1 : 0;
  RunMainLoop(config, program);

  Report(FiguresOf(story, ReadFrameLog(log), options.paced));
  std::fflush(stdout);
  rt::setBackend(nullptr);
  sys::setSystem(nullptr);
  fs::remove_all(folder);
  return 0;
}

}  // namespace figures
