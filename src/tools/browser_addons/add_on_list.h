#pragma once
// The browser add-ons that live in the registry: context-menu extensions, toolbar buttons and
// explorer bars, each found add-on one problem record of a collection that lives while a list
// is filled.
#include <string>
#include <string_view>

#include "model/registry_contents.h"
#include "platform/registry.h"

namespace halvex::tools {

// The records' `KindCode`s.
inline constexpr std::string_view kMenuExtensionKind = "1";
inline constexpr std::string_view kToolbarKind = "2";
inline constexpr std::string_view kExplorerBarKind = "3";

// Which kinds the list shows: the window's three "Display" check boxes.
struct AddOnDisplay {
  bool menuExtensions = true;
  bool toolbar = true;
  bool explorerBars = true;
};

// One record per subkey of HKEY_CURRENT_USER "Software\Microsoft\Internet Explorer\MenuExt":
// KeyPath the subkey's full path, ValueData the parent's path below the root, DisplayName the
// subkey's name.
void ScanMenuExtensions(platform::Registry& registry, model::TRegistryContents& found);
// One record per value of HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Internet Explorer\Toolbar":
// KeyPath the Toolbar key, ItemName "Toolbar", ValueData the value's name, DisplayName its
// data as ToolbarDisplayName gives it.
void ScanToolbars(platform::Registry& registry, model::TRegistryContents& found);
// One record per subkey G of "Software\Microsoft\Internet Explorer\Explorer Bars", the user's
// before the machine's: KeyPath the subkey's full path, ItemName G, DisplayName the default
// value of HKEY_CLASSES_ROOT "CLSID\" + G ("" when that key does not exist).
void ScanExplorerBars(platform::Registry& registry, model::TRegistryContents& found);

// The three scanners, as far as `display` asks for them, into one collection; rows unticked.
model::TRegistryContents FillAddOnList(platform::Registry& registry, AddOnDisplay display);

// A toolbar value's display text, by its type: a string as it is, or, when it is empty, the
// default value of its class key HKEY_CLASSES_ROOT "CLSID\" + `valueName`; a REG_DWORD as
// "0x000000FF(255)"; REG_BINARY data as its bytes in upper-case hex separated by blanks ("00"
// for none); "" for any other type.
std::string ToolbarDisplayName(platform::Registry& registry, std::string_view valueName,
                               const platform::RegValue& value);

// What a removal deletes: the value name for a toolbar button, the subkey's name otherwise.
std::string RemovalTarget(const model::registry_content::TContent& addOn);

// A name that stays the add-on's own across listings, for halvex-cli: "menuext:", "toolbar:" or
// "explorerbar:", the root's short name ("HKCU:", "HKLM:") and the add-on's name in its key.
std::string AddOnId(const model::registry_content::TContent& addOn);

}  // namespace halvex::tools
