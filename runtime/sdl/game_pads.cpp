#include "runtime/sdl/game_pads.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "engine/PadCodes.h"
#include "runtime/live_input.h"

namespace rt::sdl {
namespace {

constexpr SDL_GameControllerButton kButtons[kPadButtons] = {
    SDL_CONTROLLER_BUTTON_A,
    SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,
    SDL_CONTROLLER_BUTTON_BACK,
    SDL_CONTROLLER_BUTTON_GUIDE,
    SDL_CONTROLLER_BUTTON_START,
    SDL_CONTROLLER_BUTTON_LEFTSTICK,
    SDL_CONTROLLER_BUTTON_RIGHTSTICK,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN,
    SDL_CONTROLLER_BUTTON_DPAD_LEFT,
    SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
};
constexpr SDL_GameControllerAxis kAxes[kPadAxes] = {
    SDL_CONTROLLER_AXIS_LEFTX,  SDL_CONTROLLER_AXIS_LEFTY,       SDL_CONTROLLER_AXIS_RIGHTX,
    SDL_CONTROLLER_AXIS_RIGHTY, SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_CONTROLLER_AXIS_TRIGGERRIGHT,
};

// The engine's code of an SDL button or axis; -1 for those the engine has none for.
template <typename Code, std::size_t N>
int engineCodeOf(const Code (&codes)[N], int sdlCode) {
  const auto found = std::find(std::begin(codes), std::end(codes), static_cast<Code>(sdlCode));
  return found == std::end(codes) ? -1 : static_cast<int>(found - std::begin(codes));
}

bool started = false;
bool refused = false;  // SDL could not start them: not asked again
// The open pads by SDL's instance id, which stays a pad's own until it is removed.
std::map<SDL_JoystickID, SDL_GameController*> openPads;

void padArrived(int deviceIndex) {
  SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
  if (!pad) {
    std::fprintf(stderr, "glintbreaker: cannot open the gamepad (%s)\n", SDL_GetError());
    return;
  }
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
  // SDL may announce a pad opened already (one present at start is also enumerated).
  if (!openPads.emplace(id, pad).second) {
    SDL_GameControllerClose(pad);
    return;
  }
  liveInput().padAdded(id);
}

void padLeft(SDL_JoystickID id) {
  const auto pad = openPads.find(id);
  if (pad == openPads.end()) return;
  SDL_GameControllerClose(pad->second);
  openPads.erase(pad);
  liveInput().padRemoved(id);
}

}  // namespace

bool startGamePads() {
  if (started || refused) return started;
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::fprintf(stderr, "glintbreaker: gamepads are not available (%s)\n", SDL_GetError());
    refused = true;
    return false;
  }
  started = true;
  return true;
}

void stopGamePads() {
  if (!started) return;
  for (const auto& [id, pad] : openPads) {
    SDL_GameControllerClose(pad);
    liveInput().padRemoved(id);
  }
  openPads.clear();
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  started = false;
}

bool gamePadEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      padArrived(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      padLeft(event.cdevice.which);
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (openPads.count(event.cbutton.which)) {
        liveInput().padButton(event.cbutton.which, engineCodeOf(kButtons, event.cbutton.button),
                              event.type == SDL_CONTROLLERBUTTONDOWN);
      }
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (openPads.count(event.caxis.which)) {
        liveInput().padAxis(event.caxis.which, engineCodeOf(kAxes, event.caxis.axis),
                            event.caxis.value);
      }
      return true;
    default:
      return event.type >= SDL_CONTROLLERAXISMOTION && event.type <= SDL_CONTROLLERSENSORUPDATE;
  }
}

void drainGamePadEvents() {
  SDL_Event event;
  while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_CONTROLLERAXISMOTION,
                        SDL_CONTROLLERSENSORUPDATE) > 0) {
    gamePadEvent(event);
  }
}

void rumbleGamePads(float strength, int milliseconds) {
  const auto level = static_cast<Uint16>(std::clamp(strength, 0.0f, 1.0f) * 0xFFFF);
  // A pad without a motor refuses; that is all right.
  for (const auto& [id, pad] : openPads) {
    SDL_GameControllerRumble(pad, level, level, static_cast<Uint32>(milliseconds));
  }
}

SDL_GameControllerButton sdlButtonOf(int button) {
  return button >= 0 && button < kPadButtons ? kButtons[button] : SDL_CONTROLLER_BUTTON_INVALID;
}

SDL_GameControllerAxis sdlAxisOf(int axis) {
  return axis >= 0 && axis < kPadAxes ? kAxes[axis] : SDL_CONTROLLER_AXIS_INVALID;
}

}  // namespace rt::sdl
