#include "scene/Scene.h"

#include <cstring>

#include "menus/RecordInputMenu.h"
#include "online/ConnThread.h"
#include "online/CurlHttpClient.h"
#include "scene/Game.h"

std::uint8_t GameState = gsMainMenu;
bool MenuMode = true;
TSettings Settings;
TRecordsTable Records = TRecordsTable::Defaults();
std::int32_t RecordRank = 0;
std::uint8_t PointerClick = 0;
long FramesRun = 0;

namespace {
std::int32_t restartRequested = 0;
}  // namespace

std::int32_t GetRestartRequested() {
  return restartRequested;
}
void SetRestartRequested(std::int32_t value) {
  restartRequested = value;
}

TGame* Game = nullptr;
TMainMenu* MainMenu = nullptr;
THelpMenu* HelpMenu = nullptr;
TExitMenu* ExitMenu = nullptr;
TRecordsMenu* RecordsMenu = nullptr;
TOptMenu* OptMenu = nullptr;
TRecordInputMenu* RecordInputMenu = nullptr;
ConnThrd* ConnThread = nullptr;

std::string ServerAddress = "http://127.0.0.1:8642";

void StartSubmission() {
  delete ConnThread;
  ConnThread = new ConnThrd;
  GameState = gsSubmitting;
  ConnThread->Start(MakeCurlHttpClient(), {ServerAddress, RecordInputMenu->NameField,
                                           Settings.AddTextString(), Game->GetScore()});
}

TMeshSprite* LoadingPicture = nullptr;
TMeshSprite* MenuBackground = nullptr;
TMeshSprite* Decorations[3] = {};
TMeshSprite* GameOverPicture = nullptr;
iHandle MenuMusic = 0;
iHandle GameMusic = 0;
iHandle MoveSound = 0;
iHandle ClickSound = 0;
iHandle MenuFont = 0;
iHandle StatusFont = 0;
iHandle Camera = 0;
iHandle CursorSprite = 0;
iHandle CursorFrames[10] = {};

void PlayMusic(const char* track) {
  if (!Settings.MusicOn) return;
  if (std::strcmp(track, "1") == 0) iSoundPlayNow(MenuMusic, -1);
  if (std::strcmp(track, "2") == 0) iSoundPlayNow(GameMusic, -1);
}

void StopMusic() {
  iSoundStop(MenuMusic);
  iSoundStop(GameMusic);
}
