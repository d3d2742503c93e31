// The screens' part of the state dump: the selection of the main menu and the dialog, and the
// state of each sliding panel.
#pragma once

#include "runtime/json.h"

rt::Json DumpScreens();
