#include "tests/platform/shortcut_file_builder.h"

#include <cstdint>

#include "platform/substitute/code_page.h"

namespace halvex::testing {
namespace {

void PutU16(std::string& out, std::uint16_t value) {
  out.push_back(char(value & 0xFF));
  out.push_back(char(value >> 8));
}

void PutU32(std::string& out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

void PutAnsi(std::string& out, const std::string& text) {
  out += text;
  out.push_back('\0');
}

void PutUnicode(std::string& out, const std::string& text) {
  for (char16_t unit : platform::substitute::CodePage::Windows1252().ToUtf16(text)) {
    PutU16(out, static_cast<std::uint16_t>(unit));
  }
  PutU16(out, 0);
}

void SetU32(std::string& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = char((value >> (8 * i)) & 0xFF);
}

constexpr unsigned char kShellLinkClass[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                               0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// The shell item of My Computer: {20D04FE0-3AEA-1069-A2D8-08002B30309D}.
constexpr unsigned char kMyComputerItem[20] = {0x14, 0x00, 0x1F, 0x50, 0xE0, 0x4F, 0xD0,
                                               0x20, 0xEA, 0x3A, 0x69, 0x10, 0xA2, 0xD8,
                                               0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};

std::string LinkInfo(const ShortcutLayout& layout) {
  const bool local = !layout.localBasePath.empty();
  const bool network = !layout.networkShare.empty();
  const std::uint32_t headerSize = layout.withUnicode ? 0x24 : 0x1C;
  std::string info(headerSize, '\0');
  SetU32(info, 4, headerSize);
  SetU32(info, 8, (local ? 0x1 : 0) | (network ? 0x2 : 0));
  if (local) {
    SetU32(info, 12, static_cast<std::uint32_t>(info.size()));  // VolumeID: a fixed drive
    PutU32(info, 0x11);
    PutU32(info, 3);
    PutU32(info, 0x1234ABCD);
    PutU32(info, 0x10);
    info.push_back('\0');
    SetU32(info, 16, static_cast<std::uint32_t>(info.size()));
    PutAnsi(info, layout.localBasePath);
  }
  if (network) {
    SetU32(info, 20, static_cast<std::uint32_t>(info.size()));
    PutU32(info, static_cast<std::uint32_t>(0x14 + layout.networkShare.size() + 1));
    PutU32(info, 0);     // no device name, no provider type
    PutU32(info, 0x14);  // the share name follows the fixed part
    PutU32(info, 0);
    PutU32(info, 0);
    PutAnsi(info, layout.networkShare);
  }
  SetU32(info, 24, static_cast<std::uint32_t>(info.size()));
  PutAnsi(info, layout.commonPathSuffix);
  if (layout.withUnicode) {
    if (local) {
      SetU32(info, 0x1C, static_cast<std::uint32_t>(info.size()));
      PutUnicode(info, layout.localBasePath);
    }
    SetU32(info, 0x20, static_cast<std::uint32_t>(info.size()));
    PutUnicode(info, layout.commonPathSuffix);
  }
  SetU32(info, 0, static_cast<std::uint32_t>(info.size()));
  return info;
}

}  // namespace

BuiltShortcut BuildShortcutFile(const ShortcutLayout& layout) {
  std::uint32_t flags = 0;
  if (layout.withIdList) flags |= 0x1;
  if (layout.withLinkInfo) flags |= 0x2;
  if (!layout.description.empty()) flags |= 0x4;

  BuiltShortcut built;
  std::string& out = built.bytes;
  PutU32(out, 0x4C);
  out.append(reinterpret_cast<const char*>(kShellLinkClass), sizeof kShellLinkClass);
  PutU32(out, flags);
  PutU32(out, 0x20);                // the target's attributes: archive
  out.append(3 * 8, '\0');          // creation, access and write times
  PutU32(out, 0);                   // file size
  PutU32(out, 0);                   // icon index
  PutU32(out, 1);                   // show normally
  out.append(2 + 2 + 4 + 4, '\0');  // hot key and reserved fields
  if (layout.withIdList) {
    PutU16(out, sizeof kMyComputerItem + 2);
    out.append(reinterpret_cast<const char*>(kMyComputerItem), sizeof kMyComputerItem);
    PutU16(out, 0);  // the terminal item
  }
  built.linkInfoAt = out.size();
  if (layout.withLinkInfo) out += LinkInfo(layout);
  if (!layout.description.empty()) {
    PutU16(out, static_cast<std::uint16_t>(layout.description.size()));
    out += layout.description;
  }
  PutU32(out, 0);  // the terminal block of the extra data
  return built;
}

}  // namespace halvex::testing
