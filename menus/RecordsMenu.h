// The records panel: it slides in beside the main menu and shows the records table, with a
// button that resets the table (after a question) and one that opens the online records page.
// Also the record check that runs when a game ends.
#pragma once

#include <cstdint>

#include "engine/FrameInput.h"
#include "menus/SlidingPanel.h"

class TMeshButton;
class TScreens;

// The online records page, after the score server's address.
inline constexpr const char* kOnlineRecordsPage = "/cgi/version.pl?prg=Glintbreaker&show&type=0";

class TRecordsMenu {
 public:
  explicit TRecordsMenu(TScreens& screens) : screens_(screens) {}
  // Lets its pictures go without engine calls (the engine is closed by then).
  ~TRecordsMenu();
  TRecordsMenu(const TRecordsMenu&) = delete;
  TRecordsMenu& operator=(const TRecordsMenu&) = delete;

  // The panel with its buttons, shown but built closed and off screen.
  void Build();
  void InitialState();
  // Slides in, also when already in place.
  void Open();
  void Close();
  // Escape: closes the panel and returns to the main menu.
  void Leave();
  // Right and Left choose a button, Enter runs it, Escape leaves.
  void Keys(const TFrameInput& input);
  // The pointer moved to (x, y), in screen pixels: a button under it becomes selected.
  void Hover(int x, int y);
  // A left click at (x, y), in screen pixels, runs the button under it.
  void Click(int x, int y);
  // Every frame: the slide; on its own screen the buttons' highlights and the table's lines,
  // which also slide out with the panel beside the main menu.
  void FrameUpdate();

  // Asks whether to reset the table, with the refusing answer selected.
  void AskReset();
  // The reset question was accepted: the table and its file go back to the defaults and the
  // panel slides in again.
  void Reset();
  // The reset question was refused: the panel slides in again.
  void CancelReset();
  // Opens the online records page while the game steps aside; the panels close.
  void OnlineRecords();

  // Run when a game ends with `score` (after its game-over picture, or from the quit question):
  // a score that beats an entry goes on to the name entry, any other back to the main menu. After
  // a game over the menu music also starts again.
  void RecordCheck(std::int32_t score, bool afterGameOver);

  std::uint8_t Selected = 1;  // 1 reset, 2 online records
  TSlidingPanel Panel;

 private:
  void MoveSelection(std::uint8_t selected);
  void PrintTable() const;
  // Back on the panel after the reset question, whatever the answer.
  void ReturnFromResetQuestion();

  TScreens& screens_;
  TMeshButton* reset_ = nullptr;
  TMeshButton* online_ = nullptr;
};
