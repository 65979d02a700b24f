#include "platform/url_cache_listing.h"

#include <cstdint>

namespace halvex::platform {
namespace {

// Fetches one entry with `fetch(bufferSize)`: no buffer first, then the size the system asked
// for, while it keeps answering 122 up to the limit. The last answer.
template <typename Fetch>
UrlCacheAnswer FetchGrowing(Fetch fetch) {
  std::uint32_t bufferSize = 0;
  UrlCacheAnswer answer = fetch(bufferSize);
  for (int regrowths = 1;
       answer.error == url_cache_error::kInsufficientBuffer && regrowths < kUrlCacheRegrowthLimit;
       ++regrowths) {
    bufferSize = answer.neededSize;
    answer = fetch(bufferSize);
  }
  return answer;
}

}  // namespace

std::vector<UrlCacheEntry> ListUrlCache(UrlCache& cache) {
  std::vector<UrlCacheEntry> entries;
  UrlCacheFind find = 0;
  UrlCacheAnswer answer =
      FetchGrowing([&](std::uint32_t size) { return cache.FindFirst(size, find); });
  if (answer.error != 0) {
    if (find != 0) cache.FindClose(find);
    return entries;
  }
  while (answer.error == 0) {
    entries.push_back(std::move(answer.entry));
    answer = FetchGrowing([&](std::uint32_t size) { return cache.FindNext(find, size); });
  }
  cache.FindClose(find);
  return entries;
}

}  // namespace halvex::platform
