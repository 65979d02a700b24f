#pragma once
// Fetching one file from a web server by HTTP GET, as the update check and the tools that load
// their data files from the vendor's server need it.
#include <cstdint>
#include <string>

namespace halvex::platform {

struct HttpGet {
  std::string url;  // "http://host[:port]/path" (or https)
  std::string accept;
  std::string contentType;
  std::string userAgent;
  // How long the client waits for the server's next bytes before it gives up.
  std::uint32_t readTimeoutMs = 0;
  friend bool operator==(const HttpGet&, const HttpGet&) = default;
};

enum class HttpFailure {
  None,
  BadAddress,    // the URL is no http or https address
  NoConnection,  // the host is unknown or refuses the connection
  TimedOut,      // the server stayed silent longer than the read time-out
  HttpStatus,    // the server answered with a status other than 2xx
  Interrupted,   // the connection broke before the whole body arrived
};

struct HttpResponse {
  HttpFailure failure = HttpFailure::None;
  unsigned status = 0;  // the server's status code, 0 when it did not answer
  std::string body;     // the whole body; only meaningful when ok()
  bool ok() const { return failure == HttpFailure::None; }
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  // Blocks until the whole body has arrived or the request failed. A body is returned only when
  // it is complete: a body shorter than the length the server announced is Interrupted.
  [[nodiscard]] virtual HttpResponse Get(const HttpGet& request) = 0;
};

}  // namespace halvex::platform
