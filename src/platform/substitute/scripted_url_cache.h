#pragma once
// The URL cache of the substitute machine: a list of entries that answers the enumeration as
// the system does (no buffer first, then 122 with the size each entry needs), error answers a
// test scripts in front of the real ones, and the deletions and history clears, recorded.
// A machine folder's cache is DIR/urlcache.txt, one "TYPE URL" line per entry.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/url_cache.h"

namespace halvex::platform::substitute {

// The entries of an urlcache.txt text: per line a type (decimal, or hexadecimal after "0x"),
// one space and the source URL; blank lines and lines starting with ";" say nothing. The error
// is "line N: why".
std::variant<std::vector<UrlCacheEntry>, std::string> ParseUrlCacheText(std::string_view text);
// The text ParseUrlCacheText reads back into the same entries.
std::string FormatUrlCacheText(const std::vector<UrlCacheEntry>& entries);

class ScriptedUrlCache final : public UrlCache {
 public:
  explicit ScriptedUrlCache(std::vector<UrlCacheEntry> entries = {})
      : entries_(std::move(entries)) {}

  UrlCacheAnswer FindFirst(std::uint32_t bufferSize, UrlCacheFind& find) override;
  UrlCacheAnswer FindNext(UrlCacheFind find, std::uint32_t bufferSize) override;
  void FindClose(UrlCacheFind find) override;
  bool DeleteEntry(std::string_view sourceUrl) override;
  bool ClearHistory() override;

  // The buffer an entry needs: a fixed header and its URL with its NUL.
  static std::uint32_t NeededSize(const UrlCacheEntry& entry);

  // The next calls of FindFirst and FindNext answer these error codes, one each, 0 being the
  // cache's own answer (a scripted 122 asks for one byte more than the buffer given).
  void ScriptAnswers(std::vector<std::uint32_t> errors);
  // From now on every call answers this error code.
  void AnswerAlways(std::uint32_t error) { always_ = error; }
  // An entry added behind the enumeration's back, as the browser adds pages.
  void Add(UrlCacheEntry entry) { entries_.push_back(std::move(entry)); }

  const std::vector<UrlCacheEntry>& entries() const { return entries_; }
  // Every change in order: "delete URL", "clear history".
  const std::vector<std::string>& calls() const { return calls_; }
  int openFinds() const { return static_cast<int>(positions_.size()); }
  int enumerationCalls() const { return enumerationCalls_; }
  bool changed() const { return !calls_.empty(); }

 private:
  std::optional<UrlCacheAnswer> Scripted(std::uint32_t bufferSize);
  UrlCacheAnswer EntryAt(std::size_t position, std::uint32_t bufferSize) const;

  std::vector<UrlCacheEntry> entries_;
  std::deque<std::uint32_t> scripted_;
  std::optional<std::uint32_t> always_;
  std::map<UrlCacheFind, std::size_t> positions_;  // each open find's next entry
  UrlCacheFind nextFind_ = 1;
  int enumerationCalls_ = 0;
  std::vector<std::string> calls_;
};

}  // namespace halvex::platform::substitute
