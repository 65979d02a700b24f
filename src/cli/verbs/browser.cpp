// halvex-cli browser: the thirteen Internet Explorer restore items, listed or run, through the
// restore tool's logic. The items keep no backup, so a run needs --yes.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "tools/browser_restore/restore_items.h"

namespace halvex::cli {
namespace {

std::optional<std::size_t> ItemNumber(const std::string& text) {
  if (text.empty() || text.size() > 2 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const std::size_t number = std::stoul(text);
  if (number < 1 || number > tools::kRestoreItemCount) return std::nullopt;
  return number;
}

std::optional<std::string> RefuseItemNumber(const std::string& value) {
  if (ItemNumber(value)) return std::nullopt;
  return "--item takes a number from 1 to 13";
}

constexpr VerbOption kItemOption{
    .name = "--item",
    .valueName = "N",
    .valueNeeded = "a number from 1 to 13",
    .description = "run item N (see browser list); repeat it for several",
    .repeatable = true,
    .refuse = RefuseItemNumber};
constexpr VerbOption kAllOption{.name = "--all", .description = "run all thirteen items"};
constexpr VerbOption kYesOption{
    .name = "--yes", .description = "confirm the run, which keeps no backup and cannot be undone"};
constexpr VerbOption kOptions[] = {kItemOption, kAllOption, kYesOption};

VerbResult List(VerbCall& call) {
  const auto items = tools::RestoreItems();
  for (std::size_t i = 0; i < items.size(); ++i) {
    std::fprintf(call.console.out, "%2zu. %.*s\n", i + 1, static_cast<int>(items[i].caption.size()),
                 items[i].caption.data());
  }
  return VerbResult::Done;
}

VerbResult Restore(VerbCall& call) {
  const bool all = call.line.Has(kAllOption.name);
  const std::vector<std::string> numbers = call.line.Values(kItemOption.name);
  if (all == !numbers.empty()) {
    return call.Refuse("browser restore needs either --item N (repeatable) or --all");
  }
  if (!call.line.Has(kYesOption.name)) {
    return call.Refuse(
        "browser restore changes the browser's settings without a backup; confirm with --yes");
  }
  std::array<bool, tools::kRestoreItemCount> chosen{};
  for (const std::string& number : numbers) chosen[*ItemNumber(number) - 1] = true;
  if (all) chosen.fill(true);

  platform::Platform& platform = call.machine.platform();
  tools::RestoreTarget target{platform.registry, platform.files, platform.locale};
  const auto items = tools::RestoreItems();
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  bool anyFailed = false;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!chosen[i]) continue;
    const bool done = tools::RunRestoreItem(target, items[i]);
    anyFailed = anyFailed || !done;
    const std::string_view status = done ? tools::kCompletedStatus : tools::kErrorStatus;
    rows.push_back({{"number", i + 1}, {"caption", items[i].caption}, {"status", status}});
    if (!call.line.json) {
      std::fprintf(call.console.out, "%2zu. %.*s: %.*s\n", i + 1,
                   static_cast<int>(items[i].caption.size()), items[i].caption.data(),
                   static_cast<int>(status.size()), status.data());
    }
  }
  call.MachineChanged();
  if (call.line.json) {
    const nlohmann::ordered_json document = {{"items", rows}};
    std::fputs((document.dump(2) + "\n").c_str(), call.console.out);
  }
  return anyFailed ? VerbResult::Failed : VerbResult::Done;
}

VerbResult RunBrowser(VerbCall& call) {
  const std::string& action = *call.line.operand;
  if (action == "list") return List(call);
  if (action == "restore") return Restore(call);
  return call.Refuse("browser takes list or restore");
}

}  // namespace

extern const Verb kBrowserVerb{
    .name = "browser",
    .operand = "(list | restore)",
    .operandNeeded = "list or restore",
    .usage =
        "Lists the thirteen Internet Explorer restore items, or runs the chosen ones\n"
        "(each resets settings a hijacker or a policy changed; no backup: --yes confirms).",
    .options = kOptions,
    .writesJson = true,
    .run = RunBrowser};

}  // namespace halvex::cli
