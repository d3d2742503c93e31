#include "menus/RecordsMenu.h"

#include <algorithm>

#include "menus/ExitMenu.h"
#include "menus/KeyCodes.h"
#include "menus/MenuSound.h"
#include "menus/Panels.h"
#include "scene/Game.h"
#include "scene/Scene.h"

namespace {

constexpr const char* kArchive = "data\\Forms.dat";
constexpr TPictureSpec kBody = {2, 1000002, 120, 320, 400, 500, 2};
constexpr TPictureSpec kTitle = {40, 1001423, 150, -35, 100, 400, 2};

// Back on the panel after the reset question, whatever the answer.
void ReturnFromResetQuestion() {
  iPrintsHide();
  GameState = gsRecords;
  ExitMenu->Hide();
  RecordsMenu->Open();
  PlayMenuSound(ClickSound);
}

}  // namespace

void TRecordsMenu::Build() {
  Panel.Build(kArchive, kBody, kTitle);
}

void TRecordsMenu::InitialState() {
  Build();
  Selected = 1;
}

void TRecordsMenu::Open() {
  Panel.Open();
}

void TRecordsMenu::Close() {
  Panel.Close();
}

void TRecordsMenu::Leave() {
  Close();
  ReturnToMainMenu();
}

void TRecordsMenu::Keys() {
  if (iKeyClick(kKeyEscape)) Leave();
}

void TRecordsMenu::FrameUpdate() {
  Panel.Step();
}

void TRecordsMenu::Reset() {
  // Only the names' first bytes and the scores are reset; the file is replaced whole.
  const TRecordsTable defaults = TRecordsTable::Defaults();
  for (std::size_t i = 0; i < Records.Entries.size(); ++i) {
    TRecordEntry& entry = Records.Entries[i];
    const TRecordEntry& fresh = defaults.Entries[i];
    entry.NameLength = fresh.NameLength;
    std::copy_n(fresh.Name.begin(), fresh.NameLength, entry.Name.begin());
    entry.Score = fresh.Score;
  }
  SaveRecordsFile(Records);
  ReturnFromResetQuestion();
}

void TRecordsMenu::CancelReset() {
  ReturnFromResetQuestion();
}

void TRecordsMenu::RecordCheck(bool afterGameOver) {
  Game->HideGameObjects();
  ShowMenuBackground();
  Game->ResetGame();
  ReturnToMainMenu();
  MenuMode = true;
  if (afterGameOver) {
    StopMusic();
    PlayMusic("1");
  }
}

// The panel's buttons and bands come with its contents.
void TRecordsMenu::Hover(int, int) {}
void TRecordsMenu::Click(int, int) {}
