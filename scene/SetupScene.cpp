#include "scene/SetupScene.h"

#include "engine/MeshSprite.h"
#include "menus/DialogQuestions.h"
#include "menus/ExitMenu.h"
#include "menus/HelpMenu.h"
#include "menus/MainMenu.h"
#include "menus/OptMenu.h"
#include "menus/Panels.h"
#include "menus/RecordInputMenu.h"
#include "menus/RecordsMenu.h"
#include "online/ConnThread.h"
#include "runtime/system.h"
#include "scene/Cursor.h"
#include "scene/FadeIn.h"
#include "scene/FrameTiming.h"
#include "scene/Game.h"
#include "scene/MenuDecoration.h"
#include "scene/Random.h"
#include "scene/Scene.h"

namespace {

bool setUpBefore = false;

void StartTimingAndBody() {
  iRenderingDisable();
  std::int64_t frequency = 1;
  sys::system().QueryPerformanceFrequency(frequency);
  SecondsPerCount = 1.0L / static_cast<long double>(frequency);
  sys::system().QueryPerformanceCounter(LastFrameStart);
  const iHandle body = iBodySGCreate("data\\ball_.spg", 1);
  iBodyLocationSet(body, {0, 0, 0}, -1);
  iBodyAccelerationApply(body, {1000, 0, 0});
}

void CreateCamera() {
  Camera = iCameraCreate(0, 0, 1, 1);
  iCameraEulerOrientationSet(Camera, {0, 0, 0}, "xyz");
  iCameraFovSet(Camera, -100);
}

void ShowLoadingPicture() {
  LoadingPicture = TMeshSprite::Create("data\\loading.jpg", 800, 600, 0, 0, 40, false);
  LoadingPicture->Show();
  iRender();
}

void CreateBackgroundAndMusic() {
  MenuBackground =
      TMeshSprite::CreateFromArchive("data\\Background.dat", 3, 1000005, 800, 600, 0, 0, 0, false);
  MenuMusic = iSoundCreate("sound\\musmenu.wav", 0);
  GameMusic = iSoundCreate("sound\\musgame.wav", 0);
}

void CreateGameOverPicture() {
  GameOverPicture = TMeshSprite::Create("data\\GameOver.png", 800, 600, 0, 0, 18, false);
}

void CreateFonts(const char* menuFontName) {
  iTextureMipLevelsSet(0);
  MenuFont = iFontCreate(menuFontName, Camera);
  StatusFont = iFontCreate("data\\_fontg\\Fontocide.wid", Camera);
  iTextureMipLevelsSet(1);
}

void CreateMenuSounds() {
  MoveSound = iSoundCreate("sound\\mainmenuchg.WAV", 0);
  ClickSound = iSoundCreate("sound/btn_clk.wav", 0);
}

// The sprites of the previous engine died with it.
void DiscardEngineSprites() {
  for (TMeshSprite** sprite : {&LoadingPicture, &MenuBackground, &GameOverPicture, &Decorations[0],
                               &Decorations[1], &Decorations[2]}) {
    if (*sprite != nullptr) (*sprite)->Discard();
    *sprite = nullptr;
  }
}

void FirstSetup() {
  ConnThread = new ConnThrd;
  Randomize();
  MenuMode = true;
  MainMenu = new TMainMenu;
  HelpMenu = new THelpMenu;
  ExitMenu = new TExitMenu;
  RecordsMenu = new TRecordsMenu;
  OptMenu = new TOptMenu;
  RecordInputMenu = new TRecordInputMenu;
  Game = new TGame;
  GameState = gsMainMenu;
  iEscEnable(0);

  CreateCamera();
  FadeLevel = 200;
  ApplyFadeLight(FadeLevel);
  iMouseResolutionSet(800);
  iTextureMipLevelsSet(1);

  ShowLoadingPicture();
  CreateBackgroundAndMusic();
  CreateDecorations();
  CreateGameOverPicture();

  MainMenu->InitialState();
  HelpMenu->InitialState();
  RecordsMenu->InitialState();
  OptMenu->InitialState();
  RecordInputMenu->InitialState();
  ExitMenu->InitialState();

  CreateFonts("data\\_fontw\\a_RubricaCn.wid");
  CreateCursor();
  OptMenu->Working = Settings;
  MainMenu->ShowButtons();
  if (MenuMode) ShowMenuBackground();
  iSpriteLocationSet(CursorSprite, {0, 0});
  ShowCursorSprite();
  iSpritePrioritySet(CursorSprite, 1);
  CreateMenuSounds();
  LoadingPicture->Hide();

  // The screen starts dark and each frame brightens it.
  FadeLevel = 1;
  ApplyFadeLight(FadeLevel);
  iRender();
  if (MenuMode) PlayMusic("1");
  ShowCursorSprite();
}

// The rebuilt panels are closed and the rebuilt dialog hidden: a panel's screen gives way to the
// main menu, and a question is asked again.
void RestoreScreenAfterRebuild() {
  if (IsPanelState(GameState)) GameState = gsMainMenu;
  if (FindDialogQuestion(GameState) != nullptr) {
    ExitMenu->Show();
    ShowCursorSprite();
  }
  // The name entry after a game takes the pointer too.
  if (IsRecordEntryState(GameState)) ShowCursorSprite();
}

void Rebuild() {
  DiscardEngineSprites();
  iEscEnable(0);
  CreateCamera();
  ApplyFadeLight(200);
  iTextureMipLevelsSet(1);
  iMouseResolutionSet(800);
  Randomize();

  ShowLoadingPicture();
  CreateBackgroundAndMusic();
  MainMenu->Build();
  RecordsMenu->Build();
  RecordInputMenu->Build();
  OptMenu->Build();
  HelpMenu->Build();
  ExitMenu->Build();
  CreateGameOverPicture();
  CreateDecorations();
  CreateFonts("data\\_fontw\\a_RubricaCN.wid");
  CreateCursor();
  ShowCursorSprite();
  iSpritePrioritySet(CursorSprite, 1);
  MainMenu->ShowButtons();
  CreateMenuSounds();

  if (MenuMode) {
    PlayMusic("1");
    ShowMenuBackground();
  }
  if (Game->ResourcesCreated) Game->RebuildResources();
  if (!MenuMode) {
    MenuBackground->Hide();
    MainMenu->HideButtons();
    HideCursorSprite();
    Game->ShowGameObjects();
  }
  if (GameState == gsPaused) Game->ShowPausePicture();
  RestoreScreenAfterRebuild();
  LoadingPicture->Hide();
  iRender();
}

}  // namespace

void SetupScene() {
  StartTimingAndBody();
  if (setUpBefore) {
    Rebuild();
  } else {
    FirstSetup();
    setUpBefore = true;
  }
}
