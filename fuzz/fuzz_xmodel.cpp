// Any bytes through the .x model reader: a model it accepts has only valid face indices.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "runtime/xmodel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rt::XModel model;
  std::string error;
  if (rt::parseXModel(std::span<const std::uint8_t>(data, size), model, error)) {
    if (model.triangles.empty() || model.triangles.size() % 3 != 0) __builtin_trap();
    for (const std::uint32_t i : model.triangles) {
      if (i >= model.vertices.size()) __builtin_trap();
    }
  }
  return 0;
}
