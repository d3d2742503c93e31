// The single-use tokens the version answer hands out and a submission must bring back.
#pragma once

#include <string>

// 16 hex digits (64 bits) from the system's random source; throws std::runtime_error without one.
std::string NewToken();
