// The program's state: one object, owned by the program body and made afresh for each run, that
// the main loop, the frame and the screens work on. It holds the current screen with its state
// machine, the menu flag, the live settings and records, the game, the screens between games, the
// connection thread, the shared pictures, sounds and fonts, and the frame's own bookkeeping. It
// lives on the main thread; the connection thread only publishes its outcome.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/FrameInput.h"
#include "menus/ScreenHost.h"
#include "menus/Screens.h"
#include "online/ConnThread.h"
#include "online/HttpClient.h"
#include "replay/ReplayShelf.h"
#include "scene/AttractDemo.h"
#include "scene/FrameTiming.h"
#include "scene/Game.h"
#include "scene/GameRecording.h"
#include "scene/Playback.h"
#include "scene/PrintPoint.h"
#include "scene/ReplayViewer.h"
#include "scene/SceneMedia.h"
#include "scene/StateMachine.h"
#include "userdata/Preferences.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

// Where the game looks for its score server unless told otherwise.
inline constexpr const char* kDefaultServer = "http://127.0.0.1:8642";
// The window's caption; also how the game finds its own window.
inline constexpr const char* kGameTitle = "Glintbreaker";

// The replay of the game that ended last, until that game's record question is settled: it goes
// out with the record.
struct TFinishedReplay {
  std::int32_t Score = 0;
  std::vector<std::uint8_t> Bytes;
};

class TProgram {
 public:
  // The program as the start-up files leave it, before the first scene set-up.
  TProgram(const TSettings& settings, const TRecordsTable& records,
           std::string serverAddress = kDefaultServer);
  // Gives up a record still being sent.
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  // The main-menu background with its three pulsing decorations.
  void ShowMenuBackground();
  void HideMenuBackground();
  void ShowCursorSprite() const;
  void HideCursorSprite() const;
  // Minimises the game for an outside program (a link, the boss key); in full screen the engine
  // is also closed until the window is activated again. Not while a replay plays: the boss key
  // of the recorded player paused the game but hides no window of the viewer.
  void MinimizeGameWindow();
  // The running game ended, after its game-over picture or from the quit question: its replay is
  // kept and the record check follows; a replayed game's end goes to the playback instead.
  void EndOfGame(bool afterGameOver);
  // The replay of the game being recorded, finished where the game stands, goes to the shelf
  // (also for a game cut short when the program ends).
  void KeepReplay();
  // Prints the language's texts and takes the pictures of its folder of the game folder from now
  // on (the scene set-up that follows loads them).
  void SpeakLanguage(TLanguage language);
  // The engine was reopened: a new seed for the generator, which a game being recorded notes.
  // A replayed game draws only from its recorded seeds.
  void ReseedAfterRestart();

  TStateMachine States;  // GameState
  // True while the main menu background is on screen. Set by the first scene set-up and every
  // return to the main menu; cleared when a game starts.
  bool MenuMode = true;
  TSettings Settings;     // the live settings: read at start-up, replaced by the options' Apply
  TRecordsTable Records;  // as in the records file
  // The volumes: read at start-up (the program body sets them before the first scene set-up),
  // changed by the options panel.
  TPreferences Preferences;
  // The language the game speaks: set (with SpeakLanguage) by the program body before the first
  // scene set-up (the command line's, the stored choice or the locale's), changed by the options
  // panel.
  TLanguage Language = TLanguage::Russian;
  std::string ServerAddress;   // "http://host:port" without a trailing "/"
  THttpTimeouts HttpTimeouts;  // how long sending a record may take
  // Set by --seed: every scene set-up seeds the generator with it instead of the clock.
  std::optional<std::uint64_t> FixedSeed;

  TSceneMedia Media;
  TMusic Music;
  TScreenHost Host;  // what the screens may ask of the program
  TScreens Screens;
  TGame Game;
  std::unique_ptr<ConnThrd> Connection;  // the latest submission's thread, if any

  TGameRecording Recording;  // the game being played
  TReplayShelf Replays;      // the replays kept in the per-user folder
  std::optional<TFinishedReplay> FinishedReplay;
  TPlayback Playback;    // a replayed game
  TReplayViewer Viewer;  // the replay viewer's pace and marks
  TAttractDemo Demo;

  // Non-zero asks the main loop to close the engine after this run phase and start over with a
  // new window; writers set -1, the main loop writes 0.
  std::int32_t RestartRequested = 0;
  // The restart asked for is for a new language's pictures: the new window opens at once, as for
  // a new display mode. Set by the options' language row, cleared by the main loop.
  bool LanguageChanged = false;
  // The hidden window is to wait minimised on the task bar and come back when activated. Set by
  // MinimizeGameWindow and by the main loop when a full-screen game loses the screen; cleared
  // by the main loop at every engine open.
  bool RestoreOnActivate = false;

  // The frame's bookkeeping.
  TFrameInput Input;              // this frame's input, sampled at its start
  long FramesRun = 0;             // RunFrame calls, for the state dump
  std::uint8_t PointerClick = 0;  // this frame's click: 0 none, 1 left, 2 right
  PrintPoint LastPointer;         // the first routed frame counts as a move
  TFrameTiming Timing;
  std::int32_t FadeLevel = 0;            // the fade from dark: runs while strictly in 1..199
  long double DecorationPhase = 0;       // radians
  int CursorFrame = 1;                   // 1..10
  std::uint32_t CursorFrameChanged = 0;  // tick of the last cursor frame
  long double StatusBlink = 0;           // the time's pulse in its last ten seconds
  bool SetUpBefore = false;              // the first scene set-up has run

 private:
  // The functions the screens are handed.
  TScreenHost MakeScreenHost();
};
