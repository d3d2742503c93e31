#include "online/CurlHttpClient.h"

#include <curl/curl.h>

#include <atomic>
#include <string>

namespace {

// Keeps the body up to the limit; a larger answer stops the transfer, which then fails.
std::size_t CollectBody(char* data, std::size_t size, std::size_t count, void* answer) {
  std::string& body = *static_cast<std::string*>(answer);
  const std::size_t bytes = size * count;
  if (bytes > kMaxAnswerBytes - body.size()) return 0;
  body.append(data, bytes);
  return bytes;
}

// Called through the transfer, at least about once a second: non-zero ends it.
int StopWhenCancelled(void* cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(cancelled)->load() ? 1 : 0;
}

class TCurlHttpClient final : public THttpClient {
 public:
  TCurlHttpClient()
      : curl_(curl_easy_init()), headers_(curl_slist_append(nullptr, kAcceptHeader)) {}
  ~TCurlHttpClient() override {
    curl_slist_free_all(headers_);
    if (curl_ != nullptr) curl_easy_cleanup(curl_);
  }
  TCurlHttpClient(const TCurlHttpClient&) = delete;
  TCurlHttpClient& operator=(const TCurlHttpClient&) = delete;

  std::optional<std::string> Get(const std::string& address) override {
    if (curl_ == nullptr || headers_ == nullptr || cancelled_) return std::nullopt;
    std::string body;
    curl_easy_setopt(curl_, CURLOPT_URL, address.c_str());
    curl_easy_setopt(curl_, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl_, CURLOPT_HTTPHEADER, headers_);
    curl_easy_setopt(curl_, CURLOPT_USERAGENT, kUserAgent);
    // No signals from name resolution: the game's own thread gets none.
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
    curl_easy_setopt(curl_, CURLOPT_TIMEOUT_MS, kRequestTimeoutMs);
    curl_easy_setopt(curl_, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, CollectBody);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, StopWhenCancelled);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, &cancelled_);
    if (curl_easy_perform(curl_) != CURLE_OK) return std::nullopt;
    return body;
  }

  void Cancel() override { cancelled_ = true; }

 private:
  CURL* curl_;
  curl_slist* headers_;
  std::atomic<bool> cancelled_{false};
};

}  // namespace

void StartHttpLibrary() {
  curl_global_init(CURL_GLOBAL_DEFAULT);
}

void StopHttpLibrary() {
  curl_global_cleanup();
}

std::unique_ptr<THttpClient> MakeCurlHttpClient() {
  return std::make_unique<TCurlHttpClient>();
}
