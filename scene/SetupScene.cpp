#include "scene/SetupScene.h"

#include "engine/MeshSprite.h"
#include "menus/DialogQuestions.h"
#include "menus/Panels.h"
#include "menus/RecordInputMenu.h"
#include "menus/SoundVolumes.h"
#include "runtime/system.h"
#include "scene/Cursor.h"
#include "scene/FadeIn.h"
#include "scene/MenuDecoration.h"
#include "scene/Program.h"
#include "scene/Random.h"

namespace {

constexpr const char* kLoadingPicture = "data\\loading.jpg";

void StartTimingAndBody(TProgram& program) {
  iRenderingDisable();
  std::int64_t frequency = 1;
  sys::system().QueryPerformanceFrequency(frequency);
  program.Timing.CountsPerSecond = frequency > 0 ? frequency : 1;
  std::int64_t now = 0;
  sys::system().QueryPerformanceCounter(now);
  program.Timing.StartFrame(now);
  const iHandle body = iBodySGCreate("data\\ball_.spg", 1);
  iBodyLocationSet(body, {0, 0, 0}, -1);
  iBodyAccelerationApply(body, {1000, 0, 0});
}

void CreateCamera(TSceneMedia& media) {
  media.Camera = iCameraCreate(0, 0, 1, 1);
  iCameraEulerOrientationSet(media.Camera, {0, 0, 0}, "xyz");
  iCameraFovSet(media.Camera, -100);
}

void ShowLoadingPicture(TSceneMedia& media) {
  media.LoadingPicture = TMeshSprite::Create(kLoadingPicture, 800, 600, 0, 0, 40, false);
  media.LoadingPicture->Show();
  iRender();
}

// The menu's backdrop decodes while the loading picture shows and the rest is set up.
void CreateMenuBackground(TSceneMedia& media) {
  media.MenuBackground =
      TMeshSprite::CreateFromArchive("data\\Background.dat", 3, 1000005, 800, 600, 0, 0, 0, false);
  iTextureDecodeAhead(media.MenuBackground->Texture);
}

void CreateMusic(TMusic& music) {
  music.MenuTrack = iSoundCreate("sound\\musmenu.wav", 0);
  music.GameTrack = iSoundCreate("sound\\musgame.wav", 0);
  // The player's music volume reaches these two alone.
  iSoundKindSet(music.MenuTrack, iSoundMusic);
  iSoundKindSet(music.GameTrack, iSoundMusic);
}

void CreateGameOverPicture(TSceneMedia& media) {
  media.GameOverPicture = TMeshSprite::Create("data\\GameOver.png", 800, 600, 0, 0, 18, false);
}

void CreateFonts(TProgram& program, const char* menuFontName) {
  iTextureMipLevelsSet(0);
  program.Screens.Kit.Font = iFontCreate(menuFontName, program.Media.Camera);
  program.Media.StatusFont = iFontCreate("data\\_fontg\\Fontocide.wid", program.Media.Camera);
  iTextureMipLevelsSet(1);
}

void CreateMenuSounds(TMenuKit& kit) {
  kit.MoveSound = iSoundCreate("sound\\mainmenuchg.WAV", 0);
  kit.ClickSound = iSoundCreate("sound/btn_clk.wav", 0);
}

// The sprites of the previous engine died with it.
void DiscardEngineSprites(TSceneMedia& media) {
  for (TMeshSprite** sprite :
       {&media.LoadingPicture, &media.MenuBackground, &media.GameOverPicture, &media.Decorations[0],
        &media.Decorations[1], &media.Decorations[2]}) {
    if (*sprite != nullptr) (*sprite)->Discard();
    *sprite = nullptr;
  }
}

void FirstSetup(TProgram& program) {
  TSceneMedia& media = program.Media;
  Randomize(program.FixedSeed);
  program.MenuMode = true;
  program.States.Change(gsMainMenu);
  iEscEnable(0);

  CreateCamera(media);
  program.FadeLevel = 200;
  ApplyFadeLight(program.FadeLevel);
  iMouseResolutionSet(800);
  iTextureMipLevelsSet(1);

  CreateMenuBackground(media);
  ShowLoadingPicture(media);
  CreateMusic(program.Music);
  CreateDecorations(program);
  CreateGameOverPicture(media);

  program.Screens.InitialState();

  CreateFonts(program, "data\\_fontw\\a_RubricaCn.wid");
  CreateCursor(program);
  program.Screens.Options.Working = program.Settings;
  program.Screens.Main.ShowButtons();
  if (program.MenuMode) program.ShowMenuBackground();
  iSpriteLocationSet(media.CursorSprite, {0, 0});
  program.ShowCursorSprite();
  iSpritePrioritySet(media.CursorSprite, 1);
  CreateMenuSounds(program.Screens.Kit);
  media.LoadingPicture->Hide();

  // The screen starts dark and each frame brightens it.
  program.FadeLevel = 1;
  ApplyFadeLight(program.FadeLevel);
  iRender();
  if (program.MenuMode) program.Music.Play("1");
  program.ShowCursorSprite();
}

// The rebuilt panels are closed and the rebuilt dialog hidden: a panel's screen gives way to the
// main menu, and a question is asked again.
void RestoreScreenAfterRebuild(TProgram& program) {
  if (IsPanelState(program.States.Current())) program.States.Change(gsMainMenu);
  if (FindDialogQuestion(program.States.Current()) != nullptr) {
    program.Screens.Dialog.Show();
    program.ShowCursorSprite();
  }
  // The name entry after a game takes the pointer too.
  if (IsRecordEntryState(program.States.Current())) program.ShowCursorSprite();
}

void Rebuild(TProgram& program) {
  TSceneMedia& media = program.Media;
  DiscardEngineSprites(media);
  iEscEnable(0);
  CreateCamera(media);
  ApplyFadeLight(200);
  iTextureMipLevelsSet(1);
  iMouseResolutionSet(800);
  program.ReseedAfterRestart();

  CreateMenuBackground(media);
  ShowLoadingPicture(media);
  CreateMusic(program.Music);
  program.Screens.Build();
  CreateGameOverPicture(media);
  CreateDecorations(program);
  CreateFonts(program, "data\\_fontw\\a_RubricaCN.wid");
  CreateCursor(program);
  program.ShowCursorSprite();
  iSpritePrioritySet(media.CursorSprite, 1);
  program.Screens.Main.ShowButtons();
  CreateMenuSounds(program.Screens.Kit);

  if (program.MenuMode) {
    program.Music.Play("1");
    program.ShowMenuBackground();
  }
  if (program.Game.ResourcesCreated) program.Game.RebuildResources();
  if (!program.MenuMode) {
    media.MenuBackground->Hide();
    program.Screens.Main.HideButtons();
    program.HideCursorSprite();
    program.Game.ShowGameObjects();
  }
  if (program.States.Current() == gsPaused) program.Game.ShowPausePicture();
  RestoreScreenAfterRebuild(program);
  media.LoadingPicture->Hide();
  iRender();
}

}  // namespace

void DecodeLoadingPictureAhead() {
  iTextureDecodeFileAhead(kLoadingPicture);
}

void SetupScene(TProgram& program) {
  StartTimingAndBody(program);
  // The engine keeps them across its restarts, but not from one program's state to the next.
  ApplySoundVolumes(program.Preferences);
  if (program.SetUpBefore) {
    Rebuild(program);
  } else {
    FirstSetup(program);
    program.SetUpBefore = true;
  }
}
