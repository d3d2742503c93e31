// Game-wide state of the program: the current screen, the menu flag, the live settings and
// records, the single objects and the shared pictures, sounds and fonts. Everything here lives
// on the main thread unless its comment says otherwise.
#pragma once

#include <cstdint>
#include <string>

#include "engine/impact.h"
#include "userdata/Records.h"
#include "userdata/Settings.h"

// The window's caption; also how the game finds its own window.
inline constexpr const char* kGameTitle = "Glintbreaker";

// Values of GameState; no other value occurs.
enum : std::uint8_t {
  gsPlaying = 3,
  gsMainMenu = 4,
  gsOptions = 5,
  gsHelp = 7,
  gsOptionsName = 8,
  gsOptionsKey = 9,
  gsExitConfirm = 10,
  gsRecords = 11,
  gsRecordsResetConfirm = 12,
  gsPaused = 13,
  gsQuitConfirm = 15,
  gsStartLevel = 16,
  gsRecordEntry = 18,
  gsRecordEntryName = 19,
  gsRecordEntryAdd = 20,
  gsSubmitAsk = 23,
  gsSubmitting = 25,
  gsSubmitFailed = 26,
  gsLeaving = 27,
};

class TGame;
class TMainMenu;
class THelpMenu;
class TExitMenu;
class TRecordsMenu;
class TOptMenu;
class TRecordInputMenu;
class ConnThrd;
class TMeshSprite;

// The current screen. Set to gsMainMenu by the first scene set-up; written by the screens, the
// game and the end of the connection thread; read by the frame dispatch.
extern std::uint8_t GameState;
// True while the main menu background is on screen. Set by the first scene set-up and every
// return to the main menu; cleared when a game starts.
extern bool MenuMode;
// The live settings, read by the whole program. Read at start-up; replaced by the options'
// Apply.
extern TSettings Settings;
// The records table, identical to the records file. Read at start-up; changed by a new record
// or a reset.
extern TRecordsTable Records;
// Rank (1..10) of a pending new record; set by the record check, read by the insertion.
extern std::int32_t RecordRank;
// This frame's mouse click: 0 none, 1 left, 2 right. Rewritten by every routed frame.
extern std::uint8_t PointerClick;
// Frames run since start (RunFrame calls), for the state dump.
extern long FramesRun;

// Non-zero asks the main loop to close the engine after this run phase and start over with a
// new window. Writers set -1; the main loop writes 0.
std::int32_t GetRestartRequested();
void SetRestartRequested(std::int32_t value);
// Set when the hidden window is to wait minimised on the task bar and come back when activated.
// Set by MinimizeGameWindow and by the main loop when a full-screen game loses the screen;
// cleared by the main loop at every engine open.
extern bool RestoreOnActivate;
// Minimises the game for an outside program (a link, the boss key); in full screen the engine is
// also closed until the window is activated again.
void MinimizeGameWindow();

// The single objects, created by the first scene set-up and alive until the program ends.
extern TGame* Game;
extern TMainMenu* MainMenu;
extern THelpMenu* HelpMenu;
extern TExitMenu* ExitMenu;
extern TRecordsMenu* RecordsMenu;
extern TOptMenu* OptMenu;
extern TRecordInputMenu* RecordInputMenu;
extern ConnThrd* ConnThread;

// The score server, "http://host:port" without a trailing "/". Its default is the server's own
// default address; the command line may name another before the first frame. Read by the
// records panel's link and by each submission.
extern std::string ServerAddress;
// Replaces the connection thread by a fresh one that sends the new record (the name entry's
// name, the live second name and the game's score) to ServerAddress; GameState becomes
// gsSubmitting. Destroying the old thread object waits for it to end.
void StartSubmission();

// Shared pictures, sounds and fonts; re-created by every scene set-up.
extern TMeshSprite* LoadingPicture;
extern TMeshSprite* MenuBackground;
extern TMeshSprite* Decorations[3];
extern TMeshSprite* GameOverPicture;
extern iHandle MenuMusic;
extern iHandle GameMusic;
extern iHandle MoveSound;
extern iHandle ClickSound;
extern iHandle MenuFont;
extern iHandle StatusFont;
extern iHandle Camera;
extern iHandle CursorSprite;
extern iHandle CursorFrames[10];

// The main-menu background with its three pulsing decorations.
void ShowMenuBackground();
void HideMenuBackground();

// Starts the menu track ("1") or the game track ("2") looping when music is on; any other text
// plays nothing.
void PlayMusic(const char* track);
// Stops both tracks.
void StopMusic();
