// Any text as the target of a request to the score server ("/cgi/version.pl?hs&prg=...&inf=..."),
// answered as a worker answers it, from memory: the HTTP library parses the request line and the
// query into parameters, and our routes pick theirs (one of each, no more) and check them. Every
// request is answered, with a reason when refused, nothing in it makes the server fail (500), and
// no answer passes its bound.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "server/RefusalLog.h"
#include "server/RequestRouter.h"
#include "server/ScoreService.h"
#include "server/SqliteScoreStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A fresh server for each request: one request's tokens and budgets do not change the next
  // one's answer, so whatever is found repeats from its input alone.
  SqliteScoreStore store(":memory:", {});
  std::ostringstream lines;
  RefusalLog log(lines);
  ScoreService service(store, log);
  RequestRouter router;
  service.Register(router);
  const std::string answer = router.Answer(
      "GET " + std::string(data, data + size) + " HTTP/1.1\r\nHost: fuzz\r\n\r\n", "10.0.0.1");
  if (!answer.starts_with("HTTP/1.1 ") || answer.starts_with("HTTP/1.1 500")) __builtin_trap();
  if (answer.size() > RequestRouter::kDefaultAnswerBytes) __builtin_trap();
  const std::size_t body = answer.find("\r\n\r\n");
  if (body == std::string::npos || body + 4 == answer.size()) __builtin_trap();
  return 0;
}
