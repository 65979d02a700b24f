#pragma once
// The URL cache through wininet and the URL history through its COM object.
#include "platform/url_cache.h"

namespace halvex::platform::win32 {

class Win32UrlCache final : public UrlCache {
 public:
  UrlCacheAnswer FindFirst(std::uint32_t bufferSize, UrlCacheFind& find) override;
  UrlCacheAnswer FindNext(UrlCacheFind find, std::uint32_t bufferSize) override;
  void FindClose(UrlCacheFind find) override;
  bool DeleteEntry(std::string_view sourceUrl) override;
  bool ClearHistory() override;
};

}  // namespace halvex::platform::win32
