#include "menus/RecordsMenu.h"

#include <array>
#include <cstdio>
#include <string>

#include "engine/KeyCodes.h"
#include "engine/MeshSprite.h"
#include "menus/ExitMenu.h"
#include "menus/MenuSound.h"
#include "menus/PanelText.h"
#include "menus/Panels.h"
#include "menus/RecordInputMenu.h"
#include "scene/Game.h"
#include "scene/Scene.h"

namespace {

constexpr const char* kArchive = "data\\Forms.dat";
constexpr int kPriority = 2;
constexpr TPictureSpec kBody = {2, 1000002, 120, 320, 400, 500, kPriority};
constexpr TPictureSpec kTitle = {40, 1001423, 150, -35, 100, 400, kPriority};
constexpr TButtonSpec kResetButton = {20, 21, 1001437, 1001436, 425, 340, 150, 250, 40, 30};
constexpr TButtonSpec kOnlineButton = {22, 23, 1001439, 1001438, 425, 565, 150, 250, 40, 30};
constexpr std::uint8_t kResetItem = 1, kOnlineItem = 2;

constexpr iColor4 kTableColour = {1, 0, 0, 1};
constexpr float kTableScale = 0.4f, kTableSize = 0.2f;

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
  Discard(reset_);
  Discard(online_);
  reset_ = CreateButton(kArchive, kResetButton, kPriority);
  online_ = CreateButton(kArchive, kOnlineButton, kPriority);
  for (const TMeshButton* button : {reset_, online_}) {
    button->Show();
    Panel.AddToBody(button);
  }
}

void TRecordsMenu::InitialState() {
  Build();
  Selected = kResetItem;
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

void TRecordsMenu::MoveSelection(std::uint8_t selected) {
  Selected = selected;
  PlayKeyMoveSound();
}

void TRecordsMenu::Keys() {
  if (iKeyClick(kKeyRight)) MoveSelection(kOnlineItem);
  if (iKeyClick(kKeyLeft)) MoveSelection(kResetItem);
  // Enter and Escape in one frame run only the first: it leaves the panel's screen.
  if (iKeyClick(kKeyEnter)) {
    if (Selected == kResetItem) AskReset();
    if (Selected == kOnlineItem) OnlineRecords();
  } else if (iKeyClick(kKeyEscape)) {
    Leave();
  }
}

void TRecordsMenu::Hover(int x, int y) {
  const std::uint8_t before = Selected;
  if (reset_->HitTest(x, y)) Selected = kResetItem;
  if (online_->HitTest(x, y)) Selected = kOnlineItem;
  if (Selected != before) PlayMenuSound(MoveSound);
}

void TRecordsMenu::Click(int x, int y) {
  if (reset_->HitTest(x, y)) {
    AskReset();
  } else if (online_->HitTest(x, y)) {
    OnlineRecords();
  }
}

void TRecordsMenu::FrameUpdate() {
  Panel.Step();
  const bool ownScreen = GameState == gsRecords;
  if (ownScreen) {
    FadeButton(reset_, Selected == kResetItem);
    FadeButton(online_, Selected == kOnlineItem);
    iPrintsHide();
  }
  // Sliding out beside the main menu or another panel, the table goes with the panel; under a
  // question or over the game its lines would cover what is printed there.
  const bool sliding = Panel.Slide > 0 && Panel.Slide < 100;
  const bool besideMenu = GameState == gsMainMenu || IsPanelState(GameState);
  if (ownScreen || (sliding && besideMenu)) PrintTable();
}

void TRecordsMenu::PrintTable() const {
  std::array<std::string, TRecordsTable::kPlaces> texts;
  std::array<TPanelLine, TRecordsTable::kPlaces> lines;
  const auto x = static_cast<float>(2.5L + Panel.TextShift());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const TRecordEntry& entry = Records.Entries[i];
    char text[64];
    std::snprintf(text, sizeof text, "%10s   %6d", entry.NameString().c_str(), entry.Score);
    texts[i] = text;
    lines[i] = {texts[i], x, static_cast<float>(4.5L - 1.048L * static_cast<long double>(i + 1)),
                kTableScale, kTableColour};
  }
  AddPanelLines(lines, kTableSize);
}

void TRecordsMenu::AskReset() {
  iPrintsHide();
  Close();
  GameState = gsRecordsResetConfirm;
  ExitMenu->Selected = 2;
  ExitMenu->Show();
  PlayMenuSound(ClickSound);
}

void TRecordsMenu::Reset() {
  // The file is replaced whole and atomically: a write that fails leaves the old table on disk.
  Records.ResetToDefaults();
  SaveRecordsFile(Records);
  ReturnFromResetQuestion();
}

void TRecordsMenu::CancelReset() {
  ReturnFromResetQuestion();
}

void TRecordsMenu::OnlineRecords() {
  OpenLinkFile(ServerAddress + kOnlineRecordsPage);
}

void TRecordsMenu::RecordCheck(bool afterGameOver) {
  if (const int rank = Records.RankOf(Game->GetScore()); rank > 0) {
    RecordRank = rank;
    GameState = gsRecordEntry;
    RecordInputMenu->SecondField = Settings.AddTextString();
    RecordInputMenu->Prepare();
    return;
  }
  LeaveEndedGame();
  GameState = gsMainMenu;
  if (afterGameOver) {
    StopMusic();
    PlayMusic("1");
  }
}
