// A whole HTTP answer with a one-line reason, for refusals made before a request reaches the
// routes (and for an answer that grew past its bound).
#pragma once

#include <string>

std::string PlainAnswer(int status, const std::string& reason);
