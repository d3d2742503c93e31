#include "menus/RecordsMenu.h"

#include "menus/MainMenu.h"
#include "scene/Game.h"
#include "scene/Scene.h"

void TRecordsMenu::RecordCheck(bool afterGameOver) {
  Game->HideGameObjects();
  ShowMenuBackground();
  Game->ResetGame();
  GameState = gsMainMenu;
  MainMenu->ShowButtons();
  MenuMode = true;
  if (afterGameOver) {
    StopMusic();
    PlayMusic("1");
  }
}
