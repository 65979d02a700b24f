#include "scan/sections/shared_dlls.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "model/drive_checks.h"
#include "model/key_naming.h"
#include "model/registry_object.h"
#include "model/skip_tests.h"
#include "model/text_format.h"

namespace halvex::scan {
namespace {

namespace reg_type = platform::reg_type;
using model::registry_content::TContent;

// A decimal number with optional blanks around it and an optional sign; 0 for anything else.
std::int64_t DecimalOrZero(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  // One sign only: "+-5" is no number.
  if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() ? number : 0;
}

// The unsigned little-endian number of the first bytes, up to four; 0 for no bytes.
std::uint32_t LittleEndianPrefix(const std::vector<std::uint8_t>& data) {
  std::uint32_t number = 0;
  for (std::size_t i = std::min<std::size_t>(data.size(), 4); i-- > 0;)
    number = (number << 8) | data[i];
  return number;
}

TContent MakeProblem(const std::string& keyPath, const std::string& valueName, std::int64_t count) {
  TContent problem;
  problem.KeyPath = keyPath;
  problem.ItemName = "SharedDlls";
  problem.ValueName = valueName;
  problem.ValueData = std::to_string(count);
  problem.DetailKeyPath = " Key Path:" + keyPath;
  problem.DetailValueName = " ValueName:default";
  problem.DetailValue = " Value:" + valueName;
  problem.DetailProblem =
      model::FormatText(" The file (%s) does not exist at the specified location", valueName);
  return problem;
}

class SharedDlls final : public SectionRoutines {
 public:
  void Scan(SectionScan& scan) const override {
    platform::Platform& platform = scan.platform();
    model::RegistryObject key(platform.registry);
    key.SetRootKey(scan.root());
    if (!key.OpenKey(scan.startKey(), /*create=*/false)) return;
    const std::string keyPath =
        model::FormatText("%s\\%s", model::RootKeyName(scan.root()), std::string(scan.startKey()));

    for (const std::string& name : key.ValueNames()) {
      if (scan.Aborted()) return;
      // An ignored value is passed over; the values after it are still examined.
      if (scan.IsIgnored(keyPath, name)) continue;
      platform::RegValue value;
      const std::int64_t count =
          key.ReadRaw(name, value) ? SharedDllReferenceCount(value.type, value.data) : -1;
      scan.ShowProgress(name);
      if (model::IsDriverReference(platform.locale, name)) continue;
      if (model::IsNetworkReference(name) || model::IsFloppyReference(platform.locale, name) ||
          !model::IsOnScannableDrive(platform.locale, scan.model().ExcludedDrives, name)) {
        scan.ProcessMessages();
        continue;
      }
      // A count of 0 is a problem even when the file exists.
      const bool broken = count == 0 || !platform.files.FileExists(name);
      // A missing "msoe.dll" (exact lower case) is not reported, and the scan goes on.
      if (broken && name.find("msoe.dll") == std::string::npos) {
        scan.AddProblem(MakeProblem(keyPath, name, count));
      }
      scan.ProcessMessages();
    }
  }

  RepairTarget TargetOf(const TContent& problem) const override {
    return RepairTarget{RepairTarget::Kind::Value, problem.KeyPath, problem.ValueName, {}};
  }
};

}  // namespace

std::int64_t SharedDllReferenceCount(std::uint32_t type, const std::vector<std::uint8_t>& data) {
  switch (type) {
    case reg_type::kString:
    case reg_type::kExpandString: {
      const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
      return DecimalOrZero(std::string(data.begin(), end));
    }
    case reg_type::kDword:
      return static_cast<std::int32_t>(LittleEndianPrefix(data));
    case reg_type::kBinary:
      return LittleEndianPrefix(data);
    default:
      return -1;
  }
}

const SectionRoutines& SharedDllsSection() {
  static const SharedDlls routines;
  return routines;
}

}  // namespace halvex::scan
