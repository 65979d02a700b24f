#pragma once
// HTTP GET over WinINet, the system's own client: the system's proxy settings and cookie store
// apply, and the read time-out of the request is the receive time-out of the connection.
#include "platform/http_client.h"

namespace halvex::platform::win32 {

class Win32HttpClient final : public HttpClient {
 public:
  HttpResponse Get(const HttpGet& request) override;
};

}  // namespace halvex::platform::win32
