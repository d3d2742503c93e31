#include "menus/HelpMenu.h"

#include <string>
#include <utility>

#include "engine/KeyCodes.h"
#include "engine/MeshSprite.h"
#include "menus/GameStates.h"
#include "menus/Panels.h"
#include "menus/ScreenParts.h"
#include "menus/Screens.h"

namespace {

constexpr const char* kArchive = "data\\Forms.dat";
constexpr TPictureSpec kBody = {1, 1000003, 170, 325, 400, 500, 1};
constexpr TPictureSpec kTitle = {41, 1001418, 150, -20, 100, 400, 2};
// Each page is a picture of its own, "data\Over1.png" to "data\Over6.png", all in one place.
constexpr float kPageTop = 210, kPageLeft = 405, kPageHeight = 241, kPageWidth = 323;
constexpr int kPagePriority = 2, kButtonPriority = 2;
constexpr TButtonSpec kBackButton = {16, 17, 1001420, 1001419, 400, 315, 200, 300, 30, 20};
constexpr TButtonSpec kForwardButton = {18, 19, 1001422, 1001421, 400, 540, 200, 300, 30, 20};
// The texture mode the body and the first page are drawn with.
constexpr int kTextureMode = 4;

}  // namespace

THelpMenu::~THelpMenu() {
  for (TMeshSprite*& page : pages_) Discard(page);
  Discard(back_);
  Discard(forward_);
}

void THelpMenu::Build() {
  Panel.Build(kArchive, kBody, kTitle);
  iMeshTextureModeSet(Panel.Body()->Mesh, kTextureMode);
  for (int i = 0; i < kPages; ++i) {
    Discard(pages_[i]);
    const std::string file = "data\\Over" + std::to_string(i + 1) + ".png";
    pages_[i] = TMeshSprite::Create(file, kPageWidth, kPageHeight, kPageLeft, kPageTop,
                                    kPagePriority, false);
    Panel.AddToBody(pages_[i]);
  }
  iMeshTextureModeSet(pages_[0]->Mesh, kTextureMode);
  Discard(back_);
  Discard(forward_);
  back_ = CreateButton(kArchive, kBackButton, kButtonPriority);
  forward_ = CreateButton(kArchive, kForwardButton, kButtonPriority);
  for (const TMeshButton* button : {back_, forward_}) {
    button->Show();
    Panel.AddToBody(button);
  }
}

void THelpMenu::InitialState() {
  Selected = 1;
  Page = 1;
  Build();
}

void THelpMenu::Open() {
  Panel.Open();
  Page = 1;
  pages_[0]->Show();
}

void THelpMenu::Close() {
  Panel.Close();
  HidePages();
}

void THelpMenu::Leave() {
  Close();
  ReturnToMainMenu(screens_);
}

void THelpMenu::HidePages() const {
  for (const TMeshSprite* page : pages_) page->Hide();
}

void THelpMenu::TurnPage(bool forward) {
  if (forward) {
    Page = Page >= kPages ? 1 : Page + 1;
  } else {
    Page = Page <= 1 ? kPages : Page - 1;
  }
  HidePages();
  pages_[Page - 1]->Show();
  screens_.Kit.Play(screens_.Kit.ClickSound);
}

void THelpMenu::StepSelection(bool right) {
  if (right && Selected == 1) {
    Selected = 2;
  } else if (!right && Selected == 2) {
    Selected = 1;
  } else {
    TurnPage(right);
  }
}

void THelpMenu::Keys(const TFrameInput& input) {
  if (input.Clicked(kKeyRight)) StepSelection(true);
  if (input.Clicked(kKeyLeft)) StepSelection(false);
  if (input.Clicked(kKeyEnter)) TurnPage(Selected == 2);
  if (input.Clicked(kKeyEscape)) Leave();
}

void THelpMenu::Hover(int x, int y) {
  const std::uint8_t before = Selected;
  for (const auto& [button, item] : {std::pair{back_, 1}, std::pair{forward_, 2}}) {
    if (button->HitTest(x, y)) {
      button->Highlight();
      Selected = static_cast<std::uint8_t>(item);
    } else {
      button->Unhighlight();
    }
  }
  if (Selected != before) screens_.Kit.Play(screens_.Kit.MoveSound);
}

void THelpMenu::Click(int x, int y) {
  // Where the two hit areas overlap the pointer selects the forward button, and the click turns
  // forward only: turning both ways would leave the page where it was.
  if (forward_->HitTest(x, y)) {
    TurnPage(true);
  } else if (back_->HitTest(x, y)) {
    TurnPage(false);
  }
}

void THelpMenu::FrameUpdate() {
  Panel.Step();
  if (screens_.Host.State() != gsHelp) return;
  FadeButton(back_, Selected == 1);
  FadeButton(forward_, Selected == 2);
}
