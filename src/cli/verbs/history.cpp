// halvex-cli history: the history cleaner's listing of the chosen areas, and their clean. Only
// what the listing shows is cleaned; a folder the protected-path test refuses says so.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "tools/history/history_clean.h"
#include "tools/history/history_listing.h"

namespace halvex::cli {
namespace {

using tools::history::CleanedItem;
using tools::history::HistoryArea;
namespace clean_result = tools::history::clean_result;

constexpr std::string_view kListed = "listed";
constexpr std::string_view kPreview = "preview";

std::optional<std::string> RefuseArea(const std::string& value) {
  if (tools::history::AreaNamed(value)) return std::nullopt;
  return "--area is recycle, cache, typed, temp, nethood, recent, history or runmru, not '" +
         value + "'";
}

constexpr VerbOption kOptions[] = {
    {.name = "--area",
     .valueName = "A",
     .valueNeeded = "an area",
     .description = "recycle, cache, typed, temp, nethood, recent, history or runmru;\n"
                    "list: every area when none is given",
     .repeatable = true,
     .refuse = RefuseArea},
    {.name = "--all", .description = "clean: every area"},
    {.name = "--preview", .description = "clean: list what would be cleaned, change nothing"},
};

// The chosen areas in the tree's order, each once.
std::vector<HistoryArea> ChosenAreas(const CommandLine& line) {
  const std::vector<std::string> named = line.Values("--area");
  std::vector<HistoryArea> areas;
  for (const tools::history::HistoryAreaRow& row : tools::history::kHistoryAreas) {
    if (named.empty() || std::find(named.begin(), named.end(), row.cliName) != named.end()) {
      areas.push_back(row.area);
    }
  }
  return areas;
}

// An area without rows (the Recycle Bin, the browser history) still has its clean.
bool HasRowlessClean(HistoryArea area) {
  return area == HistoryArea::RecycleBin || area == HistoryArea::History;
}

bool Succeeded(const std::string& result) {
  return result == clean_result::kDeleted || result == clean_result::kEmptied ||
         result == clean_result::kCleared || result == kListed || result == kPreview;
}

void Print(VerbCall& call, const std::vector<CleanedItem>& items) {
  platform::Locale& locale = call.machine.platform().locale;
  if (!call.line.json) {
    for (const CleanedItem& item : items) {
      const std::string_view area = tools::history::RowOf(item.area).cliName;
      std::string line = std::string(area) + ":";
      if (!item.name.empty()) line += " " + item.name;
      if (!item.place.empty()) line += "  [" + item.place + "]";
      if (item.result != kListed) line += (line.back() == ':' ? " " : "  ") + item.result;
      std::fprintf(call.console.out, "%s\n", line.c_str());
    }
    return;
  }
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const CleanedItem& item : items) {
    list.push_back({{"area", tools::history::RowOf(item.area).cliName},
                    {"name", locale.ToUtf8(item.name)},
                    {"place", locale.ToUtf8(item.place)},
                    {"result", item.result}});
  }
  const nlohmann::ordered_json report{{"items", std::move(list)}};
  std::fputs((report.dump(2) + "\n").c_str(), call.console.out);
}

VerbResult RunHistory(VerbCall& call) {
  const std::string& action = *call.line.operand;
  if (action != "list" && action != "clean") {
    return call.Refuse("history takes list or clean, not '" + action + "'");
  }
  const bool cleaning = action == "clean";
  if (!cleaning && (call.line.Has("--all") || call.line.Has("--preview"))) {
    return call.Refuse("--all and --preview are options of history clean");
  }
  if (cleaning && call.line.Has("--all") == call.line.Has("--area")) {
    return call.Refuse("history clean needs --area A or --all, not both");
  }
  const bool preview = call.line.Has("--preview");

  const tools::history::HistoryServices services{
      {call.machine.platform(), call.machine.shell(), call.machine.identities()},
      call.machine.urlCache(),
      call.machine.recycleBin(),
      call.machine.folders()};
  const tools::cleanup::ProtectedPaths protection(services.cleanup);
  const tools::history::ShellFolders folders =
      tools::history::ReadShellFolders(services.platform());
  const tools::history::HistoryLister lister(services, folders, protection);

  std::vector<CleanedItem> items;
  bool anyListed = false;
  for (HistoryArea area : ChosenAreas(call.line)) {
    tools::history::HistoryListing listing;
    lister.ListArea(area, listing);
    for (const tools::history::RefusedFolder& refused : listing.refused) {
      items.push_back({refused.area, "", refused.folder, std::string(clean_result::kProtected)});
    }
    // The History folder's entries are never cleaned one by one: the history's clear replaces
    // them, so they are not listed either.
    std::erase_if(listing.records, [](const tools::history::TRecycleData& record) {
      return record.kind == tools::history::record_kind::kHistoryEntry;
    });
    anyListed = anyListed || !listing.records.empty();
    if (!cleaning || preview) {
      const std::string result(cleaning ? kPreview : kListed);
      for (const tools::history::TRecycleData& record : listing.records) {
        items.push_back({area, record.name, record.place, result});
      }
      if (preview && HasRowlessClean(area)) items.push_back({area, "", "", result});
      continue;
    }
    const std::vector<CleanedItem> cleaned =
        tools::history::CleanHistory(services, protection, area, listing.records);
    items.insert(items.end(), cleaned.begin(), cleaned.end());
    call.MachineChanged();
  }
  Print(call, items);
  const bool anyFailed = std::any_of(
      items.begin(), items.end(), [](const CleanedItem& item) { return !Succeeded(item.result); });
  if (!cleaning || preview) {
    return anyListed || anyFailed ? VerbResult::Found : VerbResult::NothingFound;
  }
  return anyFailed ? VerbResult::Failed : VerbResult::Done;
}

}  // namespace

extern const Verb kHistoryVerb{
    .name = "history",
    .operand = "list|clean",
    .operandNeeded = "list or clean",
    .usage =
        "list: the traces of the chosen areas: the browser's cached pages (never its\n"
        "cookies), typed addresses, the temporary, NetHood and Recent folders' entries and\n"
        "the Run dialog's recent commands. The Recycle Bin and the browser history have\n"
        "no entries of their own.\n"
        "clean: deletes for good what those areas list, empties the Recycle Bin and\n"
        "clears the browser history; each item with its result. A folder that is a drive\n"
        "root, a system or profile folder or the program's own is refused.",
    .options = kOptions,
    .writesJson = true,
    .run = RunHistory};

}  // namespace halvex::cli
