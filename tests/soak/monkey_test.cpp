// The whole game in this process on the headless engine, played by a seeded monkey: random
// keys, pointer moves, clicks and a gamepad's buttons and stick on every screen, most of them in
// play. After every frame the state must make sense: no NaN or infinite value, every ball,
// capsule and enemy where its rules let it be, the counters in range, GameState one of its
// values, and the memory flat. Five simulated minutes by default; GLINT_SOAK_MINUTES asks for
// more (make soak: an hour). Every game it played was recorded: each replay it left plays again,
// in a program of its own, to the state its game ended in.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "app/MLCore.h"
#include "platform/files.h"
#include "runtime/engine_scene.h"
#include "runtime/runtime.h"
#include "runtime/system.h"
#include "scene/Program.h"
#include "scene/StartupFiles.h"
#include "scene/StateNames.h"
#include "tests/support/game_runner.h"

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// Bytes of the heap in use now.
std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

long SoakFrames() {
  const char* minutes = std::getenv("GLINT_SOAK_MINUTES");
  const double m = minutes ? std::atof(minutes) : 5;
  return static_cast<long>(m * 60000 / 13);
}

bool Finite(long double v) {
  return std::isfinite(v);
}

// What must hold after any frame; the first thing that does not is named.
std::string Trouble(const TProgram& program) {
  static const std::set<int> kStates = [] {
    std::set<int> states;
    for (const auto& [name, value] : GameStateNames()) states.insert(value);
    return states;
  }();
  const std::uint8_t state = program.States.Current();
  if (!kStates.count(state)) return "GameState " + std::to_string(state);
  if (program.States.Refused() > 0) return "a screen change the state machine refused";
  const TGame& game = program.Game;
  if (!game.ResourcesCreated) return "";
  if (game.GetScore() < 0) return "a negative score";
  if (game.GetLives() < 1 || game.GetLives() > 3) return "lives " + std::to_string(game.GetLives());
  if (game.GetMissiles() < 0) return "missiles " + std::to_string(game.GetMissiles());
  if (game.GetLevel() < 0 || game.GetLevel() > 1000)
    return "level " + std::to_string(game.GetLevel());
  if (!Finite(game.TimeLeft()) || game.TimeLeft() > 10000) return "the time left";
  const TField& field = game.Field;
  const TBita& bat = field.Bat;
  if (!Finite(bat.X) || !Finite(bat.Y) || bat.X < -13 || bat.X > 19.5L || bat.Y < -15.5L ||
      bat.Y > -9.9L) {
    return "the bat at " + std::to_string(static_cast<double>(bat.X)) + ", " +
           std::to_string(static_cast<double>(bat.Y));
  }
  for (const TBubble& ball : field.Balls) {
    if (!ball.Active) continue;
    // A held ball rides on the bat (even while it slides in from off the field).
    const bool placed = ball.Launched
                            ? std::fabs(ball.X) <= 17.5L && ball.Y >= -15.5L && ball.Y <= 12.5L
                            : std::fabs(ball.X - bat.X) <= 8 && std::fabs(ball.Y - bat.Y) <= 2;
    if (!Finite(ball.X) || !Finite(ball.Y) || !Finite(ball.Angle) || !Finite(ball.Speed) ||
        !placed || ball.Speed <= 0 || ball.Speed > 0.3L) {
      return "a ball at " + std::to_string(static_cast<double>(ball.X)) + ", " +
             std::to_string(static_cast<double>(ball.Y));
    }
  }
  for (const TBonus& bonus : field.Bonuses) {
    if (bonus.Active && (!Finite(bonus.Y) || bonus.Y < -14.5L || bonus.Y > 12)) return "a capsule";
  }
  for (const TEnemy& enemy : field.Enemies) {
    if (enemy.Alive && (!Finite(enemy.X) || !Finite(enemy.Y) || std::fabs(enemy.X) > 13 ||
                        enemy.Y < -7 || enemy.Y > 11.5L)) {
      return "an enemy at " + std::to_string(static_cast<double>(enemy.X)) + ", " +
             std::to_string(static_cast<double>(enemy.Y));
    }
  }
  for (std::size_t i = TField::kWallPieces; i < field.Bricks.size(); ++i) {
    const TBlock& brick = field.Bricks[i];
    if (brick.Alive && !TLevelGrid::Inside(brick.Row, brick.Column)) return "a brick off the grid";
  }
  return "";
}

// Random input, weighted towards play; it never answers yes to leaving the program.
class Monkey final : public rt::InputSource {
 public:
  Monkey(rt::VirtualClock& clock, long frames)
      : clock_(clock), frames_(frames), random_(20261210) {}

  void nextFrame(rt::InputFrame& frame) override {
    const long framesRun = program->FramesRun;
    const std::uint8_t state = program->States.Current();
    if (trouble.empty() && framesRun > 0) {
      trouble = Trouble(*program);
      if (!trouble.empty()) trouble += " after frame " + std::to_string(framesRun);
    }
    SampleHeap(framesRun);
    ++framesIn[state];
    bestScore = std::max(bestScore, program->Game.GetScore());
    frame = rt::InputFrame{};
    clock_.advanceMillis(13);
    for (int code : held_) frame.down[static_cast<std::size_t>(code)] = true;
    if (framesRun >= frames_) {
      // Time is up: the window is closed, as by its close button.
      sys::System& system = sys::system();
      if (!closed_) system.PostMessage(system.MainWindow(), sys::WM_CLOSE, 0, 0);
      closed_ = true;
      return;
    }
    if (state == gsExitConfirm) {
      Press(frame, 1);  // Escape: stay
      return;
    }
    const bool playing = state == gsPlaying;
    if (state == gsMainMenu && Chance(0.02)) {
      Press(frame, 200);  // towards the first item, then a new game
      if (Chance(0.5)) Press(frame, 28);
    }
    if (Chance(playing ? 0.03 : 0.15)) Press(frame, MenuKey());
    if (playing && Chance(0.05)) Hold(Chance(0.5) ? 203 : 205);
    if (Chance(0.04)) held_.clear();
    if (Chance(playing ? 0.04 : 0.06)) frame.mouseClicked[Chance(0.9) ? 0 : 1] = true;
    if (Chance(0.08)) {
      frame.mouseX = Uniform();
      frame.mouseY = Uniform();
      sys::system().MovePointerTo(frame.mouseX, frame.mouseY);
    }
    if (Chance(0.0004)) Press(frame, 88);  // the boss key now and then
    MashPad(frame);
  }
  void resetMouse(float, float) override {}

  // While the window is minimised or hidden: bring it back, as a click on its task-bar entry.
  void idle() {
    clock_.advanceMillis(13);
    sys::System& system = sys::system();
    const sys::HWND window = system.MainWindow();
    if (system.IsIconic(window) || !system.IsWindowVisible(window)) {
      system.ShowWindow(window, sys::SW_SHOWNORMAL);
    }
    system.PostMessage(window, sys::WM_ACTIVATEAPP, 1, 0);
    system.PostMessage(window, sys::WM_ACTIVATE, sys::WA_ACTIVE, 0);
  }

  const TProgram* program = nullptr;  // the run's, set before it starts
  std::string trouble;
  std::map<int, long> framesIn;  // by GameState
  std::int32_t bestScore = 0;
  std::size_t heapAtQuarter = 0, heapMaxFirstHalf = 0, heapAtEnd = 0;

 private:
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
  float Uniform() { return std::uniform_real_distribution<float>(0, 1)(random_); }
  // Arrows, Enter, Escape, P, Backspace, letters, Shift and Ctrl, F5 and F12.
  int MenuKey() {
    static constexpr int kKeys[] = {200, 208, 203, 205, 28, 28, 1,  25, 14, 16,
                                    30,  44,  31,  42,  29, 57, 63, 88, 2,  197};
    return kKeys[std::uniform_int_distribution<std::size_t>(0, std::size(kKeys) - 1)(random_)];
  }
  static void Press(rt::InputFrame& frame, int code) {
    frame.clicked[static_cast<std::size_t>(code)] = frame.down[static_cast<std::size_t>(code)] =
        true;
  }
  void Hold(int code) { held_.insert(code); }
  // A pad mashed as well, by a generator of its own, so the keys' run goes as it went without:
  // its buttons pressed and now and then held (Back, the boss key, seldom), its stick pushed.
  void MashPad(rt::InputFrame& frame) {
    static constexpr int kButtons[] = {kPadA,  kPadA,    kPadB,    kPadStart,
                                       kPadUp, kPadDown, kPadLeft, kPadRight};
    const auto chance = [this](double p) {
      return std::uniform_real_distribution<double>(0, 1)(padRandom_) < p;
    };
    if (chance(0.05)) {
      const std::uint32_t bit = 1u << kButtons[std::uniform_int_distribution<std::size_t>(
                                    0, std::size(kButtons) - 1)(padRandom_)];
      frame.padClicked |= bit;
      if (chance(0.3)) padHeld_ |= bit;
    }
    if (chance(0.0004)) frame.padClicked |= 1u << kPadBack;
    if (chance(0.04)) padHeld_ = 0;
    if (chance(0.05))
      stick_ =
          static_cast<std::int16_t>(std::uniform_int_distribution<int>(-32768, 32767)(padRandom_));
    frame.padDown = padHeld_ | frame.padClicked;
    frame.padAxes[kPadLeftX] = stick_;
  }
  void SampleHeap(long framesRun) {
    const std::size_t heap = HeapInUse();
    if (framesRun < frames_ / 2) heapMaxFirstHalf = std::max(heapMaxFirstHalf, heap);
    if (framesRun == frames_ / 4) heapAtQuarter = heap;
    if (framesRun >= frames_ - 1) heapAtEnd = heap;
  }

  rt::VirtualClock& clock_;
  long frames_;
  std::mt19937 random_;
  std::mt19937 padRandom_{20261211};
  std::uint32_t padHeld_ = 0;
  std::int16_t stick_ = 0;
  std::set<int> held_;
  bool closed_ = false;
};

TEST(Soak, AMonkeyPlaysForMinutesAndTheGameStaysSound) {
  const long frames = SoakFrames();
  files::setGameDir(GLINT_GAME_DIR);
  const testing_support::TempDir user;
  files::setUserDir(user.path());
  // A table of low scores: nearly every game ends in the name entry and the online question.
  TRecordsTable low = TRecordsTable::Defaults();
  for (TRecordEntry& entry : low.Entries) entry.Score = 1;
  files::writeAtomic(files::userPath(kRecordsFile), low.Encode());
  rt::setBackend(rt::makeHeadlessBackend());
  sys::setSystem(sys::makeHeadlessSystem());
  auto clock = std::make_unique<rt::VirtualClock>();
  Monkey monkey(*clock, frames);
  rt::setClock(std::move(clock));
  rt::setInput(monkey);
  sys::system().SetIdleHook([&monkey] { monkey.idle(); });

  const TStartupFiles startup = LoadStartupFiles();
  // Nothing listens there: a record is never really sent.
  TProgram program(startup.Settings, startup.Records, "http://127.0.0.1:1");
  monkey.program = &program;
  TCoreConfig config;
  FillCoreConfig(config);
  config.DisplaySelector = 0;
  RunMainLoop(config, program);

  EXPECT_GE(program.FramesRun, frames) << "the game ran to the end";
  std::ostringstream visited;
  for (const auto& [state, count] : monkey.framesIn) visited << " " << state << ":" << count;
  std::printf("soak: %ld frames, best score %d; frames by GameState:%s\n", program.FramesRun,
              monkey.bestScore, visited.str().c_str());
  EXPECT_EQ(monkey.trouble, "");
  EXPECT_TRUE(program.Game.ResourcesCreated) << "the monkey got into play";
  // Flat: what the game holds at the end is no more than it held in the first half.
  EXPECT_LE(monkey.heapAtEnd, monkey.heapMaxFirstHalf + (4u << 20))
      << "at a quarter " << monkey.heapAtQuarter << ", first half at most "
      << monkey.heapMaxFirstHalf;

  program.Replays.Flush();
  int replays = 0;
  for (const auto& entry : std::filesystem::directory_iterator(user.file("replays"))) {
    ++replays;
    const testing_support::TempDir viewer;
    const testing_support::GameRun check =
        testing_support::RunGame({"--headless", "--replay", entry.path().string(), "--game-dir",
                                  GLINT_GAME_DIR, "--user-dir", viewer.path()});
    EXPECT_EQ(check.status, 0) << entry.path() << "\n" << check.out << check.err;
  }
  std::printf("soak: %d replays checked\n", replays);
  EXPECT_GT(replays, 0) << "the monkey's games were recorded";
}

}  // namespace
