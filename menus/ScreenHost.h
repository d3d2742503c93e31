// What the screens between games may ask of the program around them. The scene provides it: the
// current screen and the one way to change it, and the few things the screens do to the game,
// the window, the pointer and the music.
#pragma once

#include <cstdint>
#include <string>

class TScreenHost {
 public:
  // The current screen, a gs* value of menus/GameStates.h.
  virtual std::uint8_t State() const = 0;
  // Moves to another screen, with the actions of leaving the one and entering the other.
  virtual void ChangeState(std::uint8_t next) = 0;

  // From the main menu: the menus' background and music go and a new game loads its first level.
  virtual void StartGame() = 0;
  // The ended game hidden and reset, the main menu's background back up.
  virtual void LeaveEndedGame() = 0;
  // The running game given up from the quit question: its pictures and music go. Its score.
  virtual std::int32_t EndGame() = 0;
  // Back to the running game from the quit question.
  virtual void ResumeGame() = 0;
  // The game's splash overlay goes (the name entry shows over the ended game).
  virtual void HideGameSplash() = 0;
  // Sends a record to the score server in the background; the screen becomes gsSubmitting.
  virtual void StartSubmission(const std::string& name, const std::string& secondName,
                               std::int32_t score) = 0;
  // The address of the online records page.
  virtual std::string OnlineRecordsAddress() const = 0;

  // Minimises the game for an outside program (a link being opened); in full screen the engine
  // is also closed until the window is activated again.
  virtual void MinimizeGameWindow() = 0;
  // Once this frame ends, a new window in the display mode of the live settings.
  virtual void RequestNewWindow() = 0;
  // The menu track from its start, when music is on.
  virtual void PlayMenuMusic() = 0;
  // Every track stopped.
  virtual void StopMusic() = 0;

 protected:
  ~TScreenHost() = default;
};
