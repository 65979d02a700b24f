#include "platform/substitute/shell_link_format.h"

#include <cstdint>
#include <optional>

namespace halvex::platform::substitute {
namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
// {00021401-0000-0000-C000-000000000046}, the shell link class, as the file stores it.
constexpr unsigned char kShellLinkClass[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                               0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

namespace link_flag {
constexpr std::uint32_t kHasTargetIdList = 0x1;
constexpr std::uint32_t kHasLinkInfo = 0x2;
constexpr std::uint32_t kForceNoLinkInfo = 0x100;
}  // namespace link_flag

namespace link_info_flag {
constexpr std::uint32_t kLocalBasePath = 0x1;
constexpr std::uint32_t kNetworkLink = 0x2;
}  // namespace link_info_flag

// Little-endian reads that refuse to leave the bytes they are given.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::uint32_t> U32(std::size_t at) const {
    if (at > bytes_.size() || bytes_.size() - at < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes_[at + i]);
    return value;
  }
  std::optional<std::uint16_t> U16(std::size_t at) const {
    if (at > bytes_.size() || bytes_.size() - at < 2) return std::nullopt;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_[at]) |
                                      static_cast<unsigned char>(bytes_[at + 1]) << 8);
  }
  // A NUL-terminated string that ends before the end of the bytes.
  std::optional<std::string> Ansi(std::size_t at) const {
    if (at >= bytes_.size()) return std::nullopt;
    const std::size_t end = bytes_.find('\0', at);
    if (end == std::string_view::npos) return std::nullopt;
    return std::string(bytes_.substr(at, end - at));
  }
  std::optional<std::u16string> Unicode(std::size_t at) const {
    std::u16string text;
    for (;; at += 2) {
      const std::optional<std::uint16_t> unit = U16(at);
      if (!unit) return std::nullopt;
      if (*unit == 0) return text;
      text.push_back(char16_t(*unit));
    }
  }
  std::string_view Sub(std::size_t at, std::size_t size) const { return bytes_.substr(at, size); }
  std::size_t size() const { return bytes_.size(); }

 private:
  std::string_view bytes_;
};

// A string of the link information at its ANSI offset, or at its Unicode one when the header
// has Unicode offsets and that one is set.
std::optional<std::string> LinkInfoString(const Reader& info, std::uint32_t ansiOffset,
                                          std::optional<std::uint32_t> unicodeOffset,
                                          const CodePage& codePage) {
  if (unicodeOffset && *unicodeOffset != 0) {
    const std::optional<std::u16string> text = info.Unicode(*unicodeOffset);
    if (!text) return std::nullopt;
    return codePage.FromUtf16(*text);
  }
  if (ansiOffset == 0) return std::string();
  return info.Ansi(ansiOffset);
}

// The share name of a CommonNetworkRelativeLink structure.
std::optional<std::string> NetworkName(const Reader& info, std::uint32_t offset,
                                       const CodePage& codePage) {
  const std::optional<std::uint32_t> size = info.U32(offset);
  if (!size || *size < 0x14 || *size > info.size() - offset) return std::nullopt;
  const Reader network(info.Sub(offset, *size));
  const std::optional<std::uint32_t> nameOffset = network.U32(8);
  if (!nameOffset) return std::nullopt;
  // Structures with a name offset beyond the fixed part carry Unicode names as well.
  const std::optional<std::uint32_t> unicodeOffset =
      *nameOffset > 0x14 ? network.U32(0x14) : std::nullopt;
  if (*nameOffset > 0x14 && !unicodeOffset) return std::nullopt;
  return LinkInfoString(network, *nameOffset, unicodeOffset, codePage);
}

std::optional<std::string> TargetFromLinkInfo(const Reader& info, const CodePage& codePage) {
  const std::optional<std::uint32_t> headerSize = info.U32(4);
  const std::optional<std::uint32_t> flags = info.U32(8);
  const std::optional<std::uint32_t> localOffset = info.U32(16);
  const std::optional<std::uint32_t> networkOffset = info.U32(20);
  const std::optional<std::uint32_t> suffixOffset = info.U32(24);
  if (!headerSize || !flags || !localOffset || !networkOffset || !suffixOffset ||
      *headerSize < 0x1C) {
    return std::nullopt;
  }
  const bool hasUnicode = *headerSize >= 0x24;
  const std::optional<std::uint32_t> localUnicode = hasUnicode ? info.U32(0x1C) : std::nullopt;
  const std::optional<std::uint32_t> suffixUnicode = hasUnicode ? info.U32(0x20) : std::nullopt;
  if (hasUnicode && (!localUnicode || !suffixUnicode)) return std::nullopt;

  const std::optional<std::string> suffix =
      LinkInfoString(info, *suffixOffset, suffixUnicode, codePage);
  if (!suffix) return std::nullopt;
  if ((*flags & link_info_flag::kNetworkLink) != 0) {
    const std::optional<std::string> share = NetworkName(info, *networkOffset, codePage);
    if (!share) return std::nullopt;
    return suffix->empty() ? *share : *share + "\\" + *suffix;
  }
  if ((*flags & link_info_flag::kLocalBasePath) != 0) {
    const std::optional<std::string> base =
        LinkInfoString(info, *localOffset, localUnicode, codePage);
    if (!base) return std::nullopt;
    return *base + *suffix;
  }
  return std::string();
}

}  // namespace

std::string ShortcutTargetFromBytes(std::string_view bytes, const CodePage& codePage) {
  const Reader file(bytes);
  if (file.U32(0) != kHeaderSize || bytes.size() < kHeaderSize ||
      bytes.substr(4, 16) != std::string_view(reinterpret_cast<const char*>(kShellLinkClass), 16)) {
    return {};
  }
  const std::uint32_t flags = *file.U32(20);
  std::size_t at = kHeaderSize;
  if ((flags & link_flag::kHasTargetIdList) != 0) {
    const std::optional<std::uint16_t> idListSize = file.U16(at);
    if (!idListSize) return {};
    at += 2 + *idListSize;
  }
  if ((flags & link_flag::kHasLinkInfo) == 0 || (flags & link_flag::kForceNoLinkInfo) != 0) {
    return {};
  }
  const std::optional<std::uint32_t> infoSize = file.U32(at);
  if (!infoSize || *infoSize < 0x1C || *infoSize > bytes.size() - at) return {};
  return TargetFromLinkInfo(Reader(bytes.substr(at, *infoSize)), codePage).value_or("");
}

}  // namespace halvex::platform::substitute
