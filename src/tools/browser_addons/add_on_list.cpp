#include "tools/browser_addons/add_on_list.h"

#include "model/key_naming.h"
#include "model/registry_object.h"
#include "model/text_format.h"

namespace halvex::tools {
namespace {

using model::registry_content::TContent;
using platform::RootKey;

constexpr std::string_view kMenuExtKey = "Software\\Microsoft\\Internet Explorer\\MenuExt\\";
constexpr std::string_view kToolbarKey = "SOFTWARE\\Microsoft\\Internet Explorer\\Toolbar";
constexpr std::string_view kUserBarsKey = "Software\\Microsoft\\Internet Explorer\\Explorer Bars";
constexpr std::string_view kMachineBarsKey =
    "SOFTWARE\\Microsoft\\Internet Explorer\\Explorer Bars";

// The text of a string value; "" for a missing value or one of another type.
std::string TextOf(model::RegistryObject& key, std::string_view name) {
  const model::DataType type = key.GetDataType(name);
  if (type != model::DataType::String && type != model::DataType::ExpandString) return {};
  return key.ReadString(name);
}

// The default value of HKEY_CLASSES_ROOT "CLSID\" + id: the class's own name for itself.
std::string ClassName(platform::Registry& registry, std::string_view id) {
  model::RegistryObject key(registry);
  key.SetRootKey(RootKey::ClassesRoot);
  if (!key.OpenKey("\\CLSID\\" + std::string(id), false)) return {};
  return TextOf(key, "");
}

std::string FullPath(RootKey root, std::string_view path) {
  return model::RootKeyName(root) + "\\" + std::string(path);
}

void ScanBarsOf(platform::Registry& registry, RootKey root, std::string_view path,
                model::TRegistryContents& found) {
  model::RegistryObject bars(registry);
  bars.SetRootKey(root);
  if (!bars.OpenKey("\\" + std::string(path), false)) return;
  for (const std::string& id : bars.KeyNames()) {
    TContent& addOn = found.emplace_back();
    addOn.KindCode = kExplorerBarKind;
    addOn.KeyPath = FullPath(root, std::string(path) + "\\" + id);
    addOn.ItemName = id;
    addOn.DisplayName = ClassName(registry, id);
  }
}

}  // namespace

void ScanMenuExtensions(platform::Registry& registry, model::TRegistryContents& found) {
  model::RegistryObject menus(registry);
  menus.SetRootKey(RootKey::CurrentUser);
  if (!menus.OpenKey("\\" + std::string(kMenuExtKey.substr(0, kMenuExtKey.size() - 1)), false)) {
    return;
  }
  for (const std::string& name : menus.KeyNames()) {
    TContent& addOn = found.emplace_back();
    addOn.KindCode = kMenuExtensionKind;
    addOn.KeyPath = FullPath(RootKey::CurrentUser, std::string(kMenuExtKey) + name);
    addOn.ValueData = kMenuExtKey;
    addOn.DisplayName = name;
  }
}

void ScanToolbars(platform::Registry& registry, model::TRegistryContents& found) {
  model::RegistryObject toolbar(registry);
  toolbar.SetRootKey(RootKey::LocalMachine);
  if (!toolbar.OpenKey("\\" + std::string(kToolbarKey), false)) return;
  for (const std::string& name : toolbar.ValueNames()) {
    platform::RegValue value;
    if (!toolbar.ReadRaw(name, value)) continue;
    TContent& addOn = found.emplace_back();
    addOn.KindCode = kToolbarKind;
    addOn.KeyPath = FullPath(RootKey::LocalMachine, kToolbarKey);
    addOn.ItemName = "Toolbar";
    addOn.ValueData = name;
    addOn.DisplayName = ToolbarDisplayName(registry, name, value);
  }
}

void ScanExplorerBars(platform::Registry& registry, model::TRegistryContents& found) {
  ScanBarsOf(registry, RootKey::CurrentUser, kUserBarsKey, found);
  ScanBarsOf(registry, RootKey::LocalMachine, kMachineBarsKey, found);
}

model::TRegistryContents FillAddOnList(platform::Registry& registry, AddOnDisplay display) {
  model::TRegistryContents found;
  if (display.menuExtensions) ScanMenuExtensions(registry, found);
  if (display.toolbar) ScanToolbars(registry, found);
  if (display.explorerBars) ScanExplorerBars(registry, found);
  return found;
}

std::string ToolbarDisplayName(platform::Registry& registry, std::string_view valueName,
                               const platform::RegValue& value) {
  namespace reg_type = platform::reg_type;
  const std::vector<std::uint8_t>& data = value.data;
  switch (value.type) {
    case reg_type::kString:
    case reg_type::kExpandString: {
      std::string text(data.begin(), data.end());
      text = text.substr(0, text.find('\0'));
      return text.empty() ? ClassName(registry, valueName) : text;
    }
    case reg_type::kDword: {
      std::uint32_t number = 0;
      for (std::size_t i = 0; i < data.size() && i < 4; ++i) {
        number |= static_cast<std::uint32_t>(data[i]) << (8 * i);
      }
      return model::FormatText("0x%08X(%d)", number, static_cast<std::int32_t>(number));
    }
    case reg_type::kBinary: {
      if (data.empty()) return "00";
      std::string text;
      for (std::uint8_t byte : data) {
        if (!text.empty()) text += ' ';
        text += model::FormatText("%02X", static_cast<unsigned>(byte));
      }
      return text;
    }
    default:
      return {};
  }
}

std::string RemovalTarget(const TContent& addOn) {
  if (addOn.KindCode == kToolbarKind) return addOn.ValueData;
  if (addOn.KindCode == kMenuExtensionKind) return addOn.DisplayName;
  return addOn.ItemName;
}

std::string AddOnId(const TContent& addOn) {
  const model::SplitKeyPath key = model::SplitFullKeyPath(addOn.KeyPath);
  const char* root = key.root == RootKey::CurrentUser ? "HKCU:" : "HKLM:";
  if (addOn.KindCode == kMenuExtensionKind)
    return "menuext:" + std::string(root) + addOn.DisplayName;
  if (addOn.KindCode == kToolbarKind) return "toolbar:" + std::string(root) + addOn.ValueData;
  return "explorerbar:" + std::string(root) + addOn.ItemName;
}

}  // namespace halvex::tools
