#include "replay/BitStream.h"

#include <algorithm>
#include <bit>

namespace {

// The zeros before the leading one of a number's code, at most: the code of
// kLargestCodedNumber has 62.
constexpr int kLongestPrefix = 62;

std::uint64_t Fold(std::int64_t value) {
  return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

std::int64_t Unfold(std::uint64_t folded) {
  return static_cast<std::int64_t>(folded >> 1) ^ -static_cast<std::int64_t>(folded & 1);
}

}  // namespace

void TBitWriter::Bit(bool bit) {
  if (bits_ % 8 == 0) bytes_.push_back(0);
  if (bit) bytes_.back() |= static_cast<std::uint8_t>(0x80u >> (bits_ % 8));
  ++bits_;
}

void TBitWriter::Bits(std::uint64_t value, int count) {
  for (int i = count - 1; i >= 0; --i) Bit(((value >> i) & 1) != 0);
}

void TBitWriter::Unsigned(std::uint64_t value) {
  const std::uint64_t code = std::min(value, kLargestCodedNumber) + 1;
  const int width = std::bit_width(code);
  Bits(0, width - 1);
  Bits(code, width);
}

void TBitWriter::Signed(std::int64_t value) {
  Unsigned(Fold(value));
}

bool TBitReader::Bit() {
  if (position_ >= bytes_.size() * 8) {
    failed_ = true;
    return false;
  }
  const bool bit = ((bytes_[position_ / 8] >> (7 - position_ % 8)) & 1) != 0;
  ++position_;
  return bit;
}

std::uint64_t TBitReader::Bits(int count) {
  std::uint64_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 1 | (Bit() ? 1 : 0);
  return failed_ ? 0 : value;
}

std::uint64_t TBitReader::Unsigned() {
  int zeros = 0;
  while (!failed_ && !Bit()) {
    if (++zeros > kLongestPrefix) failed_ = true;
  }
  if (failed_) return 0;
  const std::uint64_t code = std::uint64_t{1} << zeros | Bits(zeros);
  return failed_ ? 0 : code - 1;
}

std::int64_t TBitReader::Signed() {
  return Unfold(Unsigned());
}
