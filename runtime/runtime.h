// The pieces one run of the program is made of: a backend (SDL or headless), a clock (real or
// virtual), an input source (devices or a script) and the operating-system layer. The program
// body installs them once; the engine core and the system layer read them from here.
#pragma once

#include <memory>

#include "runtime/backend.h"
#include "runtime/clock.h"
#include "runtime/input.h"

namespace rt {

Backend& backend();
Clock& clock();
InputSource& input();

void setBackend(std::unique_ptr<Backend> backend);
void setClock(std::unique_ptr<Clock> clock);
// The input source is not owned: it lives as long as the run.
void setInput(InputSource& input);

}  // namespace rt
