#include "platform/win32/win32_http_client.h"

#include <windows.h>
#include <wininet.h>

#include <string>

namespace halvex::platform::win32 {
namespace {

// Closes a WinINet handle when it goes out of scope.
class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_ != nullptr) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;

  HINTERNET get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HINTERNET handle_;
};

struct UrlParts {
  std::string host;
  INTERNET_PORT port = 0;
  std::string pathAndQuery;
  bool secure = false;
};

bool CrackUrl(const std::string& url, UrlParts& parts) {
  char host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
  char path[INTERNET_MAX_PATH_LENGTH] = {};
  char extra[INTERNET_MAX_PATH_LENGTH] = {};
  URL_COMPONENTSA components{};
  components.dwStructSize = sizeof components;
  components.lpszHostName = host;
  components.dwHostNameLength = sizeof host;
  components.lpszUrlPath = path;
  components.dwUrlPathLength = sizeof path;
  components.lpszExtraInfo = extra;
  components.dwExtraInfoLength = sizeof extra;
  if (!InternetCrackUrlA(url.c_str(), 0, 0, &components)) return false;
  if (components.nScheme != INTERNET_SCHEME_HTTP && components.nScheme != INTERNET_SCHEME_HTTPS) {
    return false;
  }
  if (host[0] == '\0') return false;
  parts.host = host;
  parts.port = components.nPort;
  parts.pathAndQuery = std::string(path[0] == '\0' ? "/" : path) + extra;
  parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
  return true;
}

// Why sending the request, or reading its answer, failed. Wine reports a read time-out as an
// aborted connection (12030) where Windows reports ERROR_INTERNET_TIMEOUT.
HttpFailure FailureOfLastError(HttpFailure otherwise) {
  switch (GetLastError()) {
    case ERROR_INTERNET_TIMEOUT:
      return HttpFailure::TimedOut;
    case ERROR_INTERNET_CONNECTION_ABORTED:
    case ERROR_INTERNET_CONNECTION_RESET:
    case ERROR_HTTP_INVALID_SERVER_RESPONSE:
      return HttpFailure::Interrupted;  // the server was reached, its answer broke off
    default:
      return otherwise;
  }
}

// Set on the request handle itself: that is where every version of the system honours it.
void SetTimeout(HINTERNET handle, DWORD option, DWORD milliseconds) {
  // A time-out the client cannot take only leaves the system's default in place.
  (void)InternetSetOptionA(handle, option, &milliseconds, sizeof milliseconds);
}

// A numeric response header; false when the server sent none.
bool QueryNumber(HINTERNET request, DWORD info, DWORD& number) {
  DWORD size = sizeof number;
  return HttpQueryInfoA(request, info | HTTP_QUERY_FLAG_NUMBER, &number, &size, nullptr) != 0;
}

std::string RequestHeaders(const HttpGet& request) {
  std::string headers;
  if (!request.accept.empty()) headers += "Accept: " + request.accept + "\r\n";
  if (!request.contentType.empty()) headers += "Content-Type: " + request.contentType + "\r\n";
  return headers;
}

}  // namespace

HttpResponse Win32HttpClient::Get(const HttpGet& request) {
  HttpResponse response;
  UrlParts url;
  if (!CrackUrl(request.url, url)) {
    response.failure = HttpFailure::BadAddress;
    return response;
  }

  const InternetHandle session(
      InternetOpenA(request.userAgent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) {
    response.failure = HttpFailure::NoConnection;
    return response;
  }

  const InternetHandle connection(InternetConnectA(session.get(), url.host.c_str(), url.port,
                                                   nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) {
    response.failure = HttpFailure::NoConnection;
    return response;
  }

  // Always from the server: a cached copy would hide a newer file.
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                INTERNET_FLAG_NO_UI;
  if (url.secure) flags |= INTERNET_FLAG_SECURE;
  const InternetHandle http(HttpOpenRequestA(connection.get(), "GET", url.pathAndQuery.c_str(),
                                             nullptr, nullptr, nullptr, flags, 0));
  if (!http) {
    response.failure = HttpFailure::NoConnection;
    return response;
  }
  if (request.readTimeoutMs != 0) {
    SetTimeout(http.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, request.readTimeoutMs);
  }
  const std::string headers = RequestHeaders(request);
  if (!headers.empty() &&
      !HttpAddRequestHeadersA(http.get(), headers.c_str(), static_cast<DWORD>(headers.size()),
                              HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE)) {
    response.failure = HttpFailure::BadAddress;
    return response;
  }
  if (!HttpSendRequestA(http.get(), nullptr, 0, nullptr, 0)) {
    response.failure = FailureOfLastError(HttpFailure::NoConnection);
    return response;
  }

  DWORD status = 0;
  if (!QueryNumber(http.get(), HTTP_QUERY_STATUS_CODE, status)) {
    response.failure = HttpFailure::Interrupted;
    return response;
  }
  response.status = status;
  if (status < 200 || status >= 300) {
    response.failure = HttpFailure::HttpStatus;
    return response;
  }

  char buffer[8192];
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(http.get(), buffer, sizeof buffer, &read)) {
      response.failure = FailureOfLastError(HttpFailure::Interrupted);
      response.body.clear();
      return response;
    }
    if (read == 0) break;
    response.body.append(buffer, read);
  }

  // The end of the data is also what a broken connection looks like; the announced length tells
  // the two apart.
  DWORD announced = 0;
  if (QueryNumber(http.get(), HTTP_QUERY_CONTENT_LENGTH, announced) &&
      announced != response.body.size()) {
    response.failure = HttpFailure::Interrupted;
    response.body.clear();
  }
  return response;
}

}  // namespace halvex::platform::win32
