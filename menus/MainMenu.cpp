#include "menus/MainMenu.h"

#include "engine/KeyCodes.h"
#include "engine/MeshSprite.h"
#include "menus/ExitMenu.h"
#include "menus/GameStates.h"
#include "menus/ScreenParts.h"
#include "menus/Screens.h"

namespace {

constexpr const char* kArchive = "data\\MainMenu.dat";
constexpr int kPriority = 1;

// Items 1 to 6 form the column; their hit areas overlap, item 2 over item 1 between y 341 and
// 353, and so on down. Items 7 and 8 sit in the top-left corner, item 8 highest.
constexpr TButtonSpec kItemButtons[TMainMenu::kItems] = {
    {0, 1, 1000010, 1000016, 261, -19, 133, 366, -20, 40},
    {2, 3, 1000013, 1000019, 300, -19, 133, 366, -20, 40},
    {4, 5, 1000012, 1000018, 340, -19, 133, 366, -20, 40},
    {6, 7, 1000011, 1000017, 380, -19, 133, 366, -20, 40},
    {8, 9, 1000014, 1000020, 420, -19, 133, 366, -20, 40},
    {10, 11, 1000015, 1000021, 460, -19, 133, 366, -20, 40},
    {12, 13, 1001400, 1001402, 20, -68, 128, 256, 30, 20},
    {14, 15, 1001401, 1001403, -35, -55, 128, 256, 40, 20},
};

constexpr std::uint8_t kStartItem = 1, kOptionsItem = 2, kRecordsItem = 3, kHelpItem = 4,
                       kExitItem = 6;

}  // namespace

void TMainMenu::StartGame() {
  screens_.Kit.Play(screens_.Kit.ClickSound);
  HideButtons();
  iPrintsHide();
  // The game loads its first level in the next frame; the panels close under it.
  screens_.Host.StartGame();
  CloseAllPanels(screens_);
}

void TMainMenu::OpenOrClosePanel(TPanelKind panel) {
  TogglePanel(screens_, panel);
  screens_.Kit.Play(screens_.Kit.ClickSound);
}

void TMainMenu::AskToLeave() {
  screens_.Host.ChangeState(gsExitConfirm);
  screens_.Kit.Play(screens_.Kit.ClickSound);
}

std::uint8_t MainMenuNeighbour(std::uint8_t selected, bool down) {
  switch (selected) {
    case 1:
      return down ? 2 : 7;
    case 6:
      return down ? 6 : 5;
    case 7:
      return down ? 1 : 8;
    case 8:
      return down ? 7 : 8;
    default:
      return static_cast<std::uint8_t>(down ? selected + 1 : selected - 1);
  }
}

TMainMenu::~TMainMenu() {
  for (TMeshButton*& button : buttons_) Discard(button);
}

void TMainMenu::Build() {
  for (int i = 0; i < kItems; ++i) {
    Discard(buttons_[i]);
    buttons_[i] = CreateButton(kArchive, kItemButtons[i], kPriority);
  }
  shown_ = false;
}

void TMainMenu::InitialState() {
  Selected = 1;
  Build();
}

void TMainMenu::ShowButtons() {
  for (const TMeshButton* button : buttons_) button->Show();
  shown_ = true;
}

void TMainMenu::HideButtons() {
  for (const TMeshButton* button : buttons_) button->Hide();
  shown_ = false;
}

void TMainMenu::MoveSelection(bool down) {
  Selected = MainMenuNeighbour(Selected, down);
  screens_.Kit.Play(screens_.Kit.MoveSound);
}

void TMainMenu::FrameUpdate() {
  for (int i = 0; i < kItems; ++i) FadeButton(buttons_[i], i + 1 == Selected);
}

void TMainMenu::Hover(int x, int y) {
  const std::uint8_t before = Selected;
  for (int i = 0; i < kItems; ++i) {
    if (buttons_[i]->HitTest(x, y)) Selected = static_cast<std::uint8_t>(i + 1);
  }
  if (Selected != before) screens_.Kit.Play(screens_.Kit.MoveSound);
}

bool TMainMenu::Click(int x, int y) {
  for (int i = 0; i < kItems; ++i) {
    if (i + 1 == Selected && buttons_[i]->HitTest(x, y)) {
      RunItem(Selected);
      return true;
    }
  }
  return false;
}

void TMainMenu::Keys(const TFrameInput& input) {
  if (input.Clicked(kKeyUp)) MoveSelection(false);
  if (input.Clicked(kKeyDown)) MoveSelection(true);
  // Enter and Escape in one frame run one item: the first changes the screen under the other.
  if (input.Clicked(kKeyEnter)) {
    RunItem(Selected);
  } else if (input.Clicked(kKeyEscape)) {
    RunItem(kExitItem);
  }
}

void TMainMenu::RunItem(std::uint8_t item) {
  // The panel items and the exit item put the buttons up before they act.
  if (item == kOptionsItem || item == kRecordsItem || item == kHelpItem || item == kExitItem) {
    ShowButtons();
  }
  switch (item) {
    case kStartItem:
      StartGame();
      break;
    case kOptionsItem:
      OpenOrClosePanel(TPanelKind::Options);
      break;
    case kRecordsItem:
      OpenOrClosePanel(TPanelKind::Records);
      break;
    case kHelpItem:
      OpenOrClosePanel(TPanelKind::Help);
      break;
    case 5:
      OpenLinkFile(screens_, "moregames.url");
      break;
    case kExitItem:
      AskToLeave();
      break;
    case 7:
      OpenLinkFile(screens_, "tellafriend.url");
      break;
    case 8:
      OpenLinkFile(screens_, "subscribe.url");
      break;
    default:
      break;
  }
}
