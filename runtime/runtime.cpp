#include "runtime/runtime.h"

#include <cstdio>
#include <cstdlib>

namespace rt {
namespace {

// Never destroyed by exit(): the program body takes the backend down itself. A library that ends
// the process on its own (Xlib, when the display goes away) must not run SDL's teardown, which
// waits forever on the broken display.
std::unique_ptr<Backend>& theBackend = *new std::unique_ptr<Backend>;
std::unique_ptr<Clock> theClock;
InputSource* theInput = nullptr;

template <typename Pointer>
auto& installed(const Pointer& piece, const char* what) {
  if (!piece) {
    std::fprintf(stderr, "glintbreaker: internal error: no %s installed\n", what);
    std::abort();
  }
  return *piece;
}

}  // namespace

Backend& backend() {
  return installed(theBackend, "backend");
}
Clock& clock() {
  return installed(theClock, "clock");
}
InputSource& input() {
  return installed(theInput, "input source");
}

void setBackend(std::unique_ptr<Backend> backend) {
  theBackend = std::move(backend);
}
void setClock(std::unique_ptr<Clock> clock) {
  theClock = std::move(clock);
}
void setInput(InputSource& input) {
  theInput = &input;
}

}  // namespace rt
