// GameState and the one way it changes. Change moves from the current screen to another when
// the move is one the program makes (Moves), running the exit action of the screen it leaves and
// the entry action of the screen it enters from a table; any other move is refused with a line
// on stderr and changes nothing.
#pragma once

#include <cstdint>
#include <span>

#include "menus/GameStates.h"

class TProgram;

struct TStateMove {
  std::uint8_t from, to;
};

class TStateMachine {
 public:
  explicit TStateMachine(TProgram& program) : program_(program) {}

  // The current screen; gsMainMenu from the start.
  std::uint8_t Current() const { return current_; }
  // To `next`: false (with a line on stderr) when the program makes no such move. Staying on
  // the current screen is always allowed and runs nothing.
  bool Change(std::uint8_t next);

  // How many moves were refused so far.
  long Refused() const { return refused_; }

  // Every move between two different screens that the program makes.
  static std::span<const TStateMove> Moves();
  static bool Allowed(std::uint8_t from, std::uint8_t to);

 private:
  TProgram& program_;
  std::uint8_t current_ = gsMainMenu;
  long refused_ = 0;
};
