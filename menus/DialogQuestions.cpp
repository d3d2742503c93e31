#include "menus/DialogQuestions.h"

#include "menus/GameStates.h"
#include "menus/Panels.h"
#include "menus/Screens.h"

namespace {

void LeaveProgram(TScreens& screens) {
  screens.Host.ChangeState(gsLeaving);
}

void BackToMainMenu(TScreens& screens) {
  iPrintsHide();
  screens.Dialog.Hide();
  ReturnToMainMenu(screens);
  CloseAllPanels(screens);
  screens.Kit.Play(screens.Kit.ClickSound);
}

void EndGame(TScreens& screens) {
  screens.Host.EndGame();
  screens.Dialog.Hide();
}

void ResumeGame(TScreens& screens) {
  iPrintsHide();
  screens.Dialog.Hide();
  screens.Host.ResumeGame();
}

void ResetRecords(TScreens& screens) {
  screens.RecordsPanel.Reset();
}

void KeepRecords(TScreens& screens) {
  screens.RecordsPanel.CancelReset();
}

void SendRecord(TScreens& screens) {
  screens.Host.StartSubmission(screens.Entry.NameField, screens.Settings.AddTextString(),
                               screens.Entry.Score);
}

// After the new record: the dialog goes and the game is reset behind it, back to the main menu.
void LeaveRecordQuestion(TScreens& screens) {
  iPrintsHide();
  screens.Dialog.Hide();
  screens.Host.LeaveEndedGame();
}

// The new record stays in the local table; the records panel opens with the menu music.
void BackToRecords(TScreens& screens) {
  LeaveRecordQuestion(screens);
  screens.Host.PlayMenuMusic();
  screens.Host.ChangeState(gsRecords);
  screens.RecordsPanel.Open();
}

constexpr TDialogQuestion kQuestions[] = {
    {gsExitConfirm, &TTexts::leaveQuestion, LeaveProgram, BackToMainMenu},
    {gsQuitConfirm, &TTexts::quitQuestion, EndGame, ResumeGame},
    {gsRecordsResetConfirm, &TTexts::resetQuestion, ResetRecords, KeepRecords},
    {gsSubmitAsk, &TTexts::submitQuestion, SendRecord, BackToRecords},
    {gsSubmitting, &TTexts::waitLine, nullptr, nullptr},
    {gsSubmitFailed, &TTexts::retryQuestion, SendRecord, BackToRecords},
};

}  // namespace

void FinishSubmission(TScreens& screens) {
  LeaveRecordQuestion(screens);
  screens.Host.ChangeState(gsRecords);
  screens.RecordsPanel.Open();
}

const TDialogQuestion* FindDialogQuestion(std::uint8_t state) {
  for (const TDialogQuestion& question : kQuestions) {
    if (question.state == state) return &question;
  }
  return nullptr;
}
