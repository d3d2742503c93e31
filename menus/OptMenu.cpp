#include "menus/OptMenu.h"

#include "menus/KeyCodes.h"
#include "menus/Panels.h"
#include "runtime/system.h"
#include "scene/Scene.h"

namespace {

constexpr const char* kArchive = "data\\Forms.dat";
constexpr TPictureSpec kBody = {0, 1000001, 170, 325, 400, 500, 1};
constexpr TPictureSpec kTitle = {39, 1001417, 150, -20, 100, 400, 2};

}  // namespace

void TOptMenu::Build() {
  Panel.Build(kArchive, kBody, kTitle);
}

void TOptMenu::InitialState() {
  Build();
  Selected = 1;
  DisplayModeChanged = false;
}

void TOptMenu::Open() {
  Working = Settings;
  Panel.Open();
}

void TOptMenu::Close() {
  Apply();
  Panel.Close();
}

void TOptMenu::Leave() {
  iPrintsHide();
  Close();
  ReturnToMainMenu();
}

void TOptMenu::Apply() {
  SaveSettingsFile(Working);
  if (!Working.MusicOn) {
    StopMusic();
  } else if (!Settings.MusicOn) {
    Settings.MusicOn = 1;
    PlayMusic("1");
  }
  Settings = Working;
  if (DisplayModeChanged) {
    // The main loop re-creates the window in the new mode once this frame ends.
    GameState = gsMainMenu;
    sys::System& system = sys::system();
    system.SendMessage(system.FindWindow(kGameTitle), sys::WM_SYSCOMMAND, sys::SC_MINIMIZE, 0);
    SetRestartRequested(-1);
  }
}

void TOptMenu::Keys() {
  if (!iKeyClick(kKeyEscape)) return;
  // Escape while waiting for the boss key only stops waiting; the panel stays.
  if (GameState == gsOptionsKey) {
    GameState = gsOptions;
  } else {
    Leave();
  }
}

void TOptMenu::FrameUpdate() {
  Panel.Step();
}

// The panel's buttons and bands come with its contents.
void TOptMenu::Hover(int, int) {}
void TOptMenu::Click(int, int) {}
