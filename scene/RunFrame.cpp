#include "scene/RunFrame.h"

#include "menus/DialogQuestions.h"
#include "menus/RecordInputMenu.h"
#include "scene/Cursor.h"
#include "scene/FadeIn.h"
#include "scene/FrameSampling.h"
#include "scene/InputRouting.h"
#include "scene/MenuDecoration.h"
#include "scene/Program.h"
#include "scene/StatusLine.h"

namespace {

bool IsDialogState(std::uint8_t state) {
  return state == gsExitConfirm || state == gsRecordsResetConfirm || state == gsQuitConfirm ||
         state == gsSubmitAsk || state == gsSubmitFailed;
}

void RunScreensAndGame(TProgram& program) {
  const TFrameInput& input = program.Input;
  TScreens& screens = program.Screens;
  RouteKeys(program);
  RoutePointerMove(program);
  RoutePointerClick(program);
  AnimateCursor(program);

  if (IsDialogState(program.State()) || program.State() == gsSubmitting) {
    screens.Dialog.DialogTexts();
  }
  if (IsRecordEntryState(program.State())) screens.Entry.FrameUpdate(input);
  if (program.State() == gsPlaying) program.Game.UpdateFrame(input);
  // A level completed in this frame loads the next one in the same frame.
  if (program.State() == gsStartLevel) {
    program.Game.LoadNextLevel();
    program.ChangeState(gsPlaying);
  }
  if (program.MenuMode) PulseDecorations(program, input.k);

  screens.Options.FrameUpdate(input);
  screens.Help.FrameUpdate();
  screens.Main.FrameUpdate();
  screens.RecordsPanel.FrameUpdate();
  if (IsDialogState(program.State())) screens.Dialog.FrameUpdate();

  const std::uint8_t state = program.State();
  const bool gameOnScreen = state == gsPlaying || state == gsPaused || state == gsQuitConfirm;
  if (gameOnScreen && !program.Game.GameOverPhase) PrintStatusLine(program, state == gsPaused);
}

// The connection thread only reports how it ended; what follows runs here, between frames.
void FollowSubmission(TProgram& program) {
  if (program.State() != gsSubmitting || !program.Connection) return;
  switch (program.Connection->TakeOutcome()) {
    case TSubmitOutcome::Sent:
      FinishSubmission(program.Screens);
      break;
    case TSubmitOutcome::Failed:
      program.ChangeState(gsSubmitFailed);
      break;
    case TSubmitOutcome::None:
      break;
  }
}

}  // namespace

void RunFrame(TProgram& program) {
  program.Input = SampleFrameInput(program);
  ++program.FramesRun;
  FollowSubmission(program);
  if (program.State() == gsLeaving) {
    iExit();
  } else if (!StepFadeIn(program)) {
    RunScreensAndGame(program);
  }
  iRender();
}
