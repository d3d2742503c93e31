// One frame of play: the phase the game is in (game over, level banner, time-out, level
// complete, entry slide, play), the time limit, level completion, lost lives and the end of a
// game, then the field's objects.
#include <cmath>
#include <string>

#include "menus/MenuKit.h"
#include "scene/BatSteering.h"
#include "scene/Game.h"
#include "scene/SceneMedia.h"

namespace {

struct BannerLook {
  long double pulseLimit;
  bool shrinkScaled;  // the shrink step is multiplied by the frame factor
  long double xSpread, xBase;
  float size;
  // The left end of the text, moving right as the banner shrinks.
  float TextX(long double scale) const { return static_cast<float>((1 - scale) * xSpread + xBase); }
};

constexpr BannerLook kLevelLook{4 * kPi, false, 3, -5, 0.2f};
constexpr BannerLook kTimeOutLook{8 * kPi, true, 7, -10, 0.1f};
constexpr BannerLook kCompleteLook{8 * kPi, true, 7, -10, 0.2f};

// Grows in, pulses until its limit (and, with `hold`, for as long as that lasts), then shrinks;
// its life ends once it has shrunk away.
void Animate(TBanner& banner, const BannerLook& look, long double k, bool hold) {
  if (banner.Appear) {
    if (banner.Scale < 1) {
      banner.Scale += 0.05L * k;
      banner.Alpha += 0.05L * k;
    } else if (banner.Pulse < look.pulseLimit) {
      banner.Alpha = std::cos(banner.Pulse) * 0.4L + 0.6L;
      banner.Pulse += 0.1L * k;
    } else if (!hold) {
      banner.Appear = false;
    }
    return;
  }
  if (banner.Scale > 0) {
    const long double step = look.shrinkScaled ? 0.05L * k : 0.05L;
    banner.Scale -= step;
    banner.Alpha -= step;
  }
  if (banner.Scale <= 0) banner.Life = -1.0L;
}

// The banner's text in `font`, sized and faded as it runs.
void Draw(const TBanner& banner, const BannerLook& look, const std::string& text, iHandle font) {
  const auto scale = static_cast<float>(banner.Scale);
  iPrintColorSet(1, 1, 0, static_cast<float>(banner.Alpha));
  iPrint(text.c_str(), {look.TextX(banner.Scale), 0}, {scale, scale}, look.size, font);
  iPrintColorSet(1, 1, 1, 1);
}

}  // namespace

void TGame::UpdateObjects(const FrameStep& step) {
  Field.UpdateObjects(step);
  if (Field.TakeGameOver()) EnterGameOver();
}

bool TGame::TakeLifeLost() {
  const bool lost = lifeLost_ || Field.TakeLifeLost();
  lifeLost_ = false;
  return lost;
}

TGameOutcome TGame::GameOverFrame(const FrameStep& step) {
  GameOverTimer -= step.k * 0.013L;
  if (GameOverTimer >= 0) return {};
  media_.GameOverPicture->Hide();
  GameOverPhase = false;
  GameOverTimer = 3.0L;
  return {false, true};
}

TGameOutcome TGame::UpdateFrame(const TFrameInput& input, std::uint8_t pointerClick) {
  const FrameStep step{input.k, input.tick, settings_.SoundOn != 0};
  if (GameOverPhase) return GameOverFrame(step);
  if (LevelBanner.Active) {
    Animate(LevelBanner, kLevelLook, step.k, false);
    if (LevelBanner.Life > 0) {
      Draw(LevelBanner, kLevelLook,
           std::string(kit_.Texts().levelTitle) + " " + std::to_string(GetLevel()), kit_.Font);
    } else {
      LevelBanner.Active = false;
    }
    UpdateObjects(step);
    return {};
  }
  if (TimeOutBanner.Active) {
    Animate(TimeOutBanner, kTimeOutLook, step.k, false);
    if (TimeOutBanner.Life > 0) {
      Draw(TimeOutBanner, kTimeOutLook, kit_.Texts().timeOut, kit_.Font);
      UpdateObjects(step);
      return {};
    }
    TimeOutBanner.Active = false;
    lifeLost_ = true;
    // With the last life the counter stays at 1 and the game ends.
    if (GetLives() < 2) {
      EnterGameOver();
      return {};
    }
    // The same level again, from its file, with a fresh time limit.
    ClearBricks();
    SetLevel(GetLevel() - 1);
    SetLives(GetLives() - 1);
    return {true, false};
  }
  if (CompleteBanner.Active) {
    Animate(CompleteBanner, kCompleteLook, step.k, Counters.TimeLeft > 0);
    // The time bonus: a point for every started quarter second left, one a frame.
    if (Counters.TimeLeft > 0) {
      Counters.TimeLeft -= 0.25L;
      Counters.AddScore(1);
    }
    if (CompleteBanner.Life > 0) {
      Draw(CompleteBanner, kCompleteLook, kit_.Texts().levelComplete, kit_.Font);
      UpdateObjects(step);
      return {};
    }
    CompleteBanner.Active = false;
    const auto count = LevelCount();
    if (!count || GetLevel() >= *count) {
      EnterGameOver();
      return {};
    }
    HideGameObjects();
    media_.LoadingPicture->Show();
    ClearBricks();
    return {true, false};
  }
  if (Field.EntrySlide) {
    Field.SlideIn(step);
    UpdateObjects(step);
    return {};
  }
  const bool windowed = settings_.Windowed != 0;
  TGameOutcome outcome;
  outcome.steered = Field.Play(step, ReadBatControls(input, pointerClick, windowed)).steered;
  Counters.TimeLeft -= 0.01333L * step.k;
  if (Field.LevelComplete()) CompleteBanner.Start();
  if (Counters.TimeLeft < 0) TimeOutBanner.Start();
  UpdateObjects(step);
  return outcome;
}
