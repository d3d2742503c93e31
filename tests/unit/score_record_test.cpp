// The score record: its shift, its bit and symbol conversions, the token of the version answer,
// and the decoder the score server reads the submission with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "online/ScoreRecord.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

TEST(ScoreRecord, TheThreeLettersAbcThroughEveryConversion) {
  EXPECT_EQ(ShiftText("abc"), "\xA1\xA2\xA3");
  EXPECT_EQ(BytesToBitString("abc"), "011000010110001001100011");
  // One "0" in front gives 00110 00010 11000 10011 00011: 6, 2, 24, 19, 3.
  EXPECT_EQ(BitStringToSymbols("011000010110001001100011"), "GC2VD");
  // And back: the padding digit is dropped again.
  const auto digits = SymbolsToBitString("GC2VD");
  ASSERT_TRUE(digits);
  EXPECT_EQ(*digits, "0011000010110001001100011");
  EXPECT_EQ(BitStringToBytes(*digits), "abc");
}

TEST(ScoreRecord, ShiftMovesEveryByteAndFoldsTwoIntoOne) {
  const struct {
    int plain, shifted;
  } cases[] = {{0, 64},    {62, 126},  {63, 127}, {187, 251}, {188, 251},
               {189, 252}, {192, 255}, {193, 0},  {255, 62}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.plain);
    EXPECT_EQ(ShiftText(Bytes({c.plain})), Bytes({c.shifted}));
  }
  // 251 can only be read back as one of its two sources; 63 comes from no byte at all.
  EXPECT_EQ(UnshiftText(Bytes({251})), Bytes({187}));
  EXPECT_EQ(UnshiftText(Bytes({64, 63})), std::nullopt);
}

TEST(ScoreRecord, AnyDigitButZeroCountsAsOne) {
  EXPECT_EQ(BitStringToSymbols("1x2#7"), "9");
  EXPECT_EQ(BitStringToSymbols(""), "");
  EXPECT_EQ(BitStringToSymbols("1"), "B");
}

TEST(ScoreRecord, EveryFiveBytesGiveEightSymbolsWithoutPadding) {
  EXPECT_EQ(EncodeScoreRecord(std::string(35, 'x')).size(), 56u);
  // 37 bytes of fixed text, a one-digit score and three more bytes: 40, so nothing is added.
  const std::string even = BuildScoreRecord("", 0, "", "abc");
  EXPECT_EQ(even, "type=0|name=|score=0|key=G|p=|add=\xA1\xA2\xA3|z=");
  const std::string padded = BuildScoreRecord("ab", 1160, "T", "");
  EXPECT_EQ(padded, "type=0|name=\xA1\xA2|score=1160|key=G|p=T|add=|z=00");
  EXPECT_EQ(padded.size() % 5, 0u);
}

TEST(ScoreRecord, VersionAnswerGivesTheFifthField) {
  const struct {
    const char* answer;
    std::optional<std::string> token;
  } cases[] = {
      {"OK|1|2|3|T|", "T"},
      {"OK|1|2|3|T|rest|of|it", "T"},
      {"OK|1|2|3|T", ""},
      {"OK|1|2", ""},
      {"OK", ""},
      {"OKAY|||||", ""},
      {"ok|1|2|3|T|", std::nullopt},
      {"<html>OK|1|2|3|T|", std::nullopt},
      {"O", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    EXPECT_EQ(VersionToken(c.answer), c.token);
  }
}

TEST(ScoreRecord, RecordsComeBackThroughTheDecoder) {
  const struct {
    std::string name;
    std::int32_t score;
    std::string token;
    std::string addText;
    std::string nameBack, addBack;  // what the server reads
  } cases[] = {
      // 0xBC comes back as 0xBB: the fonts keep the same letter at both.
      {"\x89\xB6\xBC", 1160, "T", "\x81\x82", "\x89\xB6\xBB", "\x81\x82"},
      {"", -1, "", "", "", ""},
      {Bytes({0, 62, 63, 187, 189, 192, 193, 255}), 2147483647, "token-42", "abcdefghij",
       Bytes({0, 62, 63, 187, 189, 192, 193, 255}), "abcdefghij"},
      // 187 and 188 are sent alike.
      {Bytes({187, 188}), 5, "p", Bytes({188}), Bytes({187, 187}), Bytes({187})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.score);
    const std::string record = BuildScoreRecord(c.name, c.score, c.token, c.addText);
    std::string error;
    const auto back = DecodeScoreRecord(EncodeScoreRecord(record), error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->Type, "0");
    EXPECT_EQ(back->Name, c.nameBack);
    EXPECT_EQ(back->ScoreText, std::to_string(c.score));
    EXPECT_EQ(back->Key, "G");
    EXPECT_EQ(back->Token, c.token);
    EXPECT_EQ(back->AddText, c.addBack);
  }
}

TEST(ScoreRecord, DecoderRefusesWhatTheGameNeverSends) {
  const std::string good = EncodeScoreRecord(BuildScoreRecord("ab", 1160, "T", ""));
  const struct {
    const char* name;
    std::string symbols;
  } cases[] = {
      {"a letter outside the alphabet", good.substr(0, 8) + "I" + good.substr(9)},
      {"a small letter", good.substr(0, 8) + "g" + good.substr(9)},
      {"a zero", good.substr(0, 8) + "0" + good.substr(9)},
      {"one symbol short: no whole bytes", good.substr(0, good.size() - 1)},
      {"five bytes short: the padding field is gone", good.substr(0, good.size() - 8)},
      {"nothing at all", ""},
      {"a field missing", EncodeScoreRecord("type=0|name=|score=1|p=|add=|z=00")},
      {"fields out of order", EncodeScoreRecord("type=0|score=1|name=|key=G|p=|add=|z=0")},
      {"a field without its label", EncodeScoreRecord("type=0|name=|1|key=G|p=|add=|z=00000")},
      {"a field too many", EncodeScoreRecord("type=0|name=|score=1|key=G|p=|add=|z=|x=00")},
      {"padding that is not zeros", EncodeScoreRecord("type=0|name=|score=1|key=G|p=|add=|z=ab")},
      {"a length that does not divide by 5",
       EncodeScoreRecord("type=0|name=|score=1|key=G|p=|add=|z=")},
      {"a name of a typed <, which shifts to |",
       EncodeScoreRecord(BuildScoreRecord("<", 1, "", ""))},
      {"a name byte no shift makes", EncodeScoreRecord("type=0|name=?|score=1|key=G|p=|add=|z=00")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_EQ(DecodeScoreRecord(c.symbols, error), std::nullopt);
    EXPECT_FALSE(error.empty());
  }
}

TEST(ScoreRecord, BitsRefusedWhenTheyCannotBeWholeBytes) {
  for (const char* digits : {"00000", "0000000",
                             "1"
                             "00000000",
                             "0"
                             "0110000x"}) {
    SCOPED_TRACE(digits);
    EXPECT_EQ(BitStringToBytes(digits), std::nullopt);
  }
  EXPECT_EQ(SymbolsToBitString("AB9"),
            "00000"
            "00001"
            "11111");
}

}  // namespace
