#include "server/UtcTime.h"

#include <ctime>

std::string UtcTime(std::int64_t unixSeconds, const char* format) {
  const auto seconds = static_cast<std::time_t>(unixSeconds);
  std::tm parts{};
  char text[64];
  if (gmtime_r(&seconds, &parts) == nullptr ||
      std::strftime(text, sizeof text, format, &parts) == 0) {
    return "?";
  }
  return text;
}
