// The HTTP client on Windows' own WinHTTP: no library to ship. The limits are those of the
// Linux client: the connection's and the whole request's time-outs, the answer's size cap, no
// redirections, and a cancel that cuts a waiting request short.
#include <windows.h>
// After windows.h, which it needs.
#include <winhttp.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>

#include "online/HttpClient.h"

namespace {

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// Closes a WinHTTP handle when it goes.
struct THandle {
  HINTERNET value = nullptr;
  explicit THandle(HINTERNET handle) : value(handle) {}
  ~THandle() {
    if (value != nullptr) WinHttpCloseHandle(value);
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
};

class TWinHttpClient final : public THttpClient {
 public:
  explicit TWinHttpClient(THttpTimeouts timeouts)
      : timeouts_(timeouts),
        session_(WinHttpOpen(Wide(kUserAgent).c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                             WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0)) {}

  std::optional<std::string> Get(const std::string& address) override {
    if (session_.value == nullptr || cancelled_) return std::nullopt;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeouts_.totalMs);
    const std::wstring url = Wide(address);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
    if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) return std::nullopt;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
      return std::nullopt;
    }
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    const std::wstring path = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                              std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);

    const int connectMs = static_cast<int>(timeouts_.connectMs);
    const int totalMs = static_cast<int>(timeouts_.totalMs);
    WinHttpSetTimeouts(session_.value, connectMs, connectMs, totalMs, totalMs);
    THandle connection(WinHttpConnect(session_.value, host.c_str(), parts.nPort, 0));
    if (connection.value == nullptr) return std::nullopt;
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    HINTERNET request =
        WinHttpOpenRequest(connection.value, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                           WINHTTP_DEFAULT_ACCEPT_TYPES, secure);
    if (request == nullptr) return std::nullopt;
    {
      const std::lock_guard<std::mutex> guard(lock_);
      if (cancelled_) {
        WinHttpCloseHandle(request);
        return std::nullopt;
      }
      request_ = request;
    }
    std::optional<std::string> body = Exchange(request, deadline);
    const std::lock_guard<std::mutex> guard(lock_);
    // A cancel closed it already.
    if (request_ != nullptr) WinHttpCloseHandle(request_);
    request_ = nullptr;
    return cancelled_ ? std::nullopt : body;
  }

  void Cancel() override {
    const std::lock_guard<std::mutex> guard(lock_);
    cancelled_ = true;
    // Closing the request ends a call waiting on it at once.
    if (request_ != nullptr) WinHttpCloseHandle(request_);
    request_ = nullptr;
  }

 private:
  // Sends the request and reads the answer's body: nothing on an error status, an answer past
  // the cap or the deadline passed (a server trickling bytes keeps each read short).
  std::optional<std::string> Exchange(HINTERNET request,
                                      std::chrono::steady_clock::time_point deadline) {
    DWORD noRedirects = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    WinHttpSetOption(request, WINHTTP_OPTION_REDIRECT_POLICY, &noRedirects, sizeof noRedirects);
    const std::wstring accept = Wide(kAcceptHeader);
    if (!WinHttpSendRequest(request, accept.c_str(), static_cast<DWORD>(accept.size()),
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request, nullptr)) {
      return std::nullopt;
    }
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                             WINHTTP_NO_HEADER_INDEX) ||
        status >= 400) {
      return std::nullopt;
    }
    std::string body;
    char buffer[4096];
    for (;;) {
      if (std::chrono::steady_clock::now() > deadline || cancelled_) return std::nullopt;
      DWORD read = 0;
      if (!WinHttpReadData(request, buffer, sizeof buffer, &read)) return std::nullopt;
      if (read == 0) return body;
      if (read > kMaxAnswerBytes - body.size()) return std::nullopt;
      body.append(buffer, read);
    }
  }

  const THttpTimeouts timeouts_;
  THandle session_;
  std::mutex lock_;
  HINTERNET request_ = nullptr;  // the request waiting, for a cancel to close
  std::atomic<bool> cancelled_{false};
};

}  // namespace

std::unique_ptr<THttpClient> MakeHttpClient(THttpTimeouts timeouts) {
  return std::make_unique<TWinHttpClient>(timeouts);
}

void StopHttpLibrary() {}
