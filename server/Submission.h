// The checks a submitted record passes before its score is stored (its token is checked last, by
// the store, in the transaction that stores the record).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Submission {
  std::string name;  // screen-encoded, unshifted
  std::string add;   // the second name, screen-encoded, unshifted
  std::int32_t score = 0;
  std::string token;
};

// A real record is under 100 bytes: two names of 10 bytes, a score, a 16-digit token.
inline constexpr std::size_t kMaxRecordBytes = 200;
inline constexpr std::size_t kMaxNameBytes = 10;

// The record in the symbols of a submission request: at most kMaxRecordBytes, every field in its
// place, type 0, the key letter G, a token, a score that is a decimal integer a game can reach
// (IsPlausibleScore), names of at most kMaxNameBytes. Nothing, with a short reason in `reason`,
// when any check fails.
std::optional<Submission> CheckSubmission(std::string_view symbols, std::string& reason);
