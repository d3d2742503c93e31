#include "online/CurlLibrary.h"

#include <dlfcn.h>

#include <cstdio>

namespace {

template <typename Function>
bool Resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace

std::unique_ptr<TCurlLibrary> TCurlLibrary::Load(const char* file) {
  void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "glintbreaker: online scores need %s (%s)\n", file, dlerror());
    return nullptr;
  }
  std::unique_ptr<TCurlLibrary> curl(new TCurlLibrary);
  CURLcode (*globalInit)(long) = nullptr;
  const bool complete = Resolve(library, "curl_global_init", globalInit) &&
                        Resolve(library, "curl_global_cleanup", curl->global_cleanup_) &&
                        Resolve(library, "curl_easy_init", curl->easy_init) &&
                        Resolve(library, "curl_easy_setopt", curl->easy_setopt) &&
                        Resolve(library, "curl_easy_perform", curl->easy_perform) &&
                        Resolve(library, "curl_easy_cleanup", curl->easy_cleanup) &&
                        Resolve(library, "curl_slist_append", curl->slist_append) &&
                        Resolve(library, "curl_slist_free_all", curl->slist_free_all);
  if (!complete || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    std::fprintf(stderr, "glintbreaker: %s is not a usable libcurl\n", file);
    curl->global_cleanup_ = nullptr;
    return nullptr;
  }
  return curl;
}

TCurlLibrary::~TCurlLibrary() {
  if (global_cleanup_ != nullptr) global_cleanup_();
}
