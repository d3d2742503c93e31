#include "online/HttpClient.h"

#include <atomic>
#include <string>

#include "online/CurlLibrary.h"

namespace {

constexpr const char* kCurlFile = "libcurl.so.4";

// Loaded by the first client, on the main thread; set up once for the program's life.
std::unique_ptr<TCurlLibrary> Library;
bool LibraryTried = false;

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
  TCurlHttpClient(const TCurlLibrary* library, THttpTimeouts timeouts) : library_(library) {
    if (library_ == nullptr) return;
    curl_ = library_->easy_init();
    headers_ = library_->slist_append(nullptr, kAcceptHeader);
    postHeaders_ =
        library_->slist_append(library_->slist_append(nullptr, kAcceptHeader), kBodyTypeHeader);
    if (curl_ == nullptr) return;
    // What every request shares; the handle keeps it. Each request sets its method, the address
    // and where the answer goes.
    set(CURLOPT_PROTOCOLS_STR, "http,https");
    set(CURLOPT_USERAGENT, kUserAgent);
    // No signals from name resolution: the game's own thread gets none.
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_CONNECTTIMEOUT_MS, timeouts.connectMs);
    set(CURLOPT_TIMEOUT_MS, timeouts.totalMs);
    set(CURLOPT_FAILONERROR, 1L);
    set(CURLOPT_WRITEFUNCTION, CollectBody);
    set(CURLOPT_NOPROGRESS, 0L);
    set(CURLOPT_XFERINFOFUNCTION, StopWhenCancelled);
    set(CURLOPT_XFERINFODATA, &cancelled_);
  }
  ~TCurlHttpClient() override {
    if (library_ == nullptr) return;
    library_->slist_free_all(headers_);
    library_->slist_free_all(postHeaders_);
    if (curl_ != nullptr) library_->easy_cleanup(curl_);
  }
  TCurlHttpClient(const TCurlHttpClient&) = delete;
  TCurlHttpClient& operator=(const TCurlHttpClient&) = delete;

  std::optional<std::string> Get(const std::string& address) override {
    set(CURLOPT_HTTPGET, 1L);
    set(CURLOPT_HTTPHEADER, headers_);
    return Perform(address);
  }

  std::optional<std::string> Post(const std::string& address, const std::string& body) override {
    if (postHeaders_ == nullptr) return std::nullopt;
    set(CURLOPT_POST, 1L);
    set(CURLOPT_HTTPHEADER, postHeaders_);
    set(CURLOPT_POSTFIELDS, body.data());
    set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    return Perform(address);
  }

  void Cancel() override { cancelled_ = true; }

 private:
  std::optional<std::string> Perform(const std::string& address) {
    if (curl_ == nullptr || headers_ == nullptr || cancelled_) return std::nullopt;
    std::string answer;
    set(CURLOPT_URL, address.c_str());
    set(CURLOPT_WRITEDATA, &answer);
    if (library_->easy_perform(curl_) != CURLE_OK) return std::nullopt;
    return answer;
  }

  template <typename Value>
  void set(CURLoption option, Value value) {
    library_->easy_setopt(curl_, option, value);
  }

  const TCurlLibrary* library_;
  CURL* curl_ = nullptr;
  curl_slist* headers_ = nullptr;
  curl_slist* postHeaders_ = nullptr;  // and the body's type
  std::atomic<bool> cancelled_{false};
};

}  // namespace

std::unique_ptr<THttpClient> MakeHttpClient(THttpTimeouts timeouts) {
  if (!LibraryTried) {
    LibraryTried = true;
    Library = TCurlLibrary::Load(kCurlFile);
  }
  return std::make_unique<TCurlHttpClient>(Library.get(), timeouts);
}

void StopHttpLibrary() {
  Library.reset();
}
