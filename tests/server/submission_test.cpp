// What a submitted record must be before its score is stored: a table of records as a client
// could send them, good and bad.
#include <gtest/gtest.h>

#include <string>

#include "online/ScoreRecord.h"
#include "server/PlausibleScore.h"
#include "server/Submission.h"

namespace {

const std::string kToken = "0123456789abcdef";
const std::string kName = "\x82\xA0\xAD\xC0";  // the capital В, then а, н, я

// "type=...|name=...|...": the fields as given (names already shifted), closed with "|z=" and
// the "0" padding to a length that divides by 5.
std::string Record(const std::string& fields) {
  std::string record = fields + "|z=";
  record.append((5 - record.size() % 5) % 5, '0');
  return record;
}

std::string Fields(const std::string& type, const std::string& name, const std::string& score,
                   const std::string& key, const std::string& token, const std::string& add) {
  return "type=" + type + "|name=" + ShiftText(name) + "|score=" + score + "|key=" + key +
         "|p=" + token + "|add=" + ShiftText(add);
}

TEST(Submission, RecordsTheGameSendsAreAccepted) {
  const struct {
    const char* name;
    std::string player, add;
    std::int32_t score;
    std::string token;
  } cases[] = {
      {"a new record", kName, "\x8A\xAE", 1160, kToken},
      {"empty names", "", "", 0, kToken},
      {"names of ten bytes", std::string(10, '\xC0'), std::string(10, '\x80'), 5, kToken},
      {"no points", kName, "", 0, kToken},
      {"the highest score a game can reach", kName, "", kMaxPlausibleScore, kToken},
      {"ASCII and signs", "a&b\"c>d", "x y", 42, kToken},
      {"a record of 200 bytes", kName, "", 5, std::string(159, 'f')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string reason;
    const auto submission = CheckSubmission(
        EncodeScoreRecord(BuildScoreRecord(c.player, c.score, c.token, c.add)), reason);
    ASSERT_TRUE(submission) << reason;
    EXPECT_EQ(submission->name, c.player);
    EXPECT_EQ(submission->add, c.add);
    EXPECT_EQ(submission->score, c.score);
    EXPECT_EQ(submission->token, c.token);
  }
}

TEST(Submission, MalformedRecordsAreRefusedWithAReason) {
  const struct {
    const char* name;
    std::string symbols;
  } cases[] = {
      {"type 1", EncodeScoreRecord(Record(Fields("1", kName, "5", "G", kToken, "")))},
      {"another key", EncodeScoreRecord(Record(Fields("0", kName, "5", "H", kToken, "")))},
      {"a small key", EncodeScoreRecord(Record(Fields("0", kName, "5", "g", kToken, "")))},
      {"two keys", EncodeScoreRecord(Record(Fields("0", kName, "5", "GG", kToken, "")))},
      {"no token", EncodeScoreRecord(Record(Fields("0", kName, "5", "G", "", "")))},
      {"no score", EncodeScoreRecord(Record(Fields("0", kName, "", "G", kToken, "")))},
      {"letters in the score",
       EncodeScoreRecord(Record(Fields("0", kName, "12a", "G", kToken, "")))},
      {"a plus sign", EncodeScoreRecord(Record(Fields("0", kName, "+5", "G", kToken, "")))},
      {"a space", EncodeScoreRecord(Record(Fields("0", kName, " 5", "G", kToken, "")))},
      {"below 0", EncodeScoreRecord(Record(Fields("0", kName, "-1", "G", kToken, "")))},
      {"above what a game can reach",
       EncodeScoreRecord(
           Record(Fields("0", kName, std::to_string(kMaxPlausibleScore + 1), "G", kToken, "")))},
      {"the lowest 32-bit score",
       EncodeScoreRecord(Record(Fields("0", kName, "-2147483648", "G", kToken, "")))},
      {"the highest 32-bit score",
       EncodeScoreRecord(Record(Fields("0", kName, "2147483647", "G", kToken, "")))},
      {"above 32 bits",
       EncodeScoreRecord(Record(Fields("0", kName, "2147483648", "G", kToken, "")))},
      {"below 32 bits",
       EncodeScoreRecord(Record(Fields("0", kName, "-2147483649", "G", kToken, "")))},
      {"a name of 11 bytes",
       EncodeScoreRecord(Record(Fields("0", std::string(11, 'a'), "5", "G", kToken, "")))},
      {"a second name of 11 bytes",
       EncodeScoreRecord(Record(Fields("0", kName, "5", "G", kToken, std::string(11, 'a'))))},
      {"a name that shifts into the separator",
       EncodeScoreRecord(Record(Fields("0", "a<b", "5", "G", kToken, "")))},
      {"a field missing", EncodeScoreRecord(Record("type=0|name=|score=5|key=G|p=" + kToken))},
      {"fields out of order",
       EncodeScoreRecord(Record("type=0|score=5|name=|key=G|p=" + kToken + "|add="))},
      {"padding that is not zeros",
       EncodeScoreRecord(Fields("0", kName, "5", "G", kToken, "") + "|z=1111")},
      {"a length that does not divide by 5",
       EncodeScoreRecord(Fields("0", kName, "5", "G", kToken, "") + "|z=")},
      {"a symbol outside the alphabet", "GCIV"},
      {"small letters", "gc2vd"},
      {"symbols that do not give whole bytes", "B"},
      {"nothing", ""},
      {"a record of 201 bytes",
       EncodeScoreRecord(BuildScoreRecord(kName, 5, std::string(160, 'f'), ""))},
      {"megabytes of symbols", std::string(1 << 20, 'A')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string reason;
    EXPECT_FALSE(CheckSubmission(c.symbols, reason));
    EXPECT_FALSE(reason.empty());
  }
}

}  // namespace
