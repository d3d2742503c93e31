// Bits written and read one field after another: the frames of a replay are mostly small
// numbers and unchanged fields, so each takes only the bits it needs. Numbers use the
// Exp-Golomb code (0 is one bit, 1 and 2 three bits, 3 to 6 five bits, ...).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The largest number Unsigned and Signed take: the code of a larger one would pass 128 bits.
inline constexpr std::uint64_t kLargestCodedNumber = (std::uint64_t{1} << 62) - 1;

class TBitWriter {
 public:
  void Bit(bool bit);
  // The lowest `count` bits of `value` (count 0..64), the highest first.
  void Bits(std::uint64_t value, int count);
  // Up to kLargestCodedNumber; a larger value is written as that.
  void Unsigned(std::uint64_t value);
  // Down to -kLargestCodedNumber / 2, up to kLargestCodedNumber / 2, folded to 0, -1, 1, -2, ...
  void Signed(std::int64_t value);

  // The bits so far, the last byte filled up with zero bits.
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::uint64_t BitCount() const { return bits_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::uint64_t bits_ = 0;
};

// Reads what a TBitWriter wrote. A read past the end, or a number whose code is longer than any
// the writer makes, gives zero and marks the reader failed; it stays failed.
class TBitReader {
 public:
  explicit TBitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Bit();
  std::uint64_t Bits(int count);
  std::uint64_t Unsigned();
  std::int64_t Signed();

  bool Failed() const { return failed_; }
  // The bits not read yet.
  std::uint64_t BitsLeft() const { return bytes_.size() * 8 - position_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::uint64_t position_ = 0;
  bool failed_ = false;
};
