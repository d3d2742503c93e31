#include "menus/Modifiers.h"

#include "engine/KeyCodes.h"

TModifiers HeldModifiers(const TFrameInput& input) {
  return {input.Down(kKeyLeftShift) || input.Down(kKeyRightShift),
          input.Down(kKeyLeftAlt) || input.Down(kKeyRightAlt),
          input.Down(kKeyLeftCtrl) || input.Down(kKeyRightCtrl)};
}
