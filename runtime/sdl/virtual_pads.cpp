// A script's pad in a real window: one of SDL's virtual joysticks, plugged in and out as the
// script says. Its buttons and sticks travel as a real pad's do, through SDL's game controllers
// (runtime/sdl/game_pads.cpp) into the live input, whose pads' part of the frame the script
// then hands on. Its motor says on stdout when the game shakes it.
#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "runtime/live_input.h"
#include "runtime/script_pads.h"
#include "runtime/sdl/game_pads.h"

namespace rt {
namespace {

int SDLCALL ReportRumble(void*, Uint16 low, Uint16 high) {
  if (low != 0 || high != 0) {
    std::printf("pad: rumble %.2f\n", std::max(low, high) / 65535.0);
    std::fflush(stdout);
  }
  return 0;
}

class VirtualPads final : public ScriptPads {
 public:
  VirtualPads() {
    // The script's pad plays whether or not the window has the keyboard: on a bare X server
    // nothing gives it the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  }
  ~VirtualPads() override { unplug(); }

  void plug() override {
    if (joystick_ || !sdl::startGamePads()) return;
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Glintbreaker script pad";
    desc.Rumble = ReportRumble;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    joystick_ = index < 0 ? nullptr : SDL_JoystickOpen(index);
    if (!joystick_) {
      std::fprintf(stderr, "glintbreaker: cannot plug in the script's pad (%s)\n", SDL_GetError());
      return;
    }
    sdl::drainGamePadEvents();
  }

  void unplug() override {
    if (!joystick_) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int index = 0; index < SDL_NumJoysticks(); ++index) {
      if (SDL_JoystickGetDeviceInstanceID(index) == id) SDL_JoystickDetachVirtual(index);
    }
    sdl::drainGamePadEvents();
  }

  void button(int button, bool down) override {
    if (!joystick_) return;
    SDL_JoystickSetVirtualButton(joystick_, sdl::sdlButtonOf(button), down ? 1 : 0);
    update();
  }

  void axis(int axis, int value) override {
    if (!joystick_) return;
    SDL_JoystickSetVirtualAxis(joystick_, sdl::sdlAxisOf(axis), static_cast<Sint16>(value));
    update();
  }

  void take(InputFrame& frame) override {
    sdl::drainGamePadEvents();
    liveInput().takePads(frame);
  }

  void rumble(float strength, int milliseconds) override {
    sdl::rumbleGamePads(strength, milliseconds);
  }

 private:
  // Each change travels at once, so a button let go and pressed again is two events.
  static void update() {
    SDL_JoystickUpdate();
    sdl::drainGamePadEvents();
  }

  SDL_Joystick* joystick_ = nullptr;
};

}  // namespace

std::unique_ptr<ScriptPads> makeVirtualPads() {
  return std::make_unique<VirtualPads>();
}

}  // namespace rt
