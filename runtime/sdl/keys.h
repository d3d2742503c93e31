// The keyboard of the SDL layer in the engine's key codes (DirectInput scan codes). Kept free of
// SDL headers so the game's tests can check the table.
#pragma once

namespace rt::sdl {

// The DirectInput scan code of an SDL scancode, or 0 for a key the engine has no code for.
int directInputCodeFromSdlScancode(int sdlScancode);

}  // namespace rt::sdl
