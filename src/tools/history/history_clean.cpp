#include "tools/history/history_clean.h"

#include "model/registry_object.h"

namespace halvex::tools::history {
namespace {

class Cleaner {
 public:
  Cleaner(const HistoryServices& services, const cleanup::ProtectedPaths& protection,
          const std::vector<TRecycleData>& records, const CleanTurns& turns)
      : services_(services), protection_(protection), records_(records), turns_(turns) {}

  bool Stopped() const { return turns_.stopRequested && turns_.stopRequested(); }

  void Clean(HistoryArea area) {
    switch (area) {
      case HistoryArea::RecycleBin:
        return EmptyRecycleBin();
      case HistoryArea::IeCache:
        return DeleteCacheEntries();
      case HistoryArea::IeAddress:
        return DeleteValues(kTypedUrlsKey, record_kind::kTypedAddress);
      case HistoryArea::TemporaryFiles:
      case HistoryArea::NetHood:
      case HistoryArea::Recent:
        return DeleteFolderEntries(area);
      case HistoryArea::History:
        return ClearUrlHistory();
      case HistoryArea::RunMru:
        return DeleteValues(kRunMruKey, record_kind::kRunMruValue);
    }
  }

  std::vector<CleanedItem> cleaned;

 private:
  void Add(HistoryArea area, std::string name, std::string place, std::string_view result) {
    cleaned.push_back({area, std::move(name), std::move(place), std::string(result)});
  }

  void EmptyRecycleBin() {
    switch (services_.recycleBin.EmptyAll()) {
      case platform::EmptyRecycleBinResult::Called:
        return Add(HistoryArea::RecycleBin, "", "", clean_result::kEmptied);
      case platform::EmptyRecycleBinResult::NoLibrary:
        return Add(HistoryArea::RecycleBin, "", "", clean_result::kNoLibrary);
      case platform::EmptyRecycleBinResult::NoFunction:
        return Add(HistoryArea::RecycleBin, "", "", clean_result::kNoFunction);
    }
  }

  // Only the ticked entries, by their URL: an entry cached after the listing, and every
  // cookie, stays.
  void DeleteCacheEntries() {
    for (const TRecycleData& record : records_) {
      if (Stopped()) return;
      if (record.checked != 1 || record.kind != record_kind::kCacheEntry) continue;
      const bool deleted = services_.cache.DeleteEntry(record.name);
      Add(HistoryArea::IeCache, record.name, record.place,
          deleted ? clean_result::kDeleted : clean_result::kFailed);
    }
  }

  void DeleteValues(std::string_view key, std::int32_t kind) {
    model::RegistryObject registry(services_.platform().registry);
    registry.SetRootKey(platform::RootKey::CurrentUser);
    if (!registry.OpenKey(key, false)) return;
    for (const TRecycleData& record : records_) {
      if (Stopped()) return;
      if (record.checked != 1 || record.kind != kind) continue;
      const bool deleted = registry.DeleteValue(record.place);
      Add(AreaOfKind(kind), record.name, record.place,
          deleted ? clean_result::kDeleted : clean_result::kFailed);
    }
  }

  // The ticked entries of one folder area, each deleted for good with its contents, unless its
  // folder or its path is protected.
  void DeleteFolderEntries(HistoryArea only) {
    for (const TRecycleData& record : records_) {
      const HistoryArea area = AreaOfKind(record.kind);
      if (record.checked != 1 || area != only) continue;
      // The progress dialog's Cancel is handled here, between the deletions that can be long.
      if (turns_.pump) turns_.pump();
      if (Stopped()) return;
      if (turns_.showName) turns_.showName(record.name);
      const std::string path = JoinPath(record.place, record.name);
      if (protection_.Protects(record.place) || protection_.Protects(path)) {
        Add(area, record.name, record.place, clean_result::kProtected);
        continue;
      }
      const bool deleted = services_.folders.DeleteForGood(path);
      Add(area, record.name, record.place,
          deleted ? clean_result::kDeleted : clean_result::kFailed);
    }
  }

  void ClearUrlHistory() {
    Add(HistoryArea::History, "", "",
        services_.cache.ClearHistory() ? clean_result::kCleared : clean_result::kNotCleared);
  }

  const HistoryServices& services_;
  const cleanup::ProtectedPaths& protection_;
  const std::vector<TRecycleData>& records_;
  const CleanTurns& turns_;
};

}  // namespace

std::vector<HistoryArea> CleanedAreas(std::optional<HistoryArea> node) {
  if (node) return {*node};
  return {HistoryArea::RecycleBin,     HistoryArea::IeCache, HistoryArea::IeAddress,
          HistoryArea::TemporaryFiles, HistoryArea::NetHood, HistoryArea::Recent,
          HistoryArea::History,        HistoryArea::RunMru};
}

std::vector<CleanedItem> CleanHistory(const HistoryServices& services,
                                      const cleanup::ProtectedPaths& protection,
                                      std::optional<HistoryArea> node,
                                      const std::vector<TRecycleData>& records,
                                      const CleanTurns& turns) {
  Cleaner cleaner(services, protection, records, turns);
  for (HistoryArea area : CleanedAreas(node)) {
    if (cleaner.Stopped()) break;
    cleaner.Clean(area);
  }
  return std::move(cleaner.cleaned);
}

}  // namespace halvex::tools::history
