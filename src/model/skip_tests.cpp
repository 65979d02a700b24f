#include "model/skip_tests.h"

#include "model/text_search.h"

namespace halvex::model {

bool IsFloppyReference(platform::Locale& locale, std::string_view text) {
  return ContainsNoCase(locale, text, "A:");
}

bool IsNetworkReference(std::string_view text) {
  return Contains(text, "\\\\");
}

bool IsDriverReference(platform::Locale& locale, std::string_view text) {
  return ContainsNoCase(locale, text, ".sys") || ContainsNoCase(locale, text, ".vxd");
}

}  // namespace halvex::model
