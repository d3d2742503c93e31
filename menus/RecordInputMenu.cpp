#include "menus/RecordInputMenu.h"

#include <string>
#include <string_view>

#include "engine/KeyCodes.h"
#include "engine/MeshSprite.h"
#include "menus/GameStates.h"
#include "menus/Modifiers.h"
#include "menus/Panels.h"
#include "menus/ScreenParts.h"
#include "menus/Screens.h"
#include "menus/TextEntry.h"
#include "userdata/ShortText.h"

namespace {

constexpr const char* kArchive = "data\\Forms.dat";
constexpr TPictureSpec kPanel = {54, 1001911, 120, 150, 400, 500, 19};
constexpr TPictureSpec kNameBox = {46, 1001907, 266, 166, 80, 450, 20};
constexpr TPictureSpec kSecondBox = {46, 1001907, 351, 167, 80, 450, 20};
constexpr int kButtonPriority = 20;
constexpr TButtonSpec kOkButton = {48, 49, 1001913, 1001912, 400, 200, 100, 200, 30, 20};
constexpr TButtonSpec kCancelButton = {50, 51, 1001915, 1001914, 400, 400, 100, 200, 30, 20};

constexpr std::uint8_t kNameItem = 1, kSecondItem = 2, kOkItem = 3, kCancelItem = 4;

constexpr iColor4 kRed = {1, 0.2f, 0.2f, 1};
constexpr iColor4 kWhite = {1, 1, 1, 1};
constexpr float kTextScale = 0.6f, kTextSize = 0.1f;

// The screen of an item: a field is edited as soon as it is chosen.
std::uint8_t StateOf(std::uint8_t selected) {
  if (selected == kNameItem) return gsRecordEntryName;
  if (selected == kSecondItem) return gsRecordEntryAdd;
  return gsRecordEntry;
}

// A field's text starts left of the centre by a little per byte, so it stays about centred.
float FieldX(const std::string& text) {
  return static_cast<float>(-0.3L * static_cast<long double>(text.size()));
}

// The score line moves left as the score gains thousands.
float ScoreLineX(std::int32_t score, long double left) {
  const auto thousands = std::to_string(score / 1000).size();
  return static_cast<float>(left - 0.3L * static_cast<long double>(thousands));
}

}  // namespace

std::uint8_t RecordEntryNeighbour(std::uint8_t selected, bool down) {
  switch (selected) {
    case kNameItem:
      return down ? kSecondItem : kNameItem;
    case kCancelItem:
      return down ? kCancelItem : kOkItem;
    default:
      return static_cast<std::uint8_t>(down ? selected + 1 : selected - 1);
  }
}

bool IsRecordEntryState(std::uint8_t state) {
  return state == gsRecordEntry || state == gsRecordEntryName || state == gsRecordEntryAdd;
}

TRecordInputMenu::~TRecordInputMenu() {
  Discard(panel_);
  Discard(nameBox_);
  Discard(secondBox_);
  Discard(ok_);
  Discard(cancel_);
}

void TRecordInputMenu::Build() {
  Discard(panel_);
  Discard(nameBox_);
  Discard(secondBox_);
  Discard(ok_);
  Discard(cancel_);
  panel_ = CreatePicture(kArchive, kPanel);
  nameBox_ = CreatePicture(kArchive, kNameBox);
  secondBox_ = CreatePicture(kArchive, kSecondBox);
  ok_ = CreateButton(kArchive, kOkButton, kButtonPriority);
  cancel_ = CreateButton(kArchive, kCancelButton, kButtonPriority);
  shown_ = false;
  // Rebuilt while a name is being entered (the engine was reopened): the dialog is still the
  // current screen, so it comes back instead of taking keys unseen.
  if (IsRecordEntryState(screens_.Host.State())) Show();
}

void TRecordInputMenu::Show() {
  panel_->Show();
  ok_->Show();
  cancel_->Show();
  shown_ = true;
}

void TRecordInputMenu::InitialState() {
  Build();
  Selected = kNameItem;
  Caret = {};
}

void TRecordInputMenu::Prepare(int rank, std::int32_t score) {
  Rank = rank;
  Score = score;
  Show();
  screens_.Host.HideGameSplash();
  screens_.Host.ChangeState(gsRecordEntryName);
  Caret.Visible = false;
}

void TRecordInputMenu::Hide() {
  panel_->Hide();
  nameBox_->Hide();
  secondBox_->Hide();
  ok_->Hide();
  cancel_->Hide();
  shown_ = false;
}

void TRecordInputMenu::MoveSelection(bool down) {
  Selected = RecordEntryNeighbour(Selected, down);
  screens_.Host.ChangeState(StateOf(Selected));
  screens_.Kit.Play(screens_.Kit.MoveSound);
}

void TRecordInputMenu::Keys(const TFrameInput& input) {
  // Escape closes the dialog: the frame's other keys would move and edit a dialog no longer there.
  if (input.Clicked(kKeyEscape)) {
    Cancel();
    return;
  }
  // The keys after a move act on the item it chose: Down and Enter on OK cancel.
  if (input.Clicked(kKeyUp)) MoveSelection(false);
  if (input.Clicked(kKeyDown)) MoveSelection(true);
  if (screens_.Host.State() != gsRecordEntry) {
    TypeIntoField(input);
    return;
  }
  if (input.Clicked(kKeyLeft) && Selected == kCancelItem) MoveSelection(false);
  if (input.Clicked(kKeyRight) && Selected == kOkItem) MoveSelection(true);
  if (!input.Clicked(kKeyEnter)) return;
  switch (Selected) {
    case kOkItem:
      Confirm();
      break;
    case kCancelItem:
      Cancel();
      break;
    default:
      screens_.Host.ChangeState(StateOf(Selected));
      break;
  }
}

void TRecordInputMenu::TypeIntoField(const TFrameInput& input) {
  const bool editingName = screens_.Host.State() == gsRecordEntryName;
  std::string& field = editingName ? NameField : SecondField;
  const int key = input.LowestClicked();
  if (const auto letter = TypedLetter(key, HeldModifiers(input).shift, screens_.Language)) {
    if (field.size() < kShortTextBytes) field.push_back(static_cast<char>(*letter));
  } else if (key == kKeyBackspace) {
    if (!field.empty()) field.pop_back();
  } else if (key == kKeyEnter) {
    // On to the second field, then to OK.
    Selected = editingName ? kSecondItem : kOkItem;
    screens_.Host.ChangeState(StateOf(Selected));
    Caret.Visible = false;
  }
}

void TRecordInputMenu::Hover(long double x, long double y, int px, int py) {
  const std::uint8_t before = Selected;
  const bool acrossFields = -4.0L < x && x < 2.5L;
  if (acrossFields && -0.3L < y && y < 0.3L) {
    Selected = kNameItem;
    screens_.Host.ChangeState(gsRecordEntryName);
  }
  if (acrossFields && -3.9L < y && y < -2.3L) {
    Selected = kSecondItem;
    screens_.Host.ChangeState(gsRecordEntryAdd);
  }
  if (ok_->HitTest(px, py)) Selected = kOkItem;
  if (cancel_->HitTest(px, py)) Selected = kCancelItem;
  if (Selected != before) screens_.Kit.Play(screens_.Kit.MoveSound);
}

void TRecordInputMenu::Click(long double x, long double y, int px, int py) {
  // A click on a field edits it; the selection stays with the pointer's last move.
  if (-2.0L < x && x < 2.5L && -0.3L < y && y < 0.3L) {
    screens_.Host.ChangeState(gsRecordEntryName);
  }
  if (-3.5L < x && x < 2.5L && -3.9L < y && y < -2.3L) {
    screens_.Host.ChangeState(gsRecordEntryAdd);
  }
  if (ok_->HitTest(px, py)) {
    Confirm();
  } else if (cancel_->HitTest(px, py)) {
    Cancel();
  }
}

void TRecordInputMenu::Confirm() {
  screens_.Records.Insert(Rank, NameField, Score);
  screens_.Host.RecordEntered();
  screens_.Settings.SetAddText(SecondField);
  Hide();
  // The question whether to send it comes up with its screen.
  screens_.Host.ChangeState(gsSubmitAsk);
  SaveRecordsFile(screens_.Records);
}

void TRecordInputMenu::Cancel() {
  Hide();
  screens_.Host.LeaveEndedGame();
  screens_.Host.ChangeState(gsMainMenu);
  screens_.Host.PlayMenuMusic();
}

void TRecordInputMenu::FrameUpdate(const TFrameInput& input) {
  // The live second name follows the field at once; the settings file is not written.
  screens_.Settings.SetAddText(SecondField);
  if (Selected == kNameItem) {
    nameBox_->Show();
  } else {
    nameBox_->Hide();
  }
  if (Selected == kSecondItem) {
    secondBox_->Show();
  } else {
    secondBox_->Hide();
  }
  FadeButton(ok_, Selected == kOkItem);
  FadeButton(cancel_, Selected == kCancelItem);
  PrintTexts(input.engineTime);
}

void TRecordInputMenu::PrintTexts(long double now) {
  const TTexts& texts = screens_.Kit.Texts();
  const std::string scoreLine = std::string(texts.scoreLabel) + std::to_string(Score);
  // The edited field is white with its caret; the other is white only while it is selected.
  const std::uint8_t state = screens_.Host.State();
  const bool editingName = state == gsRecordEntryName;
  const bool editingSecond = state == gsRecordEntryAdd;
  const std::string name = editingName ? Caret.After(NameField, now) : NameField;
  const std::string second = editingSecond ? Caret.After(SecondField, now) : SecondField;
  const iColor4 nameColour = editingName || Selected == kNameItem ? kWhite : kRed;
  const iColor4 secondColour = editingSecond || Selected == kSecondItem ? kWhite : kRed;
  const TPanelLine lines[] = {
      {scoreLine, ScoreLineX(Score, texts.scoreLineLeft), 4.0f, kTextScale, kRed},
      texts.namePrompt,
      {name, FieldX(NameField), -0.15f, kTextScale, nameColour},
      texts.secondPrompt,
      {second, FieldX(SecondField), -3.65f, kTextScale, secondColour},
  };
  screens_.Kit.PrintLines(lines, kTextSize);
}
