// The main loop: the game's one window, the engine phases, the restart and hidden wait used to
// hand the screen to an outside program, the window procedure and the hot keys.
#pragma once

#include <array>
#include <cstdint>

#include "runtime/system.h"

class TProgram;

struct TCoreConfig {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  const char* ClassName = "";
  const char* Caption = "";
  std::int32_t EngineMode = 0;
  std::int32_t DisplaySelector = -1;  // 0 window, -1 full screen
  std::int32_t EngineValueC = 0;
  std::int32_t EngineValueD = -1;
  std::uint8_t BossKey = 64;
};

// Engine key code (DirectInput scan code) -> Windows virtual-key code; 0 when unmapped.
extern std::array<std::uint8_t, 256> KeyToVirtualKey;
void BuildKeyTable();

// The window centred on the screen, 800 x 600 plus a caption, the window's class and title and
// the engine values.
void FillCoreConfig(TCoreConfig& config);
// Runs `program` until it is to end. Writes the display selector and engine value D back.
void RunMainLoop(TCoreConfig& config, TProgram& program);
sys::LRESULT CoreWindowProc(sys::HWND window, sys::UINT message, sys::WPARAM wParam,
                            sys::LPARAM lParam);
