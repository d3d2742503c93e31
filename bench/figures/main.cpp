// The figures of the game's speed and weight, each beside its budget, in one table: the logic
// of a frame of the heaviest plays, headless frames per second, the start, the idle menu and the
// peak memory of the game as players run it, and what each scene costs to draw and, paced, in
// CPU of the game and of the X server, in a window and full screen. Everything runs on an Xvfb
// server of its own, so the server's share can be measured.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/figures/game_process.h"
#include "bench/figures/scenes.h"
#include "bench/figures/stats.h"
#include "bench/play_setup.h"
#include "tests/e2e/private_display.h"
#include "userdata/Settings.h"

namespace {

using figures::Spread;

// The peer, a software-drawn game of the same kind, measured side by side on the reference
// machine (2 cores, no GPU, Xvfb): 35 ms to its first picture, 4.0 % of a core idle in its menu,
// 74 MB at its peak in the menu and 76 MB in play.
constexpr double kPeerFirstPictureMs = 35;
constexpr double kPeerIdleCpuPercent = 4.0;
constexpr double kPeerPeakMb = 74;
constexpr double kPeerPlayPeakMb = 76;

// Budgets of the heaviest plays: drawing with pacing off, and paced CPU.
constexpr double kPlayDrawMedianMs = 3, kPlayDrawP99Ms = 6;
constexpr double kPlayCpuPercent = 10, kArmouredPlayCpuPercent = 15;
constexpr double kLongestPeriodMs = 14;
constexpr double kFramePeriodMs = 13;

struct Row {
  std::string figure, value, budget;
  bool ok;
};
std::vector<Row> rows;

void Add(const std::string& figure, const std::string& value, const std::string& budget, bool ok) {
  rows.push_back({figure, value, budget, ok});
}

std::string Format(const char* format, double a, double b = 0, double c = 0) {
  char text[96];
  std::snprintf(text, sizeof text, format, a, b, c);
  return text;
}

void Logic(benchplay::Balls balls, const char* scene) {
  benchplay::HeadlessPlay play(balls);
  std::vector<double> micros;
  for (int frame = 1; frame <= 3000; ++frame) {
    if (frame % benchplay::kFramesPerRebuild == 0) play.Restart();
    const auto start = std::chrono::steady_clock::now();
    play.Frame();
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  const Spread spread = figures::SpreadOf(micros);
  Add(std::string("logic of a frame, ") + scene + " (median / p99)",
      Format("%.1f / %.1f us", spread.median, spread.p99), "p99 <= 50 us", spread.p99 <= 50);
}

void Scene(const figures::SceneFigures& scene) {
  if (!scene.play) {
    Add("draw " + scene.name + " (median / p99)",
        Format("%.2f / %.2f ms", scene.drawMs.median, scene.drawMs.p99), "p99 < 13 ms",
        scene.drawMs.p99 < kFramePeriodMs);
    return;
  }
  Add("  draw a frame, pacing off (median / p99)",
      Format("%.2f / %.2f ms", scene.drawMs.median, scene.drawMs.p99),
      Format("<= %.0f / <= %.0f ms", kPlayDrawMedianMs, kPlayDrawP99Ms),
      scene.drawMs.median <= kPlayDrawMedianMs && scene.drawMs.p99 <= kPlayDrawP99Ms);
  Add("  cards and pixels drawn a frame (medians)",
      Format("%.0f cards, %.0f pixels", scene.cards, scene.pixels), "", true);
}

// Paced CPU: the plain play's budget holds for the game and the X server together, the
// armoured play's for the game.
void PacedScene(const figures::SceneFigures& scene) {
  const bool armoured = scene.name.find("armoured") != std::string::npos;
  const double total = scene.cpuPercent + scene.xServerCpuPercent;
  Add("  CPU paced: game + X server",
      Format("%.1f + %.1f = %.1f %% of a core", scene.cpuPercent, scene.xServerCpuPercent, total),
      armoured ? Format("game <= %.0f %%", kArmouredPlayCpuPercent)
               : Format("both <= %.0f %%", kPlayCpuPercent),
      armoured ? scene.cpuPercent <= kArmouredPlayCpuPercent : total <= kPlayCpuPercent);
  Add("  frame period paced (median / p99 / longest)",
      Format("%.2f / %.2f / %.2f ms", scene.periodMs.median, scene.periodMs.p99,
             scene.longestPeriodMs),
      Format("longest <= %.0f ms", kLongestPeriodMs), scene.longestPeriodMs <= kLongestPeriodMs);
}

void Scenes(pid_t xServer) {
  figures::SceneRun drawn[2], paced[2];
  for (int full = 0; full < 2; ++full) {
    drawn[full] = figures::MeasureScenes({full == 1, false, xServer});
    paced[full] = figures::MeasureScenes({full == 1, true, xServer});
  }
  if (!drawn[0].ran) {
    Add("the scenes in a window", "did not run", "", false);
    return;
  }
  for (const figures::SceneFigures& scene : drawn[0].scenes) {
    if (!scene.play) Scene(scene);
  }
  for (std::size_t i = 0; i < drawn[0].scenes.size(); ++i) {
    if (!drawn[0].scenes[i].play) continue;
    for (int full = 0; full < 2; ++full) {
      const char* mode = full ? "full screen" : "window";
      if (!drawn[full].ran || !paced[full].ran) {
        Add(drawn[0].scenes[i].name + ", " + mode, "did not run", "", false);
        continue;
      }
      Add(drawn[0].scenes[i].name + ", " + mode, "", "", true);
      Scene(drawn[full].scenes[i]);
      PacedScene(paced[full].scenes[i]);
    }
  }
  Add("CPU hidden (the boss key in full screen)",
      Format("%.2f %% of a core", drawn[0].hiddenCpuPercent), "< 1 %",
      drawn[0].hiddenCpuPercent < 1);
  for (int full = 0; full < 2; ++full) {
    const double mb = drawn[full].peakKb / 1024.0;
    Add(std::string("peak memory after play, ") + (full ? "full screen" : "window"),
        Format("%.1f MB", mb), Format("<= %.0f MB", kPeerPlayPeakMb / 2),
        drawn[full].ran && mb <= kPeerPlayPeakMb / 2);
  }
}

// Frames shown apart, from the frame log of a run with the real clock, fade-in included.
Spread Periods(const std::vector<figures::FrameRecord>& frames, std::size_t count) {
  std::vector<double> periods;
  for (std::size_t i = 2; i < frames.size() && periods.size() < count; ++i) {
    periods.push_back(static_cast<double>(frames[i].shownMicros - frames[i - 1].shownMicros) /
                      1000.0);
  }
  return figures::SpreadOf(periods);
}

void Start(const figures::GameRun& run, const char* mode) {
  Add(std::string("first picture after exec, ") + mode, Format("%.0f ms", run.firstPictureMs),
      Format("<= %.0f ms", kPeerFirstPictureMs), run.firstPictureMs <= kPeerFirstPictureMs);
  Add(std::string("  from the splash to the next frame, ") + mode,
      Format("%.1f ms", run.afterSplashMs), Format("<= %.0f ms", kFramePeriodMs),
      run.afterSplashMs <= kFramePeriodMs);
  Add(std::string("CPU idle in the main menu, ") + mode,
      Format("%.1f %% of a core", run.idleCpuPercent), Format("<= %.1f %%", kPeerIdleCpuPercent),
      run.idleCpuPercent <= kPeerIdleCpuPercent);
  Add(std::string("peak memory idle in the main menu, ") + mode,
      Format("%.1f MB", run.peakKb / 1024.0), Format("<= %.0f MB", kPeerPeakMb / 2),
      run.peakKb / 1024.0 <= kPeerPeakMb / 2);
}

void RealGame() {
  const std::string windowed;    // the default settings
  TSettings fullScreenSettings;  // the defaults but full screen
  fullScreenSettings.Windowed = 0;
  const auto encoded = fullScreenSettings.Encode();
  const std::string fullScreen(encoded.begin(), encoded.end());
  const figures::GameRun run = figures::RunGame(windowed, 32);
  if (!run.ran) {
    Add("the game in a window", "did not run", "", false);
    return;
  }
  Start(run, "window");
  const Spread pacing = Periods(run.frames, 2000);
  Add("frame period over 2000 paced frames (median / p99)",
      Format("%.2f / %.2f ms", pacing.median, pacing.p99), "13 / <= 14 ms",
      std::abs(pacing.median - kFramePeriodMs) < 0.5 && pacing.p99 <= kLongestPeriodMs);
  const figures::GameRun full = figures::RunGame(fullScreen, 12);
  if (!full.ran) {
    Add("the game full screen", "did not run", "", false);
    return;
  }
  Start(full, "full screen");
}

}  // namespace

int main(int argc, char** argv) {
  figures::SceneOptions sceneOptions;
  if (figures::ParseSceneArguments(argc, argv, sceneOptions))
    return figures::PlayScenesAndReport(sceneOptions);

  e2e::PrivateDisplay display;
  if (display.name().empty()) {
    std::fprintf(stderr, "glintbreaker_figures: cannot start Xvfb\n");
    return 2;
  }
  setenv("DISPLAY", display.name().c_str(), 1);
  Logic(benchplay::Balls::Plain, "densest level, 20 balls, gun");
  Logic(benchplay::Balls::Armoured, "densest level, 20 armoured balls, gun");
  Add("headless frames per second of a scripted game",
      Format("%.0f", figures::HeadlessFramesPerSecond(20000)), "", true);
  RealGame();
  Scenes(display.pid());
  bool all = true;
  std::printf("\n%-62s %-30s %-18s\n", "figure", "measured", "budget");
  for (const Row& row : rows) {
    std::printf("%-62s %-30s %-18s %s\n", row.figure.c_str(), row.value.c_str(), row.budget.c_str(),
                row.budget.empty() ? ""
                : row.ok           ? "ok"
                                   : "OVER");
    all = all && row.ok;
  }
  std::printf("\n%s\n", all ? "every figure within its budget" : "some figures over budget");
  return 0;
}
