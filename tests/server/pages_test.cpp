// The pages: the game's screen bytes become UTF-8, every text is escaped, and the records table
// shows rank, names, score and day.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "server/Pages.h"
#include "server/ScreenText.h"

namespace {

using testing::HasSubstr;
using testing::Not;

TEST(ScreenText, EveryByteHasItsLetterOrTheReplacementCharacter) {
  const struct {
    std::string screen;
    std::string utf8;
  } cases[] = {
      {"Ace 1 &<>", "Ace 1 &<>"},
      {"\x80\x9F", "АЯ"},
      {"\xA0\xB9", "ащ"},
      {"\xBA\xBB\xBC\xBD\xBE\xBF\xC0", "ъыыьэюя"},
      {"\x82\xA0\xAD\xC0", "Ваня"},
      {"\xC1\xFF", "\uFFFD\uFFFD"},
      {std::string("a\0b", 3), "a\uFFFDb"},
      {"\t\x1F\x7F", "\uFFFD\uFFFD\uFFFD"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ScreenTextToUtf8(c.screen), c.utf8) << c.utf8;
}

TEST(Pages, HtmlEscapingCoversContentAndAttributes) {
  EXPECT_EQ(HtmlEscape("<b class=\"x\">Tom & Jerry's</b>"),
            "&lt;b class=&quot;x&quot;&gt;Tom &amp; Jerry&#39;s&lt;/b&gt;");
  EXPECT_EQ(HtmlEscape("Ваня"), "Ваня");
}

TEST(Pages, TheRecordsTableShowsEachScoreInItsRank) {
  const std::vector<StoredScore> best = {
      {1, "\x82\xA0\xAD\xC0", "\x8A\xAE\xB1\xAC\xAE\xB1", 987654, 1700000000, "10.0.0.1"},
      {2, "<script>", "a\"b", -5, 0, "10.0.0.2"},
  };
  const std::string page = RecordsPage(best);
  EXPECT_THAT(page, HasSubstr("<meta charset=\"utf-8\">"));
  EXPECT_THAT(page, HasSubstr("<meta name=\"viewport\""));
  EXPECT_THAT(page, HasSubstr("<tr><td class=\"num\">1</td><td>Ваня</td><td>Космос</td>"
                              "<td class=\"num\">987654</td><td>2023-11-14</td></tr>"));
  EXPECT_THAT(page,
              HasSubstr("<tr><td class=\"num\">2</td><td>&lt;script&gt;</td>"
                        "<td>a&quot;b</td><td class=\"num\">-5</td><td>1970-01-01</td></tr>"));
  EXPECT_THAT(page, Not(HasSubstr("<script>")));
  EXPECT_THAT(page, Not(HasSubstr("10.0.0.1"))) << "addresses stay private";
  EXPECT_THAT(RecordsPage({}), HasSubstr("No scores yet"));
}

}  // namespace
