#pragma once
// Repairing the ticked errors: every entry of a row's name, every action of an entry, in order,
// on a key that must already exist. Nothing is created; a skipped action is reported, never
// fatal, so one bad action leaves the others of the row to run.
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "tools/error_utilities/error_list.h"

namespace halvex::tools::errors {

enum class ActionOutcome {
  Applied,
  NoOperation,  // the operation digit is not 1 or 2, or a write's type is not 0 or 1
  NoRoot,       // the key path begins with no root name, or names the root alone
  KeyMissing,   // the key does not open
  NotANumber,   // an integer write whose data is no decimal number
  Refused,      // the registry refused the write or the delete
};

// The outcome in a few words, for halvex-cli and the messages.
std::string_view OutcomeText(ActionOutcome outcome);

// An action with the key it acts on.
struct PlannedAction {
  std::string keyPath;
  ErrorAction action;
};

// The actions of every entry whose name, trimmed, equals `rowName`, trimmed: entries in order,
// actions in order.
std::vector<PlannedAction> ActionsOfError(const TErrorContents& contents, std::string_view rowName);

// Carries out one action. The root is only the leading root name of the key path, so a key
// whose own name contains a root name (...\Software\OldHKEY_CURRENT_USER\X) keeps its path. The
// delete of a value that is already absent counts as applied.
ActionOutcome ApplyErrorAction(platform::Registry& registry, const PlannedAction& planned);
// Whether the action's key opens, changing nothing.
bool ActionKeyExists(platform::Registry& registry, std::string_view keyPath);

struct ActionReport {
  PlannedAction planned;
  ActionOutcome outcome = ActionOutcome::Applied;
};

struct ErrorRepair {
  std::string name;
  std::vector<ActionReport> actions;
  // Every action applied (a row without repair data is fixed as far as the program can).
  bool FullyFixed() const;
};

// RepairSelectedErrors on the names of the ticked rows that come from the file, in list order;
// a name ticked twice is repaired once.
std::vector<ErrorRepair> RepairErrors(platform::Registry& registry, const TErrorContents& contents,
                                      const std::vector<std::string>& rowNames);

}  // namespace halvex::tools::errors
