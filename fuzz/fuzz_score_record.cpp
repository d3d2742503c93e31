// Any bytes as a submitted record, two ways: as the symbols of a request through the server's
// decoder and checks, and as a record's own text through its field parser, which must agree with
// decoding the same text after encoding it. An accepted record's names become a records page in
// valid UTF-8 with nothing of the names able to open a tag.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "online/ScoreRecord.h"
#include "server/Pages.h"
#include "server/ScreenText.h"
#include "server/Submission.h"

namespace {

bool ValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

void CheckShown(const std::string& name) {
  const std::string utf8 = ScreenTextToUtf8(name);
  if (!ValidUtf8(utf8)) __builtin_trap();
  for (const char c : utf8) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) __builtin_trap();
  }
  if (HtmlEscape(utf8).find_first_of("<>\"'") != std::string::npos) __builtin_trap();
}

bool SameFields(const TScoreRecord& a, const TScoreRecord& b) {
  return a.Type == b.Type && a.Name == b.Name && a.ScoreText == b.ScoreText && a.Key == b.Key &&
         a.Token == b.Token && a.AddText == b.AddText;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  std::string reason;
  if (const auto submission = CheckSubmission(input, reason)) {
    if (submission->name.size() > kMaxNameBytes || submission->add.size() > kMaxNameBytes ||
        submission->token.empty()) {
      __builtin_trap();
    }
    CheckShown(submission->name);
    CheckShown(submission->add);
    const std::string page =
        RecordsPage({{1, submission->name, submission->add, submission->score, 1700000000, "::1"}});
    if (!ValidUtf8(page)) __builtin_trap();
  } else if (reason.empty()) {
    __builtin_trap();  // a refusal always says why
  }

  std::string parseError, decodeError;
  const auto parsed = ParseScoreRecord(input, parseError);
  const auto decoded = DecodeScoreRecord(EncodeScoreRecord(input), decodeError);
  if (parsed.has_value() != decoded.has_value()) __builtin_trap();
  if (parsed && !SameFields(*parsed, *decoded)) __builtin_trap();
  return 0;
}
