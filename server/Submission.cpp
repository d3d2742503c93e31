#include "server/Submission.h"

#include <charconv>

#include "online/ScoreRecord.h"
#include "server/PlausibleScore.h"

namespace {

// Every 5 bytes of a record make 8 symbols.
constexpr std::size_t kMaxSymbols = kMaxRecordBytes / 5 * 8;

// A decimal integer with an optional minus and nothing else, within 32 bits.
std::optional<std::int32_t> ParseScore(std::string_view text) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<Submission> CheckSubmission(std::string_view symbols, std::string& reason) {
  if (symbols.size() > kMaxSymbols) {
    reason = "the record is longer than " + std::to_string(kMaxRecordBytes) + " bytes";
    return std::nullopt;
  }
  std::string error;
  const std::optional<TScoreRecord> record = DecodeScoreRecord(symbols, error);
  if (!record) {
    reason = error;
    return std::nullopt;
  }
  const std::optional<std::int32_t> score = ParseScore(record->ScoreText);
  if (record->Type != "0") {
    reason = "unknown record type";
  } else if (record->Key != std::string(1, kRecordKey)) {
    reason = "wrong key";
  } else if (record->Token.empty()) {
    reason = "no token";
  } else if (!score) {
    reason = "the score is not a 32-bit integer";
  } else if (!IsPlausibleScore(*score)) {
    reason = "the score is not one a game can reach";
  } else if (record->Name.size() > kMaxNameBytes || record->AddText.size() > kMaxNameBytes) {
    reason = "a name is longer than " + std::to_string(kMaxNameBytes) + " bytes";
  } else {
    return Submission{record->Name, record->AddText, *score, record->Token};
  }
  return std::nullopt;
}
