#include "scene/Program.h"

#include <cstring>

#include "engine/MeshSprite.h"
#include "online/CurlHttpClient.h"
#include "runtime/system.h"

TProgram::TProgram(const TSettings& settings, const TRecordsTable& records,
                   std::string serverAddress)
    : States(*this),
      Settings(settings),
      Records(records),
      ServerAddress(std::move(serverAddress)),
      Game(*this),
      Screens(*this, Settings, Records) {}

TProgram::~TProgram() = default;

void TProgram::StartGame() {
  HideCursorSprite();
  ChangeState(gsStartLevel);
  HideMenuBackground();
  StopMusic();
  if (!Game.ResourcesCreated) Game.CreateResources();
  MenuMode = false;
}

void TProgram::LeaveEndedGame() {
  Game.HideGameObjects();
  ShowMenuBackground();
  Game.ResetGame();
  Screens.Main.ShowButtons();
  MenuMode = true;
}

std::int32_t TProgram::EndGame() {
  Game.HidePausePicture();
  Media.GameOverPicture->Hide();
  Game.HideSplash();
  // The game music was muted for the question; it stops here and gets its volume back, or the
  // next game would play it silently.
  StopMusic();
  iSoundVolumeSet(Media.GameMusic, 1);
  return Game.GetScore();
}

void TProgram::ResumeGame() {
  HideCursorSprite();
  ChangeState(gsPlaying);
  Game.HidePausePicture();
}

void TProgram::HideGameSplash() {
  Game.HideSplash();
}

void TProgram::StartSubmission(const std::string& name, const std::string& secondName,
                               std::int32_t score) {
  // Destroying the old thread object waits for its thread to end.
  Connection = std::make_unique<ConnThrd>();
  ChangeState(gsSubmitting);
  Connection->Start(MakeCurlHttpClient(), {ServerAddress, name, secondName, score});
}

std::string TProgram::OnlineRecordsAddress() const {
  return ServerAddress + kOnlineRecordsPage;
}

void TProgram::MinimizeGameWindow() {
  const bool fullScreen = !Settings.Windowed;
  if (fullScreen) RestoreOnActivate = true;
  sys::System& system = sys::system();
  system.SendMessage(system.FindWindow(kGameTitle), sys::WM_SYSCOMMAND, sys::SC_MINIMIZE, 0);
  if (fullScreen) RestartRequested = -1;
}

void TProgram::RequestNewWindow() {
  sys::System& system = sys::system();
  system.SendMessage(system.FindWindow(kGameTitle), sys::WM_SYSCOMMAND, sys::SC_MINIMIZE, 0);
  RestartRequested = -1;
}

void TProgram::PlayMusic(const char* track) {
  if (!Settings.MusicOn) return;
  if (std::strcmp(track, "1") == 0) iSoundPlayNow(Media.MenuMusic, -1);
  if (std::strcmp(track, "2") == 0) iSoundPlayNow(Media.GameMusic, -1);
}

void TProgram::StopMusic() {
  iSoundStop(Media.MenuMusic);
  iSoundStop(Media.GameMusic);
}

void TProgram::ShowCursorSprite() const {
  iSpriteShow(Media.CursorSprite);
}

void TProgram::HideCursorSprite() const {
  iSpriteHide(Media.CursorSprite);
}
