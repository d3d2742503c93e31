#include "scene/Program.h"

#include <ctime>

#include "engine/MeshSprite.h"
#include "gameplay/Random.h"
#include "menus/RecordsMenu.h"
#include "online/HttpClient.h"
#include "platform/files.h"
#include "runtime/system.h"
#include "scene/GameFingerprint.h"
#include "scene/Random.h"

TProgram::TProgram(const TSettings& settings, const TRecordsTable& records,
                   std::string serverAddress)
    : States(*this),
      Settings(settings),
      Records(records),
      ServerAddress(std::move(serverAddress)),
      Music(Settings),
      Host(MakeScreenHost()),
      Screens(Host, Settings, Records, Preferences, Language),
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
    // Every game draws from a seed of its own, which its replay keeps.
    if (Playback.Active()) {
      SeedRandom(Playback.Seed());
    } else {
      Recording.Start(Randomize(FixedSeed), Input.tick, TGame::LevelFileHash());
    }
    Game.StartGame();
  };
  host.LeaveEndedGame = [this] {
    Game.HideGameObjects();
    ShowMenuBackground();
    Game.ResetGame();
    MenuMode = true;
    FinishedReplay.reset();
  };
  host.EndGame = [this] {
    Game.HidePausePicture();
    Media.GameOverPicture->Hide();
    Game.HideSplash();
    // The game music was muted for the question; it stops here and gets its volume back, or
    // the next game would play it silently.
    Music.Stop();
    Music.SetGameVolume(1);
    EndOfGame(false);
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
    // The record's own game's replay goes with it, for the server to play it again.
    std::vector<std::uint8_t> replay;
    if (FinishedReplay && FinishedReplay->Score == score) replay = FinishedReplay->Bytes;
    Connection->Start(MakeHttpClient(HttpTimeouts),
                      {ServerAddress, name, secondName, score, std::move(replay)});
  };
  host.RecordEntered = [this] {
    if (FinishedReplay) Replays.KeepLastAsRecord();
  };
  host.OnlineRecordsAddress = [this] { return ServerAddress + kOnlineRecordsPage; };
  host.MinimizeWindow = [this] { MinimizeGameWindow(); };
  host.RequestNewWindow = [this] {
    sys::System& system = sys::system();
    system.SendMessage(system.FindWindow(kGameTitle), sys::WM_SYSCOMMAND, sys::SC_MINIMIZE, 0);
    RestartRequested = -1;
  };
  host.SwitchLanguage = [this](TLanguage language) {
    SpeakLanguage(language);
    States.Change(gsMainMenu);
    LanguageChanged = true;
    Host.RequestNewWindow();
  };
  host.PlayMenuMusic = [this] { Music.Play("1"); };
  host.StopMusic = [this] { Music.Stop(); };
  return host;
}

void TProgram::SpeakLanguage(TLanguage language) {
  Language = language;
  files::setLanguageFolder(language == TLanguage::English ? LanguageCode(language) : "");
}

void TProgram::MinimizeGameWindow() {
  if (Playback.Active()) return;
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

void TProgram::EndOfGame(bool afterGameOver) {
  if (Playback.Active()) {
    Playback.Finish(*this);
    return;
  }
  KeepReplay();
  Screens.RecordsPanel.RecordCheck(Game.GetScore(), afterGameOver);
  if (afterGameOver) ShowCursorSprite();
}

void TProgram::KeepReplay() {
  const TReplayResult result{Game.GetScore(), Game.GetLevel(), GameFingerprint(Game)};
  auto replay = Recording.Finish(result, std::time(nullptr));
  if (!replay) return;
  std::vector<std::uint8_t> bytes = EncodeReplay(*replay);
  Replays.Save(replay->EndedAt, result.Score, bytes);
  FinishedReplay = TFinishedReplay{result.Score, std::move(bytes)};
}

void TProgram::ReseedAfterRestart() {
  if (Playback.Active()) return;
  const std::uint64_t seed = Randomize(FixedSeed);
  if (Recording.Active()) Recording.Reseed(seed);
}
