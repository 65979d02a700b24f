#include "tools/error_utilities/error_repair.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/key_naming.h"
#include "platform/text_lines.h"

namespace halvex::tools::errors {
namespace {

// The key below its root, opened for writing; NoRoot or KeyMissing when it cannot be.
struct OpenedKey {
  platform::ScopedKey key;
  ActionOutcome failure = ActionOutcome::Applied;
};

OpenedKey OpenActionKey(platform::Registry& registry, std::string_view keyPath,
                        platform::KeyAccess access) {
  const model::SplitKeyPath split = model::SplitFullKeyPath(keyPath);
  // A path without a key below the root would act on the root itself: no error entry asks that.
  if (split.root == platform::RootKey::None || split.absolutePath.size() <= 1) {
    return {.key = {}, .failure = ActionOutcome::NoRoot};
  }
  platform::KeyHandle opened;
  if (registry.OpenKey(platform::RootHandle(split.root), split.absolutePath.substr(1), access,
                       opened) != platform::RegStatus::Ok) {
    return {.key = {}, .failure = ActionOutcome::KeyMissing};
  }
  return {.key = platform::ScopedKey(registry, opened)};
}

ActionOutcome Write(platform::Registry& registry, platform::KeyHandle key,
                    const ErrorAction& action) {
  const std::string_view name = model::PlatformValueName(action.valueName);
  platform::RegStatus status;
  if (action.type == ErrorValueType::Integer) {
    const std::optional<std::uint32_t> number = ParseIntegerData(action.data);
    if (!number) return ActionOutcome::NotANumber;
    const std::array<std::uint8_t, 4> bytes{
        static_cast<std::uint8_t>(*number), static_cast<std::uint8_t>(*number >> 8),
        static_cast<std::uint8_t>(*number >> 16), static_cast<std::uint8_t>(*number >> 24)};
    status = registry.SetValue(key, name, platform::reg_type::kDword, bytes);
  } else {
    // Text is stored with its terminating NUL, as the system's string writes store it.
    std::vector<std::uint8_t> bytes(action.data.begin(), action.data.end());
    bytes.push_back(0);
    status = registry.SetValue(key, name, platform::reg_type::kString, bytes);
  }
  return status == platform::RegStatus::Ok ? ActionOutcome::Applied : ActionOutcome::Refused;
}

ActionOutcome Delete(platform::Registry& registry, platform::KeyHandle key,
                     const ErrorAction& action) {
  const std::string_view name = model::PlatformValueName(action.valueName);
  const platform::RegStatus status = registry.DeleteValue(key, name);
  return status == platform::RegStatus::Ok || status == platform::RegStatus::NotFound
             ? ActionOutcome::Applied
             : ActionOutcome::Refused;
}

bool DoesSomething(const ErrorAction& action) {
  return action.operation == ErrorOperation::Delete ||
         (action.operation == ErrorOperation::Write && action.type != ErrorValueType::Other);
}

}  // namespace

std::string_view OutcomeText(ActionOutcome outcome) {
  switch (outcome) {
    case ActionOutcome::Applied:
      return "applied";
    case ActionOutcome::NoOperation:
      return "skipped: no operation";
    case ActionOutcome::NoRoot:
      return "skipped: no root key";
    case ActionOutcome::KeyMissing:
      return "skipped: the key does not exist";
    case ActionOutcome::NotANumber:
      return "skipped: the data is no number";
    case ActionOutcome::Refused:
      return "failed: the registry refused it";
  }
  return "";
}

std::vector<PlannedAction> ActionsOfError(const TErrorContents& contents,
                                          std::string_view rowName) {
  const std::string_view wanted = platform::TrimText(rowName);
  std::vector<PlannedAction> planned;
  for (const TContent& entry : contents) {
    if (platform::TrimText(entry.ErrorName) != wanted) continue;
    for (ErrorAction& action : ParseErrorActions(entry.ErrorActions)) {
      planned.push_back({.keyPath = entry.ErrorKeyPath, .action = std::move(action)});
    }
  }
  return planned;
}

ActionOutcome ApplyErrorAction(platform::Registry& registry, const PlannedAction& planned) {
  const ErrorAction& action = planned.action;
  if (!DoesSomething(action)) return ActionOutcome::NoOperation;
  OpenedKey opened = OpenActionKey(registry, planned.keyPath, platform::KeyAccess::ReadWrite);
  if (!opened.key) return opened.failure;
  return action.operation == ErrorOperation::Write ? Write(registry, opened.key.get(), action)
                                                   : Delete(registry, opened.key.get(), action);
}

bool ActionKeyExists(platform::Registry& registry, std::string_view keyPath) {
  return static_cast<bool>(OpenActionKey(registry, keyPath, platform::KeyAccess::Read).key);
}

bool ErrorRepair::FullyFixed() const {
  return std::all_of(actions.begin(), actions.end(), [](const ActionReport& report) {
    return report.outcome == ActionOutcome::Applied;
  });
}

std::vector<ErrorRepair> RepairErrors(platform::Registry& registry, const TErrorContents& contents,
                                      const std::vector<std::string>& rowNames) {
  std::vector<ErrorRepair> repairs;
  for (const std::string& name : rowNames) {
    const bool repaired = std::any_of(repairs.begin(), repairs.end(),
                                      [&](const ErrorRepair& done) { return done.name == name; });
    if (repaired) continue;
    ErrorRepair repair;
    repair.name = name;
    for (PlannedAction& planned : ActionsOfError(contents, name)) {
      const ActionOutcome outcome = ApplyErrorAction(registry, planned);
      repair.actions.push_back({.planned = std::move(planned), .outcome = outcome});
    }
    repairs.push_back(std::move(repair));
  }
  return repairs;
}

}  // namespace halvex::tools::errors
