#pragma once
// The files the program fetches from the vendor's update server. The paths are fixed; the
// server (scheme and host) is configuration, kUpdateServer unless a caller names another.
#include <string>
#include <string_view>

namespace halvex::model {

inline constexpr std::string_view kVersionFilePath = "/update/Update.ini";
inline constexpr std::string_view kActiveXCodePath = "/update2.0/Code";
inline constexpr std::string_view kErrorListPath = "/update2.0/errorlist.txt";

// The address of `path` on `server` ("http://host" + "/update/Update.ini"); a trailing slash of
// the server is dropped so that the path keeps its single one.
std::string UpdateServerUrl(std::string_view server, std::string_view path);

}  // namespace halvex::model
