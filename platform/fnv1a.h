// The 64-bit FNV-1a hash: quick, and good enough to tell apart the byte strings the game compares
// (a file's contents, a drawn card). Chain calls by passing the last hash on.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rt {

constexpr std::uint64_t kFnv1aStart = 0xCBF29CE484222325ull;

inline std::uint64_t fnv1a(const void* data, std::size_t size, std::uint64_t hash = kFnv1aStart) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 0x100000001B3ull;
  return hash;
}

}  // namespace rt
