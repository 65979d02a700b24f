// The speed optimizer's undo: every model and every box alone, applied and then restored from
// the speed backup file it wrote, on registries where the values are there, missing, absent with
// their keys, or of the wrong type. The registry afterwards is the registry before.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/substitute/memory_registry.h"
#include "tests/tools/memory_profile_file.h"
#include "tests/tools/registry_listing.h"
#include "tools/system_speed/registry_values.h"
#include "tools/system_speed/tweaks.h"

namespace halvex::tools::system_speed {
namespace {

using platform::substitute::MemoryRegistry;
using testing::ListRegistry;
using testing::MemoryProfileFile;

enum class Fixture { ValuesPresent, ValuesMissing, KeysMissing, WronglyTyped };

const char* NameOf(Fixture fixture) {
  switch (fixture) {
    case Fixture::ValuesPresent:
      return "values present";
    case Fixture::ValuesMissing:
      return "values missing, keys present";
    case Fixture::KeysMissing:
      return "keys missing";
    case Fixture::WronglyTyped:
      return "values of the wrong type";
  }
  return "";
}

// Every key and value the tweaks write, as the fixture has it beforehand.
void Prepare(MemoryRegistry& registry, Fixture fixture) {
  if (fixture == Fixture::KeysMissing) return;
  for (const Tweak& tweak : TweakTable()) {
    for (const TweakWrite& write : tweak.apply) {
      platform::ScopedKey key = OpenForWriting(registry, write.root, write.key, KeyUse::Created);
      ASSERT_TRUE(key) << write.key;
      if (write.kind == WriteKind::KeyOnly) {
        if (fixture != Fixture::ValuesMissing) {
          ASSERT_TRUE(WriteText(registry, key.get(), "Kept", "by the user"));
        }
        continue;
      }
      const bool text = write.kind == WriteKind::Text;
      switch (fixture) {
        case Fixture::ValuesPresent:
          ASSERT_TRUE(text ? WriteText(registry, key.get(), write.name, "7")
                           : WriteInteger(registry, key.get(), write.name, 7));
          break;
        case Fixture::WronglyTyped:
          ASSERT_TRUE(text ? WriteInteger(registry, key.get(), write.name, 7)
                           : WriteText(registry, key.get(), write.name, "seven"));
          break;
        default:
          break;
      }
    }
  }
}

struct BoxSet {
  std::string name;
  TweakBoxes boxes{};
};

std::vector<BoxSet> EveryModelAndBox() {
  std::vector<BoxSet> sets;
  for (int model = 1; model <= 5; ++model) {
    BoxSet set{"model " + std::to_string(model)};
    PresetTweaks(model, set.boxes);
    sets.push_back(set);
  }
  for (int box = 1; box <= kTweakCount; ++box) {
    BoxSet set{"Ochk" + std::to_string(box) + " alone"};
    set.boxes[static_cast<std::size_t>(box - 1)] = true;
    sets.push_back(set);
  }
  return sets;
}

// The value each write should leave, where its key exists or is created.
void ExpectApplied(MemoryRegistry& registry, const TweakBoxes& boxes, bool keysExisted) {
  for (const Tweak& tweak : TweakTable()) {
    if (!boxes[static_cast<std::size_t>(tweak.box - 1)]) continue;
    for (const TweakWrite& write : tweak.apply) {
      // A key another box of the run created counts as existing.
      if (write.use == KeyUse::Existing && !keysExisted &&
          !KeyExists(registry, write.root, write.key)) {
        continue;
      }
      if (write.kind == WriteKind::KeyOnly) {
        EXPECT_TRUE(KeyExists(registry, write.root, write.key)) << write.key;
        continue;
      }
      const auto value = ReadValue(registry, write.root, write.key, write.name);
      ASSERT_TRUE(value) << write.key << " " << write.name;
      if (write.kind == WriteKind::Text) {
        EXPECT_EQ(TextOf(*value), std::string(write.text)) << write.key << " " << write.name;
      } else {
        EXPECT_EQ(IntegerOf(*value), write.number) << write.key << " " << write.name;
      }
    }
  }
}

class TweakRoundTrip : public ::testing::TestWithParam<Fixture> {};

TEST_P(TweakRoundTrip, ApplyThenRestoreGivesTheRegistryBack) {
  for (const BoxSet& set : EveryModelAndBox()) {
    SCOPED_TRACE(std::string(NameOf(GetParam())) + ", " + set.name);
    MemoryRegistry registry;
    Prepare(registry, GetParam());
    const auto before = ListRegistry(registry);
    MemoryProfileFile file;

    StepFailures failures;
    ApplyTweaks(registry, file, set.boxes, failures);
    EXPECT_TRUE(failures.empty()) << failures.lines.front();
    ExpectApplied(registry, set.boxes, GetParam() != Fixture::KeysMissing);
    for (const Tweak& tweak : TweakTable()) {
      if (set.boxes[static_cast<std::size_t>(tweak.box - 1)]) {
        EXPECT_FALSE(file.SectionKeys(tweak.section).empty()) << tweak.section;
      }
    }

    RestoreTweaks(registry, file, failures);
    EXPECT_TRUE(failures.empty()) << failures.lines.front();
    EXPECT_EQ(ListRegistry(registry), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, TweakRoundTrip,
                         ::testing::Values(Fixture::ValuesPresent, Fixture::ValuesMissing,
                                           Fixture::KeysMissing, Fixture::WronglyTyped));

TEST(TweakRoundTrip, RestoringTheSameFileTwiceGivesTheSameRegistry) {
  MemoryRegistry registry;
  Prepare(registry, Fixture::ValuesPresent);
  const auto before = ListRegistry(registry);
  MemoryProfileFile file;
  TweakBoxes boxes{};
  PresetTweaks(4, boxes);
  StepFailures failures;
  ApplyTweaks(registry, file, boxes, failures);
  RestoreTweaks(registry, file, failures);
  const auto sectionsAfterOneRestore = file.sections.size();
  RestoreTweaks(registry, file, failures);
  EXPECT_TRUE(failures.empty());
  EXPECT_EQ(ListRegistry(registry), before);
  EXPECT_EQ(file.sections.size(), sectionsAfterOneRestore);
}

}  // namespace
}  // namespace halvex::tools::system_speed
