// The record name entry: after a game with a new record it shows the score and asks for the name
// that goes into the records table and the player's second name, which the record check fills
// from the settings. OK stores the record and asks whether to send it; Cancel drops it.
#pragma once

#include <cstdint>
#include <string>

#include "engine/FrameInput.h"
#include "menus/TextEntry.h"

class TMeshSprite;
class TMeshButton;
class TScreens;

// The item chosen by Up (`down` false) or Down: name field 1, second field 2, OK 3, Cancel 4,
// without wrapping.
std::uint8_t RecordEntryNeighbour(std::uint8_t selected, bool down);
// The entry's screens: choosing an item, editing the name, editing the second name.
bool IsRecordEntryState(std::uint8_t state);

class TRecordInputMenu {
 public:
  explicit TRecordInputMenu(TScreens& screens) : screens_(screens) {}
  // Lets its pictures go without engine calls (the engine is closed by then).
  ~TRecordInputMenu();
  TRecordInputMenu(const TRecordInputMenu&) = delete;
  TRecordInputMenu& operator=(const TRecordInputMenu&) = delete;

  // Creates the panel, the two field boxes and the buttons, not shown.
  void Build();
  void InitialState();
  // Shows the dialog over the ended game that scored `score`, editing the name field; the record
  // goes to place `rank` (1..10). The fields keep their texts.
  void Prepare(int rank, std::int32_t score);
  void Hide();
  bool Shown() const { return shown_; }
  // Escape cancels; Up and Down move; on the buttons Left, Right and Enter; in a field the
  // letters, Backspace and Enter (on to the next item).
  void Keys(const TFrameInput& input);
  // The pointer moved to (x, y) in print units, (px, py) in screen pixels: a field under it is
  // edited, a button under it selected.
  void Hover(long double x, long double y, int px, int py);
  // A left click at (x, y) in print units, (px, py) in screen pixels.
  void Click(long double x, long double y, int px, int py);
  // In the entry's states: the live second name follows the field, the boxes and buttons follow
  // the selection, and the texts are printed.
  void FrameUpdate(const TFrameInput& input);
  // Stores the record at the pending rank, writes the records file and asks whether to send it.
  void Confirm();
  // Drops the record and returns to the main menu.
  void Cancel();

  std::uint8_t Selected = 1;  // 1 name field, 2 second field, 3 OK, 4 Cancel
  TCaret Caret;               // after the field being edited
  int Rank = 0;               // the place the record takes, set by Prepare
  std::int32_t Score = 0;     // the ended game's score, set by Prepare
  // Both fields keep their texts for the next record of the run.
  std::string NameField;
  std::string SecondField;

 private:
  // The panel and the buttons; the field boxes follow the selection frame by frame.
  void Show();
  void MoveSelection(bool down);
  // Letters, Backspace and Enter into the field being edited.
  void TypeIntoField(const TFrameInput& input);
  void PrintTexts(long double now);

  TScreens& screens_;
  TMeshSprite* panel_ = nullptr;
  TMeshSprite* nameBox_ = nullptr;
  TMeshSprite* secondBox_ = nullptr;
  TMeshButton* ok_ = nullptr;
  TMeshButton* cancel_ = nullptr;
  bool shown_ = false;
};
