#include "tools/system_speed/optimization_preview.h"

#include <algorithm>
#include <set>
#include <utility>

#include "tools/system_speed/registry_values.h"
#include "tools/system_speed/service_table.h"
#include "tools/system_speed/tweak_table.h"

namespace halvex::tools::system_speed {
namespace {

constexpr std::string_view kServicesKey = "SYSTEM\\CurrentControlSet\\Services\\";

platform::RegValue NewValue(const TweakWrite& write) {
  platform::RegValue value;
  if (write.kind == WriteKind::Text) {
    value.type = platform::reg_type::kString;
    value.data.assign(write.text.begin(), write.text.end());
    value.data.push_back(0);
  } else {
    value.type = platform::reg_type::kDword;
    for (int shift = 0; shift < 32; shift += 8) {
      value.data.push_back(static_cast<std::uint8_t>(write.number >> shift));
    }
  }
  value.size = static_cast<std::uint32_t>(value.data.size());
  return value;
}

void PreviewTweaks(platform::Registry& registry, int model, std::vector<PlannedChange>& changes) {
  TweakBoxes boxes{};
  PresetTweaks(model, boxes);
  // Keys that an earlier write of the run creates exist for the later ones.
  std::set<std::pair<RootKey, std::string>> createdKeys;
  std::set<std::string> listed;
  for (const Tweak& tweak : TweakTable()) {
    if (!boxes[static_cast<std::size_t>(tweak.box - 1)]) continue;
    for (const TweakWrite& write : tweak.apply) {
      const std::string key = FullKeyName(write.root, write.key);
      const bool keyThere = KeyExists(registry, write.root, write.key) ||
                            createdKeys.contains({write.root, std::string(write.key)});
      if (write.use == KeyUse::Existing && !keyThere) continue;
      if (write.use == KeyUse::Created) createdKeys.insert({write.root, std::string(write.key)});
      if (write.kind == WriteKind::KeyOnly) continue;
      if (!listed.insert(key + "\n" + std::string(write.name)).second) continue;
      const platform::RegValue next = NewValue(write);
      const auto current = ReadValue(registry, write.root, write.key, write.name);
      if (current && current->type == next.type && current->data == next.data) continue;
      changes.push_back({PlannedChange::Kind::Value, key, std::string(write.name),
                         current ? std::optional(ShownData(*current)) : std::nullopt,
                         ShownData(next)});
    }
  }
}

void PreviewServices(platform::Registry& registry, int model, std::vector<PlannedChange>& changes) {
  ServiceBoxes boxes{};
  PresetServices(model, boxes);
  // Boxes 2 and 5 share a service: the later box decides, as the apply goes in box order.
  std::vector<std::pair<std::string_view, bool>> services;
  for (const ServiceBox& box : ServiceTable()) {
    const bool ticked = boxes[static_cast<std::size_t>(box.box - 1)];
    auto same = std::find_if(services.begin(), services.end(),
                             [&](const auto& entry) { return entry.first == box.service; });
    if (same == services.end()) {
      services.emplace_back(box.service, ticked);
    } else {
      same->second = ticked;
    }
  }
  for (const auto& [service, ticked] : services) {
    const std::string key = std::string(kServicesKey) + std::string(service);
    if (!KeyExists(registry, RootKey::LocalMachine, key)) continue;
    const auto value = ReadValue(registry, RootKey::LocalMachine, key, "Start");
    const std::string next = ticked ? "2" : "4";
    const std::optional<std::string> current =
        value ? std::optional(ShownData(*value)) : std::nullopt;
    if (current == next) continue;
    changes.push_back({PlannedChange::Kind::Service, FullKeyName(RootKey::LocalMachine, key),
                       "Start", current, next});
  }
}

}  // namespace

std::string ShownData(const platform::RegValue& value) {
  if (const auto text = TextOf(value)) return *text;
  if (const auto number = IntegerOf(value)) return std::to_string(*number);
  return EncodePriorValue(value);
}

std::vector<PlannedChange> PreviewOptimization(platform::Registry& registry, int model) {
  std::vector<PlannedChange> changes;
  PreviewTweaks(registry, model, changes);
  PreviewServices(registry, model, changes);
  return changes;
}

}  // namespace halvex::tools::system_speed
