// The main menu: a column of eight picture buttons on the left of the menu background. Item 1
// starts a game, items 2 to 4 open or close the options, records and help panels, item 6 asks
// whether to leave, and items 5, 7 and 8 open the publisher's links.
#pragma once

#include <array>
#include <cstdint>

#include "engine/FrameInput.h"
#include "menus/Panels.h"

class TMeshButton;
class TScreens;

// The item selected after Up or Down: the column runs 1 to 6 without wrapping, and above item 1
// come item 7 and then item 8, the two links in the top-left corner.
std::uint8_t MainMenuNeighbour(std::uint8_t selected, bool down);

class TMainMenu {
 public:
  static constexpr int kItems = 8;

  explicit TMainMenu(TScreens& screens) : screens_(screens) {}
  // Lets its pictures go without engine calls (the engine is closed by then).
  ~TMainMenu();
  TMainMenu(const TMainMenu&) = delete;
  TMainMenu& operator=(const TMainMenu&) = delete;

  // Creates the eight buttons, not shown.
  void Build();
  void InitialState();
  void ShowButtons();
  void HideButtons();
  bool ButtonsShown() const { return shown_; }

  // Up or Down, with the move sound also when the selection stays.
  void MoveSelection(bool down);
  // Every frame: the selected item lights, the others go dark.
  void FrameUpdate();
  // The pointer moved to a pixel: the highest-numbered item under it becomes selected.
  void Hover(int x, int y);
  // A left click at a pixel runs the first item that is under it and selected; true when an
  // item ran, and the click goes no further.
  bool Click(int x, int y);
  // Up, Down, Enter and Escape while the main menu is the current screen.
  void Keys(const TFrameInput& input);
  void RunItem(std::uint8_t item);

  std::uint8_t Selected = 1;  // 1..8

 private:
  void StartGame();
  void OpenOrClosePanel(TPanelKind panel);
  void AskToLeave();

  TScreens& screens_;
  std::array<TMeshButton*, kItems> buttons_{};
  bool shown_ = false;
};
