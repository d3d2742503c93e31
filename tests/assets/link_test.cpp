// The internet shortcut files beside the game.
#include <gtest/gtest.h>

#include <string>

#include "tests/assets/asset_bytes.h"

namespace asset_checks {
namespace {

std::string urlOf(const char* file) {
  const std::string text = readText(gameDir() / file);
  const std::string head = "[InternetShortcut]\r\nURL=";
  EXPECT_EQ(text.rfind(head, 0), 0u) << file << " is not an internet shortcut";
  EXPECT_TRUE(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") << file;
  if (text.size() < head.size() + 2) return "";
  return text.substr(head.size(), text.size() - head.size() - 2);
}

TEST(Links, ServerPagesAndAMailToAFriend) {
  EXPECT_EQ(urlOf("moregames.url"), "http://127.0.0.1:8642/moregames");
  EXPECT_EQ(urlOf("subscribe.url"), "http://127.0.0.1:8642/subscribe");
  const std::string mail = urlOf("tellafriend.url");
  EXPECT_EQ(mail.rfind("mailto:", 0), 0u) << mail;
  EXPECT_NE(mail.find("subject="), std::string::npos) << mail;
  EXPECT_NE(mail.find("body="), std::string::npos) << mail;
  // Percent-encoded: nothing a shortcut line or a mail program would split on.
  EXPECT_EQ(mail.find_first_of(" \r\n\t\"<>"), std::string::npos) << mail;
}

}  // namespace
}  // namespace asset_checks
