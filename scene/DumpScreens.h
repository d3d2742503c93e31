// The screens' part of the state dump: the selection of the main menu and the dialog, the state
// of each sliding panel and the name entry's fields.
#pragma once

#include "runtime/json.h"

class TScreens;

rt::Json DumpScreens(const TScreens& screens);
