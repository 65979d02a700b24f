#pragma once
// Lets GoogleTest name HTTP failures in its messages.
#include <ostream>

#include "platform/http_client.h"

namespace halvex::platform {

inline void PrintTo(HttpFailure failure, std::ostream* out) {
  constexpr const char* kNames[] = {"None",     "BadAddress", "NoConnection",
                                    "TimedOut", "HttpStatus", "Interrupted"};
  *out << kNames[static_cast<int>(failure)];
}

}  // namespace halvex::platform
