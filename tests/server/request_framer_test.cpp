// Requests gathered as their bytes come: whole requests are handed on without their Range
// headers, requests that cannot be served are refused from their head, and a request sent a
// byte at a time is the same request.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "server/RequestFramer.h"

namespace {

using State = RequestFramer::State;

RequestFramer Framed(const std::string& bytes) {
  RequestFramer framer;
  framer.Add(bytes);
  return framer;
}

TEST(RequestFramer, WholeRequestsAreHandedOnWithoutRanges) {
  const struct {
    const char* name;
    std::string bytes, request, forwarded;
  } cases[] = {
      {"the game's request", "GET /cgi/version.pl?version HTTP/1.1\r\nHost: a\r\n\r\n",
       "GET /cgi/version.pl?version HTTP/1.1\r\nHost: a\r\n\r\n", ""},
      {"bare line ends", "GET / HTTP/1.1\nHost: a\n\n", "GET / HTTP/1.1\r\nHost: a\r\n\r\n", ""},
      {"overlapping ranges",
       "GET / HTTP/1.1\r\nRange: bytes=0-,0-,0-\r\nrange: bytes=1-\r\n"
       "If-Range: x\r\nHost: a\r\n\r\n",
       "GET / HTTP/1.1\r\nHost: a\r\n\r\n", ""},
      {"a body of its length", "POST / HTTP/1.1\r\nContent-Length: 3\r\n\r\nabcdef",
       "POST / HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc", ""},
      {"a POST without a length", "POST / HTTP/1.1\r\n\r\n", "POST / HTTP/1.1\r\n\r\n", ""},
      {"the proxy's address", "GET / HTTP/1.1\r\nX-Real-IP:  203.0.113.7 \r\n\r\n",
       "GET / HTTP/1.1\r\nX-Real-IP:  203.0.113.7 \r\n\r\n", "203.0.113.7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RequestFramer whole = Framed(c.bytes);
    ASSERT_EQ(whole.state(), State::Complete) << whole.reason();
    EXPECT_EQ(whole.request(), c.request);
    EXPECT_EQ(whole.forwardedAddress(), c.forwarded);
    RequestFramer trickled;
    for (const char byte : c.bytes) trickled.Add(std::string(1, byte));
    ASSERT_EQ(trickled.state(), State::Complete);
    EXPECT_EQ(trickled.request(), c.request);
  }
}

TEST(RequestFramer, RequestsThatCannotBeServedAreRefusedFromTheirHead) {
  const std::string get = "GET / HTTP/1.1\r\n";
  const struct {
    const char* name;
    std::string bytes;
    int status;
  } cases[] = {
      {"a request line of 10 000 bytes", "GET /" + std::string(10000, 'a'), 414},
      {"a header line without end", get + "X: " + std::string(20000, 'a'), 431},
      {"headers without end",
       get +
           [] {
             std::string lines;
             while (lines.size() < 20000) lines += "X: a\r\n";
             return lines;
           }(),
       431},
      {"a body of 10 MB", "POST / HTTP/1.1\r\nContent-Length: 10000000\r\n\r\n", 413},
      {"a body beyond 64 bits", "POST / HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n\r\n",
       413},
      {"a body that just does not fit",
       "POST / HTTP/1.1\r\nContent-Length: " + std::to_string(16384 - 40) + "\r\n\r\n", 413},
      {"a chunked body", "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", 411},
      {"two lengths", "POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n", 400},
      {"a length with letters", "POST / HTTP/1.1\r\nContent-Length: 1x\r\n\r\n", 400},
      {"a negative length", "POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n", 400},
      {"a header without a colon", get + "Host a\r\n\r\n", 400},
      {"a folded header", get + "X: a\r\n b\r\n\r\n", 400},
      {"no request line", "\r\n\r\n", 400},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RequestFramer framer = Framed(c.bytes);
    ASSERT_EQ(framer.state(), State::Refused);
    EXPECT_EQ(framer.status(), c.status);
    EXPECT_FALSE(framer.reason().empty());
  }
}

TEST(RequestFramer, AStalledRequestWaitsAndSaysWhetherItsHeadHasCome) {
  RequestFramer framer;
  EXPECT_EQ(framer.Add("GET / HT"), State::Incomplete);
  EXPECT_FALSE(framer.HeadComplete());
  EXPECT_EQ(framer.Add("TP/1.1\r\nContent-Length: 5\r\n\r\nab"), State::Incomplete);
  EXPECT_TRUE(framer.HeadComplete()) << "only the body is waited for";
  EXPECT_EQ(framer.Add("cde"), State::Complete);
  EXPECT_EQ(framer.Add("more"), State::Complete) << "bytes after the request are ignored";
  EXPECT_THAT(framer.request(), testing::EndsWith("\r\n\r\nabcde"));
}

}  // namespace
