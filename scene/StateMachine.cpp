#include "scene/StateMachine.h"

#include <algorithm>
#include <cstdio>

#include "scene/Program.h"

namespace {

// Moves between different screens, by the screen they leave.
constexpr TStateMove kMoves[] = {
    // The main menu: a game, a panel, the question whether to leave.
    {gsMainMenu, gsStartLevel},
    {gsMainMenu, gsOptions},
    {gsMainMenu, gsRecords},
    {gsMainMenu, gsHelp},
    {gsMainMenu, gsExitConfirm},
    // The panels: beside them the main menu still starts a game, opens another panel or asks
    // whether to leave; a closed panel (also by a link, a new window or a reopened engine) gives
    // way to the main menu.
    {gsOptions, gsMainMenu},
    {gsOptions, gsOptionsName},
    {gsOptions, gsOptionsKey},
    {gsOptions, gsRecords},
    {gsOptions, gsHelp},
    {gsOptions, gsExitConfirm},
    {gsOptions, gsStartLevel},
    {gsOptionsName, gsOptions},
    {gsOptionsName, gsOptionsKey},
    {gsOptionsName, gsMainMenu},
    {gsOptionsName, gsRecords},
    {gsOptionsName, gsHelp},
    {gsOptionsName, gsExitConfirm},
    {gsOptionsName, gsStartLevel},
    {gsOptionsKey, gsOptions},
    {gsOptionsKey, gsOptionsName},
    {gsOptionsKey, gsMainMenu},
    {gsOptionsKey, gsRecords},
    {gsOptionsKey, gsHelp},
    {gsOptionsKey, gsExitConfirm},
    {gsOptionsKey, gsStartLevel},
    {gsHelp, gsMainMenu},
    {gsHelp, gsOptions},
    {gsHelp, gsRecords},
    {gsHelp, gsExitConfirm},
    {gsHelp, gsStartLevel},
    {gsRecords, gsMainMenu},
    {gsRecords, gsRecordsResetConfirm},
    {gsRecords, gsOptions},
    {gsRecords, gsHelp},
    {gsRecords, gsExitConfirm},
    {gsRecords, gsStartLevel},
    {gsRecordsResetConfirm, gsRecords},
    {gsExitConfirm, gsLeaving},
    {gsExitConfirm, gsMainMenu},
    // A game: its levels, the pause and the quit question, and its end (to the name entry when
    // the score is a record, else to the main menu).
    {gsStartLevel, gsPlaying},
    {gsPlaying, gsStartLevel},
    {gsPlaying, gsPaused},
    {gsPlaying, gsQuitConfirm},
    {gsPlaying, gsRecordEntry},
    {gsPlaying, gsMainMenu},
    {gsPaused, gsPlaying},
    {gsPaused, gsQuitConfirm},
    {gsQuitConfirm, gsPlaying},
    {gsQuitConfirm, gsPaused},
    {gsQuitConfirm, gsRecordEntry},
    {gsQuitConfirm, gsMainMenu},
    // The name entry and sending the record.
    {gsRecordEntry, gsRecordEntryName},
    {gsRecordEntry, gsRecordEntryAdd},
    {gsRecordEntry, gsSubmitAsk},
    {gsRecordEntry, gsMainMenu},
    {gsRecordEntryName, gsRecordEntry},
    {gsRecordEntryName, gsRecordEntryAdd},
    {gsRecordEntryName, gsSubmitAsk},
    {gsRecordEntryName, gsMainMenu},
    {gsRecordEntryAdd, gsRecordEntry},
    {gsRecordEntryAdd, gsRecordEntryName},
    {gsRecordEntryAdd, gsSubmitAsk},
    {gsRecordEntryAdd, gsMainMenu},
    {gsSubmitAsk, gsSubmitting},
    {gsSubmitAsk, gsRecords},
    {gsSubmitting, gsRecords},
    {gsSubmitting, gsSubmitFailed},
    {gsSubmitFailed, gsSubmitting},
    {gsSubmitFailed, gsRecords},
    // A replayed game: the attract demo gives way to the main menu from wherever its game is; a
    // replay viewed or checked ends on its last picture, which is left for good.
    {gsPaused, gsMainMenu},
    {gsPlaying, gsReplayEnd},
    {gsPaused, gsReplayEnd},
    {gsQuitConfirm, gsReplayEnd},
    {gsReplayEnd, gsLeaving},
};

using Action = void (*)(TProgram&);

// What entering or leaving a screen always brings, whichever screen it comes from or goes to.
struct ScreenActions {
  std::uint8_t state;
  Action entry;
  Action exit;
};

// The main menu's buttons, which the records panel stands beside too (also when it opens after a
// record question, from an ended game).
void ShowMainMenu(TProgram& program) {
  program.Screens.Main.ShowButtons();
}

void FullGameMusic(TProgram& program) {
  program.Music.SetGameVolume(1);
}

void Pause(TProgram& program) {
  program.Music.SetGameVolume(0);
  program.Game.ShowPausePicture();
}

void HidePause(TProgram& program) {
  program.Game.HidePausePicture();
}

void AskToQuit(TProgram& program) {
  program.ShowCursorSprite();
  program.Screens.Dialog.Show();
  program.Music.SetGameVolume(0);
}

// The last picture of a replay: the question it was left under goes, and so does the music.
void EndReplay(TProgram& program) {
  program.Screens.Dialog.Hide();
  program.HideCursorSprite();
  program.Music.Stop();
}

void AskQuestion(TProgram& program) {
  program.Screens.Dialog.Show();
}

// Clearing the records is not undone by a stray Enter: the refusing answer comes selected.
void AskToReset(TProgram& program) {
  program.Screens.Dialog.Selected = 2;
  program.Screens.Dialog.Show();
}

constexpr ScreenActions kActions[] = {
    {gsMainMenu, ShowMainMenu, nullptr},
    {gsRecords, ShowMainMenu, nullptr},
    {gsPlaying, FullGameMusic, nullptr},
    {gsPaused, Pause, HidePause},
    {gsQuitConfirm, AskToQuit, nullptr},
    {gsExitConfirm, AskQuestion, nullptr},
    {gsRecordsResetConfirm, AskToReset, nullptr},
    {gsSubmitAsk, AskQuestion, nullptr},
    {gsReplayEnd, EndReplay, nullptr},
};

const ScreenActions* ActionsOf(std::uint8_t state) {
  for (const ScreenActions& actions : kActions) {
    if (actions.state == state) return &actions;
  }
  return nullptr;
}

}  // namespace

std::span<const TStateMove> TStateMachine::Moves() {
  return kMoves;
}

bool TStateMachine::Allowed(std::uint8_t from, std::uint8_t to) {
  return std::any_of(std::begin(kMoves), std::end(kMoves),
                     [&](const TStateMove& move) { return move.from == from && move.to == to; });
}

bool TStateMachine::Change(std::uint8_t next) {
  if (next == current_) return true;
  if (!Allowed(current_, next)) {
    ++refused_;
    std::fprintf(stderr, "glintbreaker: no move from screen %d to screen %d; staying\n", current_,
                 next);
    return false;
  }
  const ScreenActions* leaving = ActionsOf(current_);
  const ScreenActions* entering = ActionsOf(next);
  current_ = next;
  if (leaving != nullptr && leaving->exit != nullptr) leaving->exit(program_);
  if (entering != nullptr && entering->entry != nullptr) entering->entry(program_);
  return true;
}
