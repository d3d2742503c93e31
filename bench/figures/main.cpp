// The figures of the game's speed and weight, each beside its budget, in one table: the logic
// of a frame of the heaviest play, headless frames per second, what each scene costs to draw in
// a real window and in CPU, the pacing of the frames, the time to the first picture and the
// peak memory. Runs on a display (make bench starts one under Xvfb).
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
#include "userdata/Settings.h"

namespace {

using figures::Spread;

// The peer, a software-drawn game of the same kind, measured side by side on the reference
// machine (2 cores, no GPU, Xvfb): 43 ms to its first picture, 5.6 % of a core idle in its menu,
// 74 MB at its peak.
constexpr double kPeerFirstPictureMs = 43;
constexpr double kPeerIdleCpuPercent = 5.6;
constexpr double kPeerPeakMb = 74;

struct Row {
  std::string figure, value, budget;
  bool ok;
};
std::vector<Row> rows;

void Add(const std::string& figure, const std::string& value, const std::string& budget, bool ok) {
  rows.push_back({figure, value, budget, ok});
}

std::string Format(const char* format, double a, double b = 0) {
  char text[96];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

void Logic() {
  benchplay::HeadlessPlay play;
  std::vector<double> micros;
  for (int frame = 1; frame <= 3000; ++frame) {
    if (frame % 150 == 0) play.Restart();
    const auto start = std::chrono::steady_clock::now();
    play.Frame();
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  const Spread spread = figures::SpreadOf(micros);
  Add("logic of a frame of the heaviest play (median / p99)",
      Format("%.1f / %.1f us", spread.median, spread.p99), "<= 50 us", spread.median <= 50);
}

void Scenes() {
  const figures::SceneRun run = figures::RunScenes();
  for (const figures::SceneFigures& scene : run.scenes) {
    const bool play = scene.name.rfind("play", 0) == 0;
    Add("draw " + scene.name + " (median / p99)",
        Format("%.2f / %.2f ms", scene.drawMs.median, scene.drawMs.p99),
        play ? "<= 6 / <= 12 ms" : "p99 < 13 ms",
        play ? scene.drawMs.median <= 6 && scene.drawMs.p99 <= 12 : scene.drawMs.p99 < 13);
    Add("  cards and pixels drawn a frame (medians)",
        Format("%.0f cards, %.0f pixels", scene.cards, scene.pixels), "", true);
    Add("  CPU at one frame every 13 ms", Format("%.1f %% of a core", scene.cpuPercent),
        play ? "< 15 %" : "", !play || scene.cpuPercent < 15);
  }
  Add("CPU hidden (the boss key in full screen)", Format("%.2f %% of a core", run.hiddenCpuPercent),
      "< 1 %", run.hiddenCpuPercent < 1);
  Add("peak memory after play", Format("%.1f MB", run.playPeakKb / 1024.0), "", true);
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
  Add("first picture after exec", Format("%.0f ms", run.firstPictureMs),
      Format("<= %.0f ms", kPeerFirstPictureMs), run.firstPictureMs <= kPeerFirstPictureMs);
  const Spread pacing = Periods(run.frames, 2000);
  Add("frame period over 2000 paced frames (median / p99)",
      Format("%.2f / %.2f ms", pacing.median, pacing.p99), "13 / <= 14 ms",
      std::abs(pacing.median - 13) < 0.5 && pacing.p99 <= 14);
  Add("CPU idle in the main menu, window", Format("%.1f %% of a core", run.idleCpuPercent),
      Format("<= %.1f %%", kPeerIdleCpuPercent), run.idleCpuPercent <= kPeerIdleCpuPercent);
  Add("peak memory idle in the main menu", Format("%.1f MB", run.peakKb / 1024.0),
      Format("<= %.0f MB", kPeerPeakMb / 2), run.peakKb / 1024.0 <= kPeerPeakMb / 2);
  const figures::GameRun full = figures::RunGame(fullScreen, 12);
  Add("CPU idle in the main menu, full screen", Format("%.1f %% of a core", full.idleCpuPercent),
      Format("<= %.1f %%", kPeerIdleCpuPercent),
      full.ran && full.idleCpuPercent <= kPeerIdleCpuPercent);
}

}  // namespace

int main() {
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "glintbreaker_figures: needs a display (make bench runs it under Xvfb)\n");
    return 2;
  }
  Logic();
  Add("headless frames per second of a scripted game",
      Format("%.0f", figures::HeadlessFramesPerSecond(20000)), "", true);
  RealGame();
  Scenes();
  bool all = true;
  std::printf("\n%-56s %-28s %-16s\n", "figure", "measured", "budget");
  for (const Row& row : rows) {
    std::printf("%-56s %-28s %-16s %s\n", row.figure.c_str(), row.value.c_str(), row.budget.c_str(),
                row.budget.empty() ? ""
                : row.ok           ? "ok"
                                   : "OVER");
    all = all && row.ok;
  }
  std::printf("\n%s\n", all ? "every figure within its budget" : "some figures over budget");
  return 0;
}
