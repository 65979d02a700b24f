#pragma once
// The browser's URL cache and URL history (wininet and the history object), as the history
// cleaner needs them. The binding answers each call as the system does, an entry or the
// system's error code; the enumeration loop with its size query lives above it
// (url_cache_listing.h), so the loop's ending is the same on every binding.
#include <cstdint>
#include <string>
#include <string_view>

namespace halvex::platform {

// The system's error codes the enumeration answers with.
namespace url_cache_error {
inline constexpr std::uint32_t kInvalidParameter = 87;
inline constexpr std::uint32_t kInsufficientBuffer = 122;
inline constexpr std::uint32_t kNoMoreItems = 259;
}  // namespace url_cache_error

// The entry-type bit of an ordinary cached page or file (NORMAL_CACHE_ENTRY).
inline constexpr std::uint32_t kNormalCacheEntry = 0x1;

struct UrlCacheEntry {
  std::string sourceUrl;
  std::uint32_t type = 0;
};

// One answer of the enumeration: `error` 0 with the entry, or the system's error code; with
// 122 `neededSize` is the buffer size the entry needs.
struct UrlCacheAnswer {
  std::uint32_t error = 0;
  std::uint32_t neededSize = 0;
  UrlCacheEntry entry = {};
};

using UrlCacheFind = std::uintptr_t;  // an enumeration's handle; 0 is none

class UrlCache {
 public:
  virtual ~UrlCache() = default;

  // FindFirstUrlCacheEntryA with a buffer of `bufferSize` bytes (0: no buffer). On success
  // `find` holds the enumeration's handle, which FindClose ends.
  virtual UrlCacheAnswer FindFirst(std::uint32_t bufferSize, UrlCacheFind& find) = 0;
  // FindNextUrlCacheEntryA.
  virtual UrlCacheAnswer FindNext(UrlCacheFind find, std::uint32_t bufferSize) = 0;
  virtual void FindClose(UrlCacheFind find) = 0;
  // DeleteUrlCacheEntry; false when the system refused.
  [[nodiscard]] virtual bool DeleteEntry(std::string_view sourceUrl) = 0;
  // ClearHistory of the URL history object; false when the object could not be made or the
  // call failed.
  [[nodiscard]] virtual bool ClearHistory() = 0;
};

}  // namespace halvex::platform
