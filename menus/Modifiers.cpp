#include "menus/Modifiers.h"

#include "engine/KeyCodes.h"
#include "engine/impact.h"

TModifiers HeldModifiers() {
  return {iKeyDown(kKeyLeftShift) || iKeyDown(kKeyRightShift),
          iKeyDown(kKeyLeftAlt) || iKeyDown(kKeyRightAlt),
          iKeyDown(kKeyLeftCtrl) || iKeyDown(kKeyRightCtrl)};
}
