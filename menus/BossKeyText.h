// The boss key as the options panel shows and binds it.
#pragma once

#include <string>

#include "menus/Modifiers.h"
#include "userdata/Language.h"
#include "userdata/Settings.h"

// The modifiers the boss key is bound with.
TModifiers BoundModifiers(const TSettings& settings);
// A key the boss key may be bound to: digits, letters, the signs beside them and the F keys.
bool BindsAsBossKey(int code);
// The modifiers in front of a key's name, in the order CTRL+, ALT+, SHIFT+.
std::string BossKeyText(const std::string& keyName, TModifiers modifiers);
// The bound boss key: its modifiers and its name in the language (no name for a key without one).
std::string BossKeyText(const TSettings& settings, TLanguage language);
