// The three internet shortcut files the main menu and the records panel open.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "tools/assetgen/generators.h"

namespace assetgen {
namespace {

// Pages of the project's score server at its default address.
constexpr const char* kServer = "http://127.0.0.1:8642";

// Letters, digits and -._~ stay; every other byte becomes %XX, as a mailto: link needs.
std::string percentEncode(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

void writeShortcut(const std::filesystem::path& path, const std::string& url) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << "[InternetShortcut]\r\nURL=" << url << "\r\n";
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void generateLinks(const std::string& gameDir) {
  const std::filesystem::path dir(gameDir);
  std::filesystem::create_directories(dir);
  writeShortcut(dir / "moregames.url", std::string(kServer) + "/moregames");
  writeShortcut(dir / "subscribe.url", std::string(kServer) + "/subscribe");
  writeShortcut(dir / "tellafriend.url",
                "mailto:?subject=" + percentEncode("Glintbreaker: a space brick-breaker") +
                    "&body=" +
                    percentEncode("Try Glintbreaker, a brick-breaking arcade game set in space. "
                                  "Can you beat my score?"));
}

}  // namespace assetgen
