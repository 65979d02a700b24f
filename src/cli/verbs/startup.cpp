// halvex-cli startup: the startup manager's list and its actions, over the same logic and the
// same backup files as the window, so that either can undo what the other did.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "cli/verb.h"
#include "tools/startup_manager/startup_actions.h"

namespace halvex::cli {
namespace {

namespace startup = tools::startup_manager;

constexpr VerbOption kStartupOptions[] = {
    {.name = "--removed", .description = "list: the restoral list of removed entries instead"},
    {.name = "--yes",
     .description = "remove: stands for the confirmation; removing without it is refused"},
};

constexpr char kUnknownId[] = "no entry of the list has this id";

using Action = startup::ActionOutcome (*)(platform::Platform&, const startup::StartupBackupPaths&,
                                          const startup::StartupEntry&);

struct ActionWord {
  std::string_view word;
  Action act;  // none: restore, which works on the restoral list
};

constexpr ActionWord kActions[] = {
    {"disable", startup::DisableEntry},
    {"enable", startup::EnableEntry},
    {"remove", startup::RemoveEntry},
    {"restore", nullptr},
};

struct Result {
  std::string id;
  startup::ActionOutcome outcome;
};

VerbResult PrintList(VerbCall& call, const startup::StartupBackupPaths& paths) {
  platform::Platform& platform = call.machine.platform();
  platform::Locale& locale = platform.locale;
  auto utf8 = [&locale](const std::string& text) { return locale.ToUtf8(text); };
  nlohmann::ordered_json entries = nlohmann::ordered_json::array();
  std::string text;
  if (call.line.Has("--removed")) {
    const auto rows = startup::ListRestorableEntries(platform.files, paths);
    const auto ids = startup::EntryIds(rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const char* kind = rows[i].kind == startup::RestoreKind::File ? "file" : "registry";
      entries.push_back({{"id", ids[i]},
                         {"name", utf8(rows[i].name)},
                         {"info", utf8(rows[i].info)},
                         {"kind", kind}});
      text += ids[i] + "  " + kind + "  " + utf8(rows[i].name) + "  " + utf8(rows[i].info) + "\n";
    }
  } else {
    const auto rows = startup::ListStartupEntries(platform, paths);
    const auto ids = startup::EntryIds(rows);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const startup::StartupEntry& row = rows[i];
      entries.push_back({{"id", ids[i]},
                         {"name", utf8(row.name)},
                         {"path", utf8(row.path)},
                         {"status", row.status},
                         {"type", row.type},
                         {"location", utf8(row.location)}});
      text += ids[i] + "  " + row.status + "  " + row.type + "  " + utf8(row.name) + "  " +
              utf8(row.path) + (row.location.empty() ? "" : "  (" + utf8(row.location) + ")") +
              "\n";
    }
  }
  if (call.line.json) {
    text = nlohmann::ordered_json{{"entries", entries}}.dump(2) + "\n";
  } else if (entries.empty()) {
    text = "No entries.\n";
  }
  std::fputs(text.c_str(), call.console.out);
  return VerbResult::Done;
}

// Each id against one listing taken before the first action, in the order given.
std::vector<Result> Act(VerbCall& call, const ActionWord& action,
                        const startup::StartupBackupPaths& paths,
                        const std::vector<std::string>& wanted) {
  platform::Platform& platform = call.machine.platform();
  std::vector<Result> results;
  if (action.act != nullptr) {
    const auto rows = startup::ListStartupEntries(platform, paths);
    const auto ids = startup::EntryIds(rows);
    for (const std::string& id : wanted) {
      const auto at = std::find(ids.begin(), ids.end(), id);
      results.push_back({id, at == ids.end()
                                 ? startup::ActionOutcome::NotDone(kUnknownId)
                                 : action.act(platform, paths, rows[at - ids.begin()])});
    }
  } else {
    const auto rows = startup::ListRestorableEntries(platform.files, paths);
    const auto ids = startup::EntryIds(rows);
    for (const std::string& id : wanted) {
      const auto at = std::find(ids.begin(), ids.end(), id);
      results.push_back({id, at == ids.end()
                                 ? startup::ActionOutcome::NotDone(kUnknownId)
                                 : startup::RestoreEntry(platform, paths, rows[at - ids.begin()])});
    }
  }
  return results;
}

VerbResult RunStartup(VerbCall& call) {
  std::vector<std::string> words{*call.line.operand};
  words.insert(words.end(), call.line.moreOperands.begin(), call.line.moreOperands.end());
  const std::string& word = words.front();
  platform::FileSystem& files = call.machine.platform().files;
  const auto paths = startup::StartupBackupPaths::InProgramFolder(files);
  if (!startup::PrepareStartupBackup(files, paths)) {
    return call.Fail("the backup files in " + paths.folder + " cannot be made");
  }
  if (word == "list") {
    if (words.size() > 1) return call.Refuse("startup list takes no ids");
    return PrintList(call, paths);
  }
  const auto action = std::find_if(std::begin(kActions), std::end(kActions),
                                   [&](const ActionWord& known) { return known.word == word; });
  const auto usage = [&](const std::string& reason) { return call.Refuse(reason); };
  if (action == std::end(kActions)) {
    return usage("startup does not know '" + word +
                 "': it takes list, disable, enable, remove or restore");
  }
  if (words.size() < 2) return usage("startup " + word + " needs the ids of the entries");
  if (call.line.Has("--removed")) return usage("--removed belongs to startup list");
  if (word == "remove" && !call.line.Has("--yes")) {
    return usage("startup remove cannot be undone from the startup list: confirm it with --yes");
  }

  const std::vector<Result> results =
      Act(call, *action, paths, std::vector<std::string>(words.begin() + 1, words.end()));
  bool allDone = true;
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const Result& result : results) {
    allDone = allDone && result.outcome.done;
    // An entry not done is left as it was: only a done one changes the machine.
    if (result.outcome.done) call.MachineChanged();
    list.push_back(
        {{"id", result.id},
         {"done", result.outcome.done},
         {"reason", result.outcome.done ? nlohmann::ordered_json(nullptr)
                                        : nlohmann::ordered_json(result.outcome.reason)}});
    if (!call.line.json) {
      std::fprintf(call.console.out, "%s  %s\n", result.id.c_str(),
                   result.outcome.done ? "done" : ("not done: " + result.outcome.reason).c_str());
    }
  }
  if (call.line.json) {
    std::fputs((nlohmann::ordered_json{{"results", list}}.dump(2) + "\n").c_str(),
               call.console.out);
  }
  return allDone ? VerbResult::Done : VerbResult::Failed;
}

}  // namespace

extern const Verb kStartupVerb{
    .name = "startup",
    .operand = "ACTION [ID]...",
    .operandNeeded = "an action: list, disable, enable, remove or restore",
    .usage =
        "The programs Windows starts at logon, as the startup manager lists them.\n"
        "list: the startup list (with --removed, the restoral list), each entry with its id;\n"
        "disable ID...: out of startup, kept to be enabled again; enable ID...: back again;\n"
        "remove ID... --yes: out of the startup list, kept in the restoral list (a win.ini\n"
        "entry is deleted); restore ID...: an entry of the restoral list back in place.\n"
        "An action fails (exit 1) when any entry was not done, naming the reason.",
    .options = kStartupOptions,
    .writesJson = true,
    .run = RunStartup,
    .moreOperands = true};

}  // namespace halvex::cli
