// The help panel: it slides in beside the main menu and shows one of six help pages, starting at
// the first one each time it opens; the back and forward buttons below the page turn it, round
// from the last page to the first and back.
#pragma once

#include <array>
#include <cstdint>

#include "engine/FrameInput.h"
#include "menus/SlidingPanel.h"

class TMeshSprite;
class TMeshButton;
class TScreens;

class THelpMenu {
 public:
  static constexpr int kPages = 6;

  explicit THelpMenu(TScreens& screens) : screens_(screens) {}
  // Lets its pictures go without engine calls (the engine is closed by then).
  ~THelpMenu();
  THelpMenu(const THelpMenu&) = delete;
  THelpMenu& operator=(const THelpMenu&) = delete;

  // The panel with its buttons, built shown but closed and off screen; no page is shown.
  void Build();
  void InitialState();
  // Slides in at page 1.
  void Open();
  // Slides out; the page goes at once.
  void Close();
  // Escape: closes the panel and returns to the main menu.
  void Leave();
  // Shows the next or the previous page, round at the ends, with the click sound.
  void TurnPage(bool forward);
  // Right selects the forward button, or turns forward when it is selected; Left the same way
  // backwards. Silent unless the page turns.
  void StepSelection(bool right);
  void Keys(const TFrameInput& input);
  // The pointer moved to (x, y), in screen pixels: a button under it lights and is selected.
  void Hover(int x, int y);
  // A left click at (x, y), in screen pixels: a button under it turns the page.
  void Click(int x, int y);
  // Every frame: slides; while help is the current screen, lights the selected button.
  void FrameUpdate();

  std::uint8_t Selected = 1;  // 1 back, 2 forward
  std::uint8_t Page = 1;      // 1..6
  TSlidingPanel Panel;

 private:
  void HidePages() const;

  TScreens& screens_;
  std::array<TMeshSprite*, kPages> pages_{};
  TMeshButton* back_ = nullptr;
  TMeshButton* forward_ = nullptr;
};
