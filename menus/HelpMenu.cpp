#include "menus/HelpMenu.h"

#include "engine/MeshSprite.h"
#include "menus/KeyCodes.h"
#include "menus/Panels.h"
#include "scene/Scene.h"

namespace {

constexpr const char* kArchive = "data\\Forms.dat";
constexpr TPictureSpec kBody = {1, 1000003, 170, 325, 400, 500, 1};
constexpr TPictureSpec kTitle = {41, 1001418, 150, -20, 100, 400, 2};

}  // namespace

void THelpMenu::Build() {
  Panel.Build(kArchive, kBody, kTitle);
  iMeshTextureModeSet(Panel.Body()->Mesh, 4);
}

void THelpMenu::InitialState() {
  Selected = 1;
  Page = 1;
  Build();
}

void THelpMenu::Open() {
  Panel.Open();
  Page = 1;
}

void THelpMenu::Close() {
  Panel.Close();
}

void THelpMenu::Leave() {
  Close();
  ReturnToMainMenu();
}

void THelpMenu::Keys() {
  if (iKeyClick(kKeyEscape)) Leave();
}

void THelpMenu::FrameUpdate() {
  Panel.Step();
}

// The panel's buttons and bands come with its contents.
void THelpMenu::Hover(int, int) {}
void THelpMenu::Click(int, int) {}
