// What the screens between games may ask of the program around them: the functions the scene
// hands them when it makes them. The current screen and the one way to change it, and the few
// things the screens do to the game, the window, the pointer and the music.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "userdata/Language.h"

struct TScreenHost {
  // The current screen, a gs* value of menus/GameStates.h.
  std::function<std::uint8_t()> State;
  // Moves to another screen, with the actions of leaving the one and entering the other.
  std::function<void(std::uint8_t next)> ChangeState;

  // From the main menu: the menus' background and music go and a new game loads its first level.
  std::function<void()> StartGame;
  // The ended game hidden and reset, the main menu's background back up.
  std::function<void()> LeaveEndedGame;
  // The running game given up from the quit question: its pictures and music go, and the record
  // check follows with its score.
  std::function<void()> EndGame;
  // Back to the running game from the quit question.
  std::function<void()> ResumeGame;
  // The game's splash overlay goes (the name entry shows over the ended game).
  std::function<void()> HideGameSplash;
  // The ended game's record went into the records table: its replay is kept for good.
  std::function<void()> RecordEntered;
  // Sends a record to the score server in the background; the screen becomes gsSubmitting.
  std::function<void(const std::string& name, const std::string& secondName, std::int32_t score)>
      StartSubmission;
  // The address of the online records page.
  std::function<std::string()> OnlineRecordsAddress;

  // Minimises the game for an outside program (a link being opened); in full screen the engine
  // is also closed until the window is activated again.
  std::function<void()> MinimizeWindow;
  // Once this frame ends, a new window in the display mode of the live settings.
  std::function<void()> RequestNewWindow;
  // The game speaks another language from now on; its pictures come with a new scene (a new
  // window, as for a new display mode), which starts at the main menu.
  std::function<void(TLanguage language)> SwitchLanguage;
  // The menu track from its start, when music is on.
  std::function<void()> PlayMenuMusic;
  // Every track stopped.
  std::function<void()> StopMusic;
};
