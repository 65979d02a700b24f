// The URL cache file of a machine folder (urlcache.txt). What the parser accepts writes back to
// a text that reads back as the same entries; the enumeration over a cache of those entries
// lists every one of them, in order, and leaves no enumeration open.
#include <string>
#include <variant>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/input_parts.h"
#include "platform/substitute/scripted_url_cache.h"
#include "platform/url_cache_listing.h"

namespace {

using halvex::platform::UrlCacheEntry;

bool SameEntries(const std::vector<UrlCacheEntry>& a, const std::vector<UrlCacheEntry>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t index = 0; index < a.size(); ++index) {
    if (a[index].sourceUrl != b[index].sourceUrl || a[index].type != b[index].type) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace halvex::platform::substitute;
  auto parsed = ParseUrlCacheText(halvex::fuzz::AsText(data, size));
  if (std::holds_alternative<std::string>(parsed)) return 0;
  const std::vector<UrlCacheEntry>& read = std::get<std::vector<UrlCacheEntry>>(parsed);
  const std::string written = FormatUrlCacheText(read);
  auto again = ParseUrlCacheText(written);
  HALVEX_FUZZ_CHECK(std::holds_alternative<std::vector<UrlCacheEntry>>(again),
                    "the written cache does not read back:\n" + written);
  HALVEX_FUZZ_CHECK(SameEntries(std::get<std::vector<UrlCacheEntry>>(again), read),
                    "the cache reads back otherwise after a write:\n" + written);
  ScriptedUrlCache cache(read);
  HALVEX_FUZZ_CHECK(SameEntries(halvex::platform::ListUrlCache(cache), read),
                    "the enumeration lists other entries than the file holds");
  HALVEX_FUZZ_CHECK(cache.openFinds() == 0, "the enumeration was left open");
  return 0;
}
