#include "menus/ExitMenu.h"

#include "engine/KeyCodes.h"
#include "engine/MeshSprite.h"
#include "menus/DialogQuestions.h"
#include "menus/ScreenParts.h"
#include "menus/Screens.h"

namespace {

constexpr const char* kArchive = "data\\Forms.dat";
// Centred on the screen, over everything of the menus and the game.
constexpr TPictureSpec kPanel = {3, 1001408, 172, 144, 256, 512, 20};
constexpr int kButtonPriority = 21;
constexpr TButtonSpec kAcceptButton = {4, 5, 1001405, 1001404, 300, 200, 100, 200, 30, 20};
constexpr TButtonSpec kRefuseButton = {6, 7, 1001407, 1001406, 300, 400, 100, 200, 30, 20};

}  // namespace

TExitMenu::~TExitMenu() {
  Discard(panel_);
  Discard(accept_);
  Discard(refuse_);
}

void TExitMenu::Build() {
  Discard(panel_);
  Discard(accept_);
  Discard(refuse_);
  panel_ = CreatePicture(kArchive, kPanel);
  accept_ = CreateButton(kArchive, kAcceptButton, kButtonPriority);
  refuse_ = CreateButton(kArchive, kRefuseButton, kButtonPriority);
  shown_ = false;
}

void TExitMenu::InitialState() {
  Build();
  Selected = 1;
}

void TExitMenu::Show() {
  panel_->Show();
  accept_->Show();
  refuse_->Show();
  shown_ = true;
}

void TExitMenu::Hide() {
  panel_->Hide();
  accept_->Hide();
  refuse_->Hide();
  shown_ = false;
}

void TExitMenu::MoveSelection() {
  if (Selected == 1 || Selected == 2) Selected = Selected == 1 ? 2 : 1;
  screens_.Kit.Play(screens_.Kit.MoveSound);
}

void TExitMenu::FrameUpdate() {
  FadeButton(accept_, Selected == 1);
  FadeButton(refuse_, Selected != 1);
}

void TExitMenu::DialogTexts() const {
  if (const TDialogQuestion* question = FindDialogQuestion(screens_.Host.State())) {
    screens_.Kit.PrintLines(screens_.Kit.Texts().*(question->lines), kDialogTextSize);
  }
}

void TExitMenu::Keys(const TFrameInput& input) {
  for (const int arrow : {kKeyUp, kKeyDown, kKeyLeft, kKeyRight}) {
    if (input.Clicked(arrow)) MoveSelection();
  }
  // Enter and Escape in one frame answer once: the answer leaves the question.
  if (input.Clicked(kKeyEnter)) {
    Answer(Selected == 1);
  } else if (input.Clicked(kKeyEscape)) {
    Answer(false);
  }
}

void TExitMenu::Hover(int x, int y) {
  const std::uint8_t before = Selected;
  if (accept_->HitTest(x, y)) Selected = 1;
  if (refuse_->HitTest(x, y)) Selected = 2;
  if (Selected != before) screens_.Kit.Play(screens_.Kit.MoveSound);
}

void TExitMenu::Click(int x, int y) {
  if (accept_->HitTest(x, y)) {
    Answer(true);
  } else if (refuse_->HitTest(x, y)) {
    Answer(false);
  }
}

void TExitMenu::Answer(bool accept) {
  const TDialogQuestion* question = FindDialogQuestion(screens_.Host.State());
  if (question == nullptr) return;
  void (*action)(TScreens&) = accept ? question->accept : question->refuse;
  if (action != nullptr) action(screens_);
}
