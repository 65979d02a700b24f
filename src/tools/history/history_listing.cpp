#include "tools/history/history_listing.h"

#include <algorithm>

#include "model/registry_object.h"
#include "platform/url_cache_listing.h"

namespace halvex::tools::history {
namespace {

constexpr std::uint32_t kListedAttributeWords[] = {0x02, 0x04, 0x10, 0x11, 0x12,
                                                   0x13, 0x14, 0x20, 0x80, 0x100};

}  // namespace

bool IsListedAttributeWord(std::uint32_t attributes) {
  return std::find(std::begin(kListedAttributeWords), std::end(kListedAttributeWords),
                   attributes) != std::end(kListedAttributeWords);
}

const std::string& HistoryLister::FolderOf(HistoryArea area) const {
  static const std::string kNone;
  switch (area) {
    case HistoryArea::IeCache:
      return folders_.cache;
    case HistoryArea::TemporaryFiles:
      return folders_.temp;
    case HistoryArea::NetHood:
      return folders_.netHood;
    case HistoryArea::Recent:
      return folders_.recent;
    case HistoryArea::History:
      return folders_.history;
    default:
      return kNone;
  }
}

void HistoryLister::ListArea(HistoryArea area, HistoryListing& listing) const {
  switch (area) {
    case HistoryArea::RecycleBin:
      return;
    case HistoryArea::IeCache:
      return ListCacheEntries(listing.records);
    case HistoryArea::IeAddress:
      return ListValues(kTypedUrlsKey, record_kind::kTypedAddress, listing.records);
    case HistoryArea::RunMru:
      return ListValues(kRunMruKey, record_kind::kRunMruValue, listing.records);
    case HistoryArea::TemporaryFiles:
    case HistoryArea::NetHood:
    case HistoryArea::Recent:
    case HistoryArea::History:
      return ListFolderEntries(area, FolderOf(area), listing);
  }
}

HistoryListing HistoryLister::ListAll() const {
  HistoryListing listing;
  for (const HistoryAreaRow& row : kHistoryAreas) ListArea(row.area, listing);
  return listing;
}

void HistoryLister::ListCacheEntries(std::vector<TRecycleData>& records) const {
  for (platform::UrlCacheEntry& entry : platform::ListUrlCache(services_.cache)) {
    if ((entry.type & platform::kNormalCacheEntry) == 0) continue;
    if (entry.sourceUrl.find("Cookie:") != std::string::npos) continue;  // cookies stay
    records.push_back({record_kind::kCacheEntry, std::move(entry.sourceUrl), folders_.cache, 1});
  }
}

void HistoryLister::ListValues(std::string_view key, std::int32_t kind,
                               std::vector<TRecycleData>& records) const {
  model::RegistryObject registry(services_.platform().registry);
  registry.SetRootKey(platform::RootKey::CurrentUser);
  if (!registry.OpenKey(key, false)) return;
  for (const std::string& name : registry.ValueNames()) {
    try {
      records.push_back({kind, registry.ReadString(name), name, 1});
    } catch (const model::RegistryError&) {
      // A value that is not text has nothing to show; it is left alone.
    }
  }
}

void HistoryLister::ListFolderEntries(HistoryArea area, const std::string& folder,
                                      HistoryListing& listing) const {
  if (folder.empty() || !services_.folders.CanEnter(folder)) return;
  if (protection_.Protects(folder)) {
    // A system folder named as the temporary, NetHood or Recent folder: its top level would be
    // deleted for good, and that cannot be undone.
    listing.refused.push_back({area, folder});
    return;
  }
  const auto entries = services_.platform().files.ListFolder(folder);
  if (!entries) return;
  for (const platform::FileEntry& entry : *entries) {
    if (entry.name == "." || entry.name == "..") continue;
    if (!IsListedAttributeWord(entry.attributes)) continue;
    listing.records.push_back({static_cast<std::int32_t>(area), entry.name, folder, 1});
  }
}

}  // namespace halvex::tools::history
