// SDL's game controllers for the live input: every pad is opened as it arrives and closed as it
// goes, hot-plugged while the game runs; its buttons and sticks reach the live input under the
// engine's pad codes (engine/PadCodes.h), and the game's rumble reaches every pad that has one.
#pragma once

#include <SDL.h>

namespace rt::sdl {

// Starts SDL's game controllers, once; the pads already plugged in arrive as events. False
// where they cannot start, said once on stderr (the game then plays without pads).
bool startGamePads();
void stopGamePads();
// Hands a game controller's event to the live input; false for any other event.
bool gamePadEvent(const SDL_Event& event);
// The game controllers' events SDL has queued, handled now (ahead of the other events).
void drainGamePadEvents();
// Every open pad with a motor shakes (strength 0..1); the others do nothing.
void rumbleGamePads(float strength, int milliseconds);

// The engine's pad codes and SDL's.
SDL_GameControllerButton sdlButtonOf(int button);
SDL_GameControllerAxis sdlAxisOf(int axis);

}  // namespace rt::sdl
