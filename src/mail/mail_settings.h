#pragma once
// Where the error report goes. The build names the server and the mailboxes with CMake cache
// variables, compiled from a header generated in the build tree:
//   cmake --preset win64 -DHALVEX_MAIL_HOST=mail.example.com -DHALVEX_MAIL_LOGIN=...
// and environment variables of the same names override them at run time. The source tree holds
// only addresses of the reserved .example domain, which reach nobody, and no password.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/smtp_client.h"

namespace halvex::mail {

// The settings the build compiled in.
platform::SmtpSettings BuiltInMailSettings();

// Reads one environment variable; nullopt when it is not set.
using EnvironmentReader = std::function<std::optional<std::string>(std::string_view name)>;
// The process's own environment.
std::optional<std::string> ProcessEnvironment(std::string_view name);

// `settings` with every variable that is set put in place: HALVEX_MAIL_HOST, HALVEX_MAIL_PORT,
// HALVEX_MAIL_LOGIN, HALVEX_MAIL_PASSWORD, HALVEX_MAIL_SENDER, HALVEX_MAIL_REPLY_TO,
// HALVEX_MAIL_RECIPIENT, HALVEX_MAIL_CA_FILE, HALVEX_MAIL_CONNECT_TIMEOUT_MS and
// HALVEX_MAIL_TIMEOUT_MS. A number that does not read keeps the built-in one.
platform::SmtpSettings WithEnvironment(platform::SmtpSettings settings,
                                       const EnvironmentReader& environment);

// What the report is sent with: the built-in settings under the process's environment.
platform::SmtpSettings ConfiguredMailSettings();

}  // namespace halvex::mail
