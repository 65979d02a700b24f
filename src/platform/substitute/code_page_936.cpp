#include "platform/substitute/code_page_936.h"

#if __has_include(<iconv.h>)
#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>
#include <unordered_map>
#endif

namespace halvex::platform::substitute {

#if __has_include(<iconv.h>)
namespace {

constexpr unsigned kFirstLead = 0x81, kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFE;
constexpr unsigned kTrailCount = kLastTrail - kFirstTrail + 1;

// Every pair decoded once; 0 marks a pair that forms no character.
struct Table936 {
  std::array<char16_t, (kLastLead - kFirstLead + 1) * kTrailCount> pairs{};
  std::unordered_map<char16_t, std::uint16_t> encode;
};

std::unique_ptr<Table936> BuildTable() {
  iconv_t converter = iconv_open("UTF-16LE", "CP936");
  if (converter == reinterpret_cast<iconv_t>(-1)) return nullptr;
  auto table = std::make_unique<Table936>();
  for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
    for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      if (trail == 0x7F) continue;  // never a trail byte
      char in[2] = {char(lead), char(trail)};
      unsigned char out[8] = {};
      char* inPtr = in;
      char* outPtr = reinterpret_cast<char*>(out);
      std::size_t inLeft = sizeof in, outLeft = sizeof out;
      iconv(converter, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
      if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
          inLeft != 0 || sizeof out - outLeft != 2) {
        continue;  // no character, or more than one UTF-16 unit
      }
      const auto wide = static_cast<char16_t>(out[0] | (out[1] << 8));
      table->pairs[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)] = wide;
      table->encode.emplace(wide, static_cast<std::uint16_t>(lead << 8 | trail));
    }
  }
  iconv_close(converter);
  return table;
}

const Table936* Table() {
  static const std::unique_ptr<Table936> table = BuildTable();
  return table.get();
}

}  // namespace

std::optional<char16_t> Decode936Pair(unsigned char lead, unsigned char trail) {
  const Table936* table = Table();
  if (table == nullptr || lead < kFirstLead || lead > kLastLead || trail < kFirstTrail ||
      trail > kLastTrail) {
    return std::nullopt;
  }
  const char16_t wide = table->pairs[(lead - kFirstLead) * kTrailCount + (trail - kFirstTrail)];
  if (wide == 0) return std::nullopt;
  return wide;
}

std::optional<std::string> Encode936(char16_t character) {
  const Table936* table = Table();
  if (table == nullptr) return std::nullopt;
  const auto found = table->encode.find(character);
  if (found == table->encode.end()) return std::nullopt;
  return std::string{char(found->second >> 8), char(found->second & 0xFF)};
}

bool Has936Table() {
  return Table() != nullptr;
}

#else

std::optional<char16_t> Decode936Pair(unsigned char, unsigned char) {
  return std::nullopt;
}
std::optional<std::string> Encode936(char16_t) {
  return std::nullopt;
}
bool Has936Table() {
  return false;
}

#endif

}  // namespace halvex::platform::substitute
