#pragma once
// The enumeration of the URL cache over the binding's calls: the first call of each entry asks
// for its size, the next brings it, and an entry that grew in between is asked again.
#include <vector>

#include "platform/url_cache.h"

namespace halvex::platform {

// How often one entry may answer "buffer too small" in a row before the listing gives up: an
// entry that keeps growing would otherwise hold the listing for ever.
inline constexpr int kUrlCacheRegrowthLimit = 4;

// Every entry of the cache in the system's order. The listing ends on any error other than 122
// (259, no more items, is the usual end), and after kUrlCacheRegrowthLimit answers of 122 in a
// row for one entry; what was listed until then is kept.
std::vector<UrlCacheEntry> ListUrlCache(UrlCache& cache);

}  // namespace halvex::platform
