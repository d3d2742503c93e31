#include "scene/Program.h"

#include "engine/MeshSprite.h"
#include "menus/RecordsMenu.h"
#include "online/HttpClient.h"
#include "runtime/system.h"

TProgram::TProgram(const TSettings& settings, const TRecordsTable& records,
                   std::string serverAddress)
    : States(*this),
      Settings(settings),
      Records(records),
      ServerAddress(std::move(serverAddress)),
      Music(Settings),
      Host(MakeScreenHost()),
      Screens(Host, Settings, Records),
      Game(Media, Music, Settings, Screens.Kit) {}

TProgram::~TProgram() = default;

TScreenHost TProgram::MakeScreenHost() {
  TScreenHost host;
  host.State = [this] { return States.Current(); };
  host.ChangeState = [this](std::uint8_t next) { States.Change(next); };
  host.StartGame = [this] {
    HideCursorSprite();
    States.Change(gsStartLevel);
    HideMenuBackground();
    Music.Stop();
    if (!Game.ResourcesCreated) Game.CreateResources();
    MenuMode = false;
  };
  host.LeaveEndedGame = [this] {
    Game.HideGameObjects();
    ShowMenuBackground();
    Game.ResetGame();
    MenuMode = true;
  };
  host.EndGame = [this] {
    Game.HidePausePicture();
    Media.GameOverPicture->Hide();
    Game.HideSplash();
    // The game music was muted for the question; it stops here and gets its volume back, or
    // the next game would play it silently.
    Music.Stop();
    Music.SetGameVolume(1);
    return Game.GetScore();
  };
  host.ResumeGame = [this] {
    HideCursorSprite();
    States.Change(gsPlaying);
    Game.HidePausePicture();
  };
  host.HideGameSplash = [this] { Game.HideSplash(); };
  host.StartSubmission = [this](const std::string& name, const std::string& secondName,
                                std::int32_t score) {
    // Destroying the old thread object waits for its thread to end.
    Connection = std::make_unique<ConnThrd>();
    States.Change(gsSubmitting);
    Connection->Start(MakeHttpClient(HttpTimeouts), {ServerAddress, name, secondName, score});
  };
  host.OnlineRecordsAddress = [this] { return ServerAddress + kOnlineRecordsPage; };
  host.MinimizeWindow = [this] { MinimizeGameWindow(); };
  host.RequestNewWindow = [this] {
    sys::System& system = sys::system();
    system.SendMessage(system.FindWindow(kGameTitle), sys::WM_SYSCOMMAND, sys::SC_MINIMIZE, 0);
    RestartRequested = -1;
  };
  host.PlayMenuMusic = [this] { Music.Play("1"); };
  host.StopMusic = [this] { Music.Stop(); };
  return host;
}

void TProgram::MinimizeGameWindow() {
  const bool fullScreen = !Settings.Windowed;
  if (fullScreen) RestoreOnActivate = true;
  sys::System& system = sys::system();
  system.SendMessage(system.FindWindow(kGameTitle), sys::WM_SYSCOMMAND, sys::SC_MINIMIZE, 0);
  if (fullScreen) RestartRequested = -1;
}

void TProgram::ShowCursorSprite() const {
  iSpriteShow(Media.CursorSprite);
}

void TProgram::HideCursorSprite() const {
  iSpriteHide(Media.CursorSprite);
}
