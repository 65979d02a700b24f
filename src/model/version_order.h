#pragma once
// Which of two version texts ("3.0", "3.1", "10.0") is the newer one.
#include <string_view>

namespace halvex::model {

// True when `offered` is newer than `installed`. Versions made of dot-separated decimal fields
// compare field by field as numbers, a missing field counting as 0 ("10.0" is newer than "3.0",
// "3.0" and "3" are the same). When a field of either is not a number, the texts compare byte by
// byte. An empty installed version is older than any offered one; an empty offered version is
// newer than none, since the server then names nothing to install.
bool IsNewerVersion(std::string_view offered, std::string_view installed);

}  // namespace halvex::model
