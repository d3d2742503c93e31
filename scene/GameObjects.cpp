#include "scene/GameObjects.h"

// The field has no objects yet: the gameplay brings them.
void ShowGameObjects() {}
void HideGameObjects() {}
