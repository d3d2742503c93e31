// Any bytes as the server's answer to the version check: the token the game takes from it goes
// into a record that encodes, decodes on the server's side and passes its checks with the token
// unchanged (unless the record grows past what the server takes).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "online/ScoreRecord.h"
#include "server/Submission.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer(reinterpret_cast<const char*>(data), size);
  const auto token = VersionToken(answer);
  if (token.has_value() != answer.starts_with("OK")) __builtin_trap();
  if (!token) return 0;
  if (token->find('|') != std::string::npos || token->size() > size) __builtin_trap();

  const std::string name = "\x82\xA0\xAD\xC0";
  const std::string record = BuildScoreRecord(name, 12345, *token, "add");
  const std::string symbols = EncodeScoreRecord(record);
  std::string error;
  const auto decoded = DecodeScoreRecord(symbols, error);
  if (!decoded || decoded->Token != *token || decoded->Name != name ||
      decoded->ScoreText != "12345" || decoded->AddText != "add") {
    __builtin_trap();
  }
  const auto submission = CheckSubmission(symbols, error);
  const bool taken = !token->empty() && record.size() <= kMaxRecordBytes;
  if (submission.has_value() != taken) __builtin_trap();
  if (submission && (submission->token != *token || submission->score != 12345)) __builtin_trap();
  return 0;
}
