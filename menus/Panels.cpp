#include "menus/Panels.h"

#include "menus/HelpMenu.h"
#include "menus/MainMenu.h"
#include "menus/OptMenu.h"
#include "menus/RecordsMenu.h"
#include "runtime/system.h"
#include "scene/Game.h"
#include "scene/Scene.h"

namespace {

template <typename Screen>
void Toggle(Screen& screen, std::uint8_t openState) {
  if (screen.Panel.Opened) {
    screen.Close();
    GameState = gsMainMenu;
  } else {
    screen.Open();
    GameState = openState;
  }
}

template <typename Screen>
void CloseIfOpen(Screen& screen) {
  if (screen.Panel.Opened) screen.Close();
}

}  // namespace

void TogglePanel(TPanelKind kind) {
  switch (kind) {
    case TPanelKind::Options:
      Toggle(*OptMenu, gsOptions);
      CloseIfOpen(*HelpMenu);
      CloseIfOpen(*RecordsMenu);
      break;
    case TPanelKind::Records:
      Toggle(*RecordsMenu, gsRecords);
      CloseIfOpen(*OptMenu);
      CloseIfOpen(*HelpMenu);
      break;
    case TPanelKind::Help:
      Toggle(*HelpMenu, gsHelp);
      CloseIfOpen(*OptMenu);
      CloseIfOpen(*RecordsMenu);
      break;
  }
}

void CloseOpenPanels() {
  CloseIfOpen(*OptMenu);
  CloseIfOpen(*HelpMenu);
  CloseIfOpen(*RecordsMenu);
}

void CloseAllPanels() {
  HelpMenu->Close();
  OptMenu->Close();
  RecordsMenu->Close();
}

void ReturnToMainMenu() {
  MainMenu->ShowButtons();
  GameState = gsMainMenu;
}

void LeaveEndedGame() {
  Game->HideGameObjects();
  ShowMenuBackground();
  Game->ResetGame();
  MainMenu->ShowButtons();
  MenuMode = true;
}

void OpenLinkFile(const std::string& fileOrAddress) {
  MinimizeGameWindow();
  sys::system().ShellOpen(fileOrAddress);
  CloseOpenPanels();
  // A closed panel takes no more keys or clicks: its screen ends with it.
  if (IsPanelState(GameState)) GameState = gsMainMenu;
}

bool IsPanelState(std::uint8_t state) {
  return state == gsOptions || state == gsOptionsName || state == gsOptionsKey || state == gsHelp ||
         state == gsRecords;
}
