#include "menus/RecordsMenu.h"

#include <array>
#include <cstdio>
#include <string>

#include "engine/KeyCodes.h"
#include "engine/MeshSprite.h"
#include "menus/GameStates.h"
#include "menus/Panels.h"
#include "menus/RecordInputMenu.h"
#include "menus/Screens.h"

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

}  // namespace

TRecordsMenu::~TRecordsMenu() {
  Discard(reset_);
  Discard(online_);
}

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
  ReturnToMainMenu(screens_);
}

void TRecordsMenu::ReturnFromResetQuestion() {
  iPrintsHide();
  screens_.Host.ChangeState(gsRecords);
  screens_.Dialog.Hide();
  Open();
  screens_.Kit.Play(screens_.Kit.ClickSound);
}

void TRecordsMenu::MoveSelection(std::uint8_t selected) {
  Selected = selected;
  screens_.Kit.PlayKeyMove();
}

void TRecordsMenu::Keys(const TFrameInput& input) {
  if (input.Clicked(kKeyRight)) MoveSelection(kOnlineItem);
  if (input.Clicked(kKeyLeft)) MoveSelection(kResetItem);
  // Enter and Escape in one frame run only the first: it leaves the panel's screen.
  if (input.Clicked(kKeyEnter)) {
    if (Selected == kResetItem) AskReset();
    if (Selected == kOnlineItem) OnlineRecords();
  } else if (input.Clicked(kKeyEscape)) {
    Leave();
  }
}

void TRecordsMenu::Hover(int x, int y) {
  const std::uint8_t before = Selected;
  if (reset_->HitTest(x, y)) Selected = kResetItem;
  if (online_->HitTest(x, y)) Selected = kOnlineItem;
  if (Selected != before) screens_.Kit.Play(screens_.Kit.MoveSound);
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
  const std::uint8_t state = screens_.Host.State();
  const bool ownScreen = state == gsRecords;
  if (ownScreen) {
    FadeButton(reset_, Selected == kResetItem);
    FadeButton(online_, Selected == kOnlineItem);
    iPrintsHide();
  }
  // Sliding out beside the main menu or another panel, the table goes with the panel; under a
  // question or over the game its lines would cover what is printed there.
  const bool sliding = Panel.Slide > 0 && Panel.Slide < 100;
  const bool besideMenu = state == gsMainMenu || IsPanelState(state);
  if (ownScreen || (sliding && besideMenu)) PrintTable();
}

void TRecordsMenu::PrintTable() const {
  std::array<std::string, TRecordsTable::kPlaces> texts;
  std::array<TPanelLine, TRecordsTable::kPlaces> lines;
  const auto x = static_cast<float>(2.5L + Panel.TextShift());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const TRecordEntry& entry = screens_.Records.Entries[i];
    char text[64];
    std::snprintf(text, sizeof text, "%10s   %6d", entry.NameString().c_str(), entry.Score);
    texts[i] = text;
    lines[i] = {texts[i], x, static_cast<float>(4.5L - 1.048L * static_cast<long double>(i + 1)),
                kTableScale, kTableColour};
  }
  screens_.Kit.AddLines(lines, kTableSize);
}

void TRecordsMenu::AskReset() {
  iPrintsHide();
  Close();
  screens_.Host.ChangeState(gsRecordsResetConfirm);
  screens_.Kit.Play(screens_.Kit.ClickSound);
}

void TRecordsMenu::Reset() {
  // The file is replaced whole and atomically: a write that fails leaves the old table on disk.
  screens_.Records.ResetToDefaults(screens_.Language);
  SaveRecordsFile(screens_.Records);
  ReturnFromResetQuestion();
}

void TRecordsMenu::CancelReset() {
  ReturnFromResetQuestion();
}

void TRecordsMenu::OnlineRecords() {
  OpenLinkFile(screens_, screens_.Host.OnlineRecordsAddress());
}

void TRecordsMenu::RecordCheck(std::int32_t score, bool afterGameOver) {
  if (const int rank = screens_.Records.RankOf(score); rank > 0) {
    screens_.Host.ChangeState(gsRecordEntry);
    screens_.Entry.SecondField = screens_.Settings.AddTextString();
    screens_.Entry.Prepare(rank, score);
    return;
  }
  screens_.Host.LeaveEndedGame();
  screens_.Host.ChangeState(gsMainMenu);
  if (afterGameOver) {
    screens_.Host.StopMusic();
    screens_.Host.PlayMenuMusic();
  }
}
