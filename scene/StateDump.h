// The state of the program as one JSON object, for scripted runs (dump, expect, until).
#pragma once

#include "runtime/json.h"

class TProgram;

rt::Json DumpState(const TProgram& program);
