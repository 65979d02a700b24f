#pragma once
// The vendor's web addresses built into the program: the home page (the site root) and the help
// page ("/help"), used when the settings name none; and the update server, from which the update
// check and the tools fetch their files.
//
// The site defaults to http://www.halvex.example, a name of the reserved .example domain that
// never reaches anybody's server. A release build names the real one at configure time:
//   cmake --preset win64 -DHALVEX_VENDOR_SITE=http://www.example.com
// and may set either address on its own with HALVEX_HOME_PAGE_URL or HALVEX_HELP_URL.
// The update server is the vendor's site unless HALVEX_UPDATE_SERVER names another scheme and
// host (with a port if needed, no trailing slash):
//   cmake --preset win64 -DHALVEX_UPDATE_SERVER=http://update.example.com
// Tests hand their own server to the operations instead (see update_server.h).
#include <string_view>

#ifndef HALVEX_VENDOR_SITE
#define HALVEX_VENDOR_SITE "http://www.halvex.example"
#endif
#ifndef HALVEX_HOME_PAGE_URL
#define HALVEX_HOME_PAGE_URL HALVEX_VENDOR_SITE "/"
#endif
#ifndef HALVEX_UPDATE_SERVER
#define HALVEX_UPDATE_SERVER HALVEX_VENDOR_SITE
#endif
#ifndef HALVEX_HELP_URL
#define HALVEX_HELP_URL HALVEX_VENDOR_SITE "/help"
#endif

namespace halvex::model {

inline constexpr std::string_view kVendorHomePage = HALVEX_HOME_PAGE_URL;
inline constexpr std::string_view kVendorHelpPage = HALVEX_HELP_URL;
inline constexpr std::string_view kUpdateServer = HALVEX_UPDATE_SERVER;

}  // namespace halvex::model
