#include "scene/RunFrame.h"

#include "menus/DialogQuestions.h"
#include "menus/RecordInputMenu.h"
#include "scene/BatSteering.h"
#include "scene/Cursor.h"
#include "scene/FadeIn.h"
#include "scene/FrameSampling.h"
#include "scene/InputRouting.h"
#include "scene/MenuDecoration.h"
#include "scene/PadControls.h"
#include "scene/PlaybackFrame.h"
#include "scene/Program.h"
#include "scene/StatusLine.h"

namespace {

// A lost life shakes the pads: firmly, for less than half a second.
constexpr float kLostLifeRumble = 0.75f;
constexpr int kLostLifeRumbleMs = 400;

bool IsDialogState(std::uint8_t state) {
  return state == gsExitConfirm || state == gsRecordsResetConfirm || state == gsQuitConfirm ||
         state == gsSubmitAsk || state == gsSubmitFailed;
}

// The connection thread only reports how it ended; what follows runs here, between frames.
void FollowSubmission(TProgram& program) {
  if (program.States.Current() != gsSubmitting || !program.Connection) return;
  switch (program.Connection->TakeOutcome()) {
    case TSubmitOutcome::Sent:
      FinishSubmission(program.Screens);
      break;
    case TSubmitOutcome::Failed:
      program.States.Change(gsSubmitFailed);
      break;
    case TSubmitOutcome::None:
      break;
  }
}

}  // namespace

void RunScreensAndGame(TProgram& program) {
  // The pad's buttons as the keys they stand for: what follows reads keys alone.
  program.Input = WithPadKeys(program.Input, program.States.Current());
  const TFrameInput& input = program.Input;
  TScreens& screens = program.Screens;
  RouteKeys(program);
  RoutePointerMove(program);
  RoutePointerClick(program);
  AnimateCursor(program);

  if (IsDialogState(program.States.Current()) || program.States.Current() == gsSubmitting) {
    screens.Dialog.DialogTexts();
  }
  if (IsRecordEntryState(program.States.Current())) screens.Entry.FrameUpdate(input);
  if (program.States.Current() == gsPlaying) {
    const TGameOutcome outcome = program.Game.UpdateFrame(input, program.PointerClick);
    // A replay's lost lives are not the viewer's to feel.
    if (program.Game.TakeLifeLost() && !program.Playback.Active()) {
      iPadRumble(kLostLifeRumble, kLostLifeRumbleMs);
    }
    // The pointer a replay brings is not the viewer's to move.
    if (outcome.steered && !program.Playback.Active()) {
      RecentrePointer(input, program.Settings.Windowed != 0);
    }
    if (outcome.nextLevel) program.States.Change(gsStartLevel);
    if (outcome.ended) program.EndOfGame(true);
  }
  // A level completed in this frame loads the next one in the same frame.
  if (program.States.Current() == gsStartLevel) {
    program.Game.LoadNextLevel();
    program.States.Change(gsPlaying);
  }
  if (program.MenuMode) PulseDecorations(program, input.k);

  screens.Options.FrameUpdate(input);
  screens.Help.FrameUpdate();
  screens.Main.FrameUpdate();
  screens.RecordsPanel.FrameUpdate();
  if (IsDialogState(program.States.Current())) screens.Dialog.FrameUpdate();

  const std::uint8_t state = program.States.Current();
  const bool gameOnScreen = state == gsPlaying || state == gsPaused || state == gsQuitConfirm;
  if (gameOnScreen && !program.Game.GameOverPhase) PrintStatusLine(program, state == gsPaused);
}

void RunFrame(TProgram& program) {
  program.Input = SampleFrameInput(program);
  ++program.FramesRun;
  FollowSubmission(program);
  if (program.States.Current() == gsLeaving) {
    iExit();
  } else if (ReplayOwnsFrame(program)) {
    RunPlaybackFrame(program);
  } else if (!StepFadeIn(program)) {
    if (program.Recording.Active()) program.Recording.Record(program);
    RunScreensAndGame(program);
    program.Demo.Watch(program);
  }
  iRender();
}
