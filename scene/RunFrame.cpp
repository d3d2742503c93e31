#include "scene/RunFrame.h"

#include "menus/DialogQuestions.h"
#include "menus/ExitMenu.h"
#include "menus/HelpMenu.h"
#include "menus/MainMenu.h"
#include "menus/OptMenu.h"
#include "menus/RecordInputMenu.h"
#include "menus/RecordsMenu.h"
#include "online/ConnThread.h"
#include "scene/Cursor.h"
#include "scene/FadeIn.h"
#include "scene/FrameTiming.h"
#include "scene/Game.h"
#include "scene/InputRouting.h"
#include "scene/MenuDecoration.h"
#include "scene/Scene.h"
#include "scene/StatusLine.h"

namespace {

bool IsDialogState(std::uint8_t state) {
  return state == gsExitConfirm || state == gsRecordsResetConfirm || state == gsQuitConfirm ||
         state == gsSubmitAsk || state == gsSubmitFailed;
}

void RunScreensAndGame() {
  RouteKeys();
  RoutePointerMove();
  RoutePointerClick();
  AnimateCursor();

  if (IsDialogState(GameState) || GameState == gsSubmitting) ExitMenu->DialogTexts();
  if (IsRecordEntryState(GameState)) RecordInputMenu->FrameUpdate();
  if (GameState == gsPlaying) Game->UpdateFrame();
  // A level completed in this frame loads the next one in the same frame.
  if (GameState == gsStartLevel) {
    Game->LoadNextLevel();
    GameState = gsPlaying;
  }
  if (MenuMode) PulseDecorations();

  OptMenu->FrameUpdate();
  HelpMenu->FrameUpdate();
  MainMenu->FrameUpdate();
  RecordsMenu->FrameUpdate();
  if (IsDialogState(GameState)) ExitMenu->FrameUpdate();

  const bool gameOnScreen =
      GameState == gsPlaying || GameState == gsPaused || GameState == gsQuitConfirm;
  if (gameOnScreen && !Game->GameOverPhase) PrintStatusLine(GameState == gsPaused);
}

// The connection thread only reports how it ended; what follows runs here, between frames.
void FollowSubmission() {
  if (GameState != gsSubmitting) return;
  switch (ConnThread->TakeOutcome()) {
    case TSubmitOutcome::Sent:
      FinishSubmission();
      break;
    case TSubmitOutcome::Failed:
      GameState = gsSubmitFailed;
      break;
    case TSubmitOutcome::None:
      break;
  }
}

}  // namespace

void RunFrame() {
  StartFrameTiming();
  ++FramesRun;
  FollowSubmission();
  if (GameState == gsLeaving) {
    iExit();
  } else if (!StepFadeIn()) {
    RunScreensAndGame();
  }
  iRender();
}
