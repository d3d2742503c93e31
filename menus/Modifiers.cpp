#include "menus/Modifiers.h"

#include "engine/impact.h"
#include "menus/KeyCodes.h"

TModifiers HeldModifiers() {
  return {iKeyDown(kKeyLeftShift) || iKeyDown(kKeyRightShift),
          iKeyDown(kKeyLeftAlt) || iKeyDown(kKeyRightAlt),
          iKeyDown(kKeyLeftCtrl) || iKeyDown(kKeyRightCtrl)};
}
