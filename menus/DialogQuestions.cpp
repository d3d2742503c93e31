#include "menus/DialogQuestions.h"

#include "menus/GameStates.h"
#include "menus/Panels.h"
#include "menus/Screens.h"

namespace {

constexpr iColor4 kRose = {1, 0.2f, 0.2f, 1};
constexpr iColor4 kRed = {1, 0, 0, 1};

// Leave the program?
constexpr TPanelLine kLeaveLines[] = {
    {"\x82\xBB\xA9\xB2\xA8\x20\xA8\xA7\x20\xA8\xA3\xB0\xBB\x3F", -5.7f, 2.0f, 0.7f, kRose}};
// Quit to the menu?
constexpr TPanelLine kQuitLines[] = {
    {"\x82\xBB\xA9\xB2\xA8\x20\xA2\x20\xAC\xA5\xAD\xBF\x3F", -5.2f, 2.0f, 0.7f, kRose}};
// Clear the records?
constexpr TPanelLine kResetLines[] = {
    {"\x8E\xB7\xA8\xB1\xB2\xA8\xB2\xBD\x20\xB0\xA5\xAA\xAE\xB0\xA4\xBB\x3F", -6.7f, 1.8f, 0.7f,
     kRose}};
// Send the result to the records page?
constexpr TPanelLine kSubmitLines[] = {
    {"\x8E\xB2\xAF\xB0\xA0\xA2\xA8\xB2\xBD\x20\xB0\xA5\xA7\xB3\xAB\xBD\xB2\xA0\xB2", -6.7f, 2.5f,
     0.6f, kRose},
    {"\xAD\xA0\x20\xB1\xB2\xB0\xA0\xAD\xA8\xB6\xB3\x20\xB0\xA5\xAA\xAE\xB0\xA4\xAE\xA2\x3F", -7.3f,
     1.0f, 0.6f, kRose}};
// Please wait...
constexpr TPanelLine kWaitLines[] = {
    {"\x8F\xAE\xA6\xA0\xAB\xB3\xA9\xB1\xB2\xA0\x20\xAF\xAE\xA4\xAE\xA6\xA4\xA8\xB2\xA5\x2E\x2E\x2E",
     -7.6f, 2.0f, 0.55f, kRed}};
// Cannot connect to the server. Try again?
constexpr TPanelLine kRetryLines[] = {
    {"\x8D\xA5\xA2\xAE\xA7\xAC\xAE\xA6\xAD\xAE\x20\xAF\xAE\xA4\xAA\xAB\xBF\xB7\xA8\xB2\xBD\xB1\xC0",
     -7.8f, 2.5f, 0.55f, kRed},
    {"\xAA\x20\xB1\xA5\xB0\xA2\xA5\xB0\xB3\x2E\x20\x8F\xB0\xAE\xA4\xAE\xAB\xA6\xA8\xB2\xBD\x3F",
     -7.3f, 1.0f, 0.55f, kRed}};

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
    {gsExitConfirm, kLeaveLines, LeaveProgram, BackToMainMenu},
    {gsQuitConfirm, kQuitLines, EndGame, ResumeGame},
    {gsRecordsResetConfirm, kResetLines, ResetRecords, KeepRecords},
    {gsSubmitAsk, kSubmitLines, SendRecord, BackToRecords},
    {gsSubmitting, kWaitLines, nullptr, nullptr},
    {gsSubmitFailed, kRetryLines, SendRecord, BackToRecords},
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
