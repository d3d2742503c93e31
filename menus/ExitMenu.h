// The yes/no dialog: a panel with an accepting button on the left and a refusing one on the
// right. It asks the question of the current screen (menus/DialogQuestions.h) and runs that
// question's answer.
#pragma once

#include <cstdint>

#include "engine/FrameInput.h"

class TMeshSprite;
class TMeshButton;
class TScreens;

class TExitMenu {
 public:
  explicit TExitMenu(TScreens& screens) : screens_(screens) {}
  // Lets its pictures go without engine calls (the engine is closed by then).
  ~TExitMenu();
  TExitMenu(const TExitMenu&) = delete;
  TExitMenu& operator=(const TExitMenu&) = delete;

  // Creates the panel and its buttons, not shown.
  void Build();
  void InitialState();
  void Show();
  void Hide();
  // Left, right, up or down: the other button.
  void MoveSelection();
  // The selected button lights, the other goes dark.
  void FrameUpdate();
  // Prints the question of the current screen.
  void DialogTexts() const;
  // Arrows move the selection, Enter answers with it, Escape refuses.
  void Keys(const TFrameInput& input);
  // The pointer moved to a pixel: a button under it becomes selected.
  void Hover(int x, int y);
  // A left click on a button answers with it.
  void Click(int x, int y);
  bool Shown() const { return shown_; }

  std::uint8_t Selected = 1;  // 1 accept, 2 refuse; kept between questions

 private:
  void Answer(bool accept);

  TScreens& screens_;
  TMeshSprite* panel_ = nullptr;
  TMeshButton* accept_ = nullptr;
  TMeshButton* refuse_ = nullptr;
  bool shown_ = false;
};
