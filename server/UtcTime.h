// Moments as the server shows them: Unix seconds in UTC.
#pragma once

#include <cstdint>
#include <string>

// `unixSeconds` with strftime's `format` ("%Y-%m-%d"), or "?" when it cannot be shown.
std::string UtcTime(std::int64_t unixSeconds, const char* format);
