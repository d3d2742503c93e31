#include "runtime/runtime.h"

#include <cstdio>
#include <cstdlib>

namespace rt {
namespace {

std::unique_ptr<Backend> theBackend;
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
