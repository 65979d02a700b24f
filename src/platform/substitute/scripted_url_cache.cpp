#include "platform/substitute/scripted_url_cache.h"

#include <algorithm>
#include <charconv>

namespace halvex::platform::substitute {
namespace {

// The fixed part of the system's entry structure, which the strings follow.
constexpr std::uint32_t kEntryHeaderSize = 80;

std::optional<std::uint32_t> ParseType(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  std::uint32_t type = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), type, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  return type;
}

}  // namespace

std::variant<std::vector<UrlCacheEntry>, std::string> ParseUrlCacheText(std::string_view text) {
  std::vector<UrlCacheEntry> entries;
  std::size_t lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    // Every carriage return at the end goes: a URL never ends in one, so what is written reads
    // back the same.
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == ';') continue;
    const std::size_t space = line.find(' ');
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    if (space == std::string_view::npos || space + 1 == line.size()) {
      return where + "expected TYPE URL";
    }
    const std::optional<std::uint32_t> type = ParseType(line.substr(0, space));
    if (!type) return where + "the type is not a number";
    entries.push_back({std::string(line.substr(space + 1)), *type});
  }
  return entries;
}

std::string FormatUrlCacheText(const std::vector<UrlCacheEntry>& entries) {
  std::string text;
  for (const UrlCacheEntry& entry : entries) {
    text += std::to_string(entry.type) + " " + entry.sourceUrl + "\n";
  }
  return text;
}

std::uint32_t ScriptedUrlCache::NeededSize(const UrlCacheEntry& entry) {
  return kEntryHeaderSize + static_cast<std::uint32_t>(entry.sourceUrl.size()) + 1;
}

void ScriptedUrlCache::ScriptAnswers(std::vector<std::uint32_t> errors) {
  scripted_.insert(scripted_.end(), errors.begin(), errors.end());
}

std::optional<UrlCacheAnswer> ScriptedUrlCache::Scripted(std::uint32_t bufferSize) {
  ++enumerationCalls_;
  std::uint32_t error = 0;
  if (always_) {
    error = *always_;
  } else if (!scripted_.empty()) {
    error = scripted_.front();
    scripted_.pop_front();
  }
  if (error == 0) return std::nullopt;
  return UrlCacheAnswer{.error = error, .neededSize = bufferSize + 1};
}

UrlCacheAnswer ScriptedUrlCache::EntryAt(std::size_t position, std::uint32_t bufferSize) const {
  if (position >= entries_.size()) return {.error = url_cache_error::kNoMoreItems};
  const std::uint32_t needed = NeededSize(entries_[position]);
  if (bufferSize < needed) {
    return {.error = url_cache_error::kInsufficientBuffer, .neededSize = needed};
  }
  return {.entry = entries_[position]};
}

UrlCacheAnswer ScriptedUrlCache::FindFirst(std::uint32_t bufferSize, UrlCacheFind& find) {
  if (auto answer = Scripted(bufferSize)) return *answer;
  UrlCacheAnswer answer = EntryAt(0, bufferSize);
  if (answer.error != 0) return answer;
  find = nextFind_++;
  positions_[find] = 1;
  return answer;
}

UrlCacheAnswer ScriptedUrlCache::FindNext(UrlCacheFind find, std::uint32_t bufferSize) {
  if (auto answer = Scripted(bufferSize)) return *answer;
  const auto open = positions_.find(find);
  if (open == positions_.end()) return {.error = url_cache_error::kInvalidParameter};
  UrlCacheAnswer answer = EntryAt(open->second, bufferSize);
  if (answer.error == 0) ++open->second;
  return answer;
}

void ScriptedUrlCache::FindClose(UrlCacheFind find) {
  positions_.erase(find);
}

bool ScriptedUrlCache::DeleteEntry(std::string_view sourceUrl) {
  calls_.push_back("delete " + std::string(sourceUrl));
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const UrlCacheEntry& e) { return e.sourceUrl == sourceUrl; });
  if (found == entries_.end()) return false;
  const auto index = static_cast<std::size_t>(found - entries_.begin());
  entries_.erase(found);
  // An open enumeration past the deleted entry keeps its place.
  for (auto& [find, position] : positions_) {
    if (position > index) --position;
  }
  return true;
}

bool ScriptedUrlCache::ClearHistory() {
  calls_.push_back("clear history");
  return true;
}

}  // namespace halvex::platform::substitute
