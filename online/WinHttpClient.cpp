// The HTTP client on Windows' own WinHTTP: no library to ship. The limits are those of the
// Linux client: the connection's and the whole request's time-outs, the answer's size cap, no
// redirections, and a cancel that cuts a waiting request short. WinHTTP works asynchronously
// here: the thread waits for each step in short slices, so the deadline and a cancel end the
// request whatever the server does (a closed handle does not end a call blocked in every
// version of WinHTTP).
#include <windows.h>
// After windows.h, which it needs.
#include <winhttp.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <utility>

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

// What one request's steps report, from WinHTTP's threads, and the body it sends. It belongs to
// the request handle: WinHTTP's last word on a closed handle deletes it, so a step still under
// way when the game gives up finds it (and its buffers) alive.
struct TExchange {
  explicit TExchange(std::string sent) : body(std::move(sent)) {}
  HANDLE done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  const std::string body;
  std::atomic<bool> failed{false};
  std::atomic<DWORD> bytes{0};
  char buffer[4096];
  ~TExchange() { CloseHandle(done); }
};

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID information,
                       DWORD length) {
  auto* exchange = reinterpret_cast<TExchange*>(context);
  if (exchange == nullptr) return;
  switch (status) {
    case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
      exchange->bytes = *static_cast<DWORD*>(information);
      SetEvent(exchange->done);
      break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
      exchange->bytes = length;
      SetEvent(exchange->done);
      break;
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
      SetEvent(exchange->done);
      break;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
      exchange->failed = true;
      SetEvent(exchange->done);
      break;
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
      delete exchange;
      break;
  }
}

class TWinHttpClient final : public THttpClient {
 public:
  explicit TWinHttpClient(THttpTimeouts timeouts)
      : timeouts_(timeouts),
        session_(WinHttpOpen(Wide(kUserAgent).c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                             WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC)) {
    const int connectMs = static_cast<int>(timeouts_.connectMs);
    const int totalMs = static_cast<int>(timeouts_.totalMs);
    if (session_.value != nullptr) {
      WinHttpSetTimeouts(session_.value, connectMs, connectMs, totalMs, totalMs);
    }
  }

  std::optional<std::string> Get(const std::string& address) override {
    return Request(L"GET", address, {});
  }

  std::optional<std::string> Post(const std::string& address, const std::string& body) override {
    return Request(L"POST", address, body);
  }

  void Cancel() override { cancelled_ = true; }

 private:
  // A request of `method` with `body` (none for a GET).
  std::optional<std::string> Request(const wchar_t* method, const std::string& address,
                                     const std::string& body) {
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
    THandle connection(WinHttpConnect(session_.value, host.c_str(), parts.nPort, 0));
    if (connection.value == nullptr) return std::nullopt;
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    THandle request(WinHttpOpenRequest(connection.value, method, path.c_str(), nullptr,
                                       WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, secure));
    if (request.value == nullptr) return std::nullopt;
    auto* exchange = new TExchange(body);
    DWORD_PTR context = reinterpret_cast<DWORD_PTR>(exchange);
    if (WinHttpSetStatusCallback(
            request.value, OnStatus,
            WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES,
            0) == WINHTTP_INVALID_STATUS_CALLBACK ||
        !WinHttpSetOption(request.value, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context)) {
      delete exchange;
      WinHttpSetStatusCallback(request.value, nullptr, 0, 0);
      return std::nullopt;
    }
    // From here the request's handle owns the exchange.
    return Exchange(request.value, *exchange, deadline);
  }

  // Waits for the step under way: false when it failed, the deadline passed or the client was
  // cancelled.
  bool Wait(TExchange& exchange, std::chrono::steady_clock::time_point deadline) const {
    for (;;) {
      if (cancelled_ || std::chrono::steady_clock::now() > deadline) return false;
      if (WaitForSingleObject(exchange.done, 50) == WAIT_OBJECT_0) return !exchange.failed;
    }
  }

  // Sends the request with the exchange's body and reads the answer's body: nothing on an error
  // status or an answer past the cap.
  std::optional<std::string> Exchange(HINTERNET request, TExchange& exchange,
                                      std::chrono::steady_clock::time_point deadline) const {
    DWORD noRedirects = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    WinHttpSetOption(request, WINHTTP_OPTION_REDIRECT_POLICY, &noRedirects, sizeof noRedirects);
    const std::wstring headers =
        Wide(std::string(kAcceptHeader) +
             (exchange.body.empty() ? "" : std::string("\r\n") + kBodyTypeHeader));
    void* data =
        exchange.body.empty() ? WINHTTP_NO_REQUEST_DATA : const_cast<char*>(exchange.body.data());
    const auto length = static_cast<DWORD>(exchange.body.size());
    if (!WinHttpSendRequest(request, headers.c_str(), static_cast<DWORD>(headers.size()), data,
                            length, length, reinterpret_cast<DWORD_PTR>(&exchange)) ||
        !Wait(exchange, deadline) || !WinHttpReceiveResponse(request, nullptr) ||
        !Wait(exchange, deadline)) {
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
    for (;;) {
      if (!WinHttpQueryDataAvailable(request, nullptr) || !Wait(exchange, deadline)) {
        return std::nullopt;
      }
      const DWORD available = exchange.bytes;
      if (available == 0) return body;
      const DWORD wanted = std::min<DWORD>(available, sizeof exchange.buffer);
      if (!WinHttpReadData(request, exchange.buffer, wanted, nullptr) ||
          !Wait(exchange, deadline)) {
        return std::nullopt;
      }
      const DWORD read = exchange.bytes;
      if (read > kMaxAnswerBytes - body.size()) return std::nullopt;
      body.append(exchange.buffer, read);
    }
  }

  const THttpTimeouts timeouts_;
  THandle session_;
  std::atomic<bool> cancelled_{false};
};

}  // namespace

std::unique_ptr<THttpClient> MakeHttpClient(THttpTimeouts timeouts) {
  return std::make_unique<TWinHttpClient>(timeouts);
}

void StopHttpLibrary() {}
