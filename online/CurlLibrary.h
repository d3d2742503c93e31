// libcurl, loaded when the first record is sent rather than at start-up: with the TLS and
// authentication libraries it brings, it costs about 7 MB of resident memory and a few
// milliseconds before the first picture, which a player who never sends a record never needs.
#pragma once

#include <curl/curl.h>

#include <memory>

class TCurlLibrary {
 public:
  // The library from `file` with its global set-up done; nothing, and one line on stderr, when it
  // cannot be loaded or set up. Called on the main thread before a connection thread uses it.
  static std::unique_ptr<TCurlLibrary> Load(const char* file);
  // The global end; the library itself stays mapped, as its TLS back end expects.
  ~TCurlLibrary();
  TCurlLibrary(const TCurlLibrary&) = delete;
  TCurlLibrary& operator=(const TCurlLibrary&) = delete;

  CURL* (*easy_init)() = nullptr;
  CURLcode (*easy_setopt)(CURL*, CURLoption, ...) = nullptr;
  CURLcode (*easy_perform)(CURL*) = nullptr;
  void (*easy_cleanup)(CURL*) = nullptr;
  curl_slist* (*slist_append)(curl_slist*, const char*) = nullptr;
  void (*slist_free_all)(curl_slist*) = nullptr;

 private:
  TCurlLibrary() = default;
  void (*global_cleanup_)() = nullptr;
};
