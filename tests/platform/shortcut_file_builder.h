#pragma once
// Writes shortcut (.lnk) files in the shell link binary format, so that the tests hold the
// readers to files they made themselves: the header, an optional target ID list, the link
// information (local path, network share, suffix, optionally in Unicode too), a description,
// and the terminal block.
#include <cstddef>
#include <string>

namespace halvex::testing {

struct ShortcutLayout {
  std::string localBasePath{};     // empty: no local path
  std::string commonPathSuffix{};  // appended to the local path or to the share
  std::string networkShare{};      // "\\server\share": the link points into a network share
  bool withIdList = false;         // an ID list (My Computer) before the link information
  bool withUnicode = false;        // Unicode copies of the paths (link information header 0x24)
  bool withLinkInfo = true;
  std::string description{};  // the name string after the link information
};

struct BuiltShortcut {
  std::string bytes;
  std::size_t linkInfoAt = 0;  // where the link information begins
};

// Texts are Windows-1252.
BuiltShortcut BuildShortcutFile(const ShortcutLayout& layout);

}  // namespace halvex::testing
