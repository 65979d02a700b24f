#pragma once
// A web server for tests: a map from URL to the body it serves or the failure it gives, and a
// record of every request made.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/http_client.h"

namespace halvex::platform::substitute {

class ScriptedHttpClient final : public HttpClient {
 public:
  // The URL answers 200 with this body from now on.
  void Serve(std::string_view url, std::string_view body);
  // The URL fails from now on; `status` is the HTTP status for an HttpStatus failure.
  void Fail(std::string_view url, HttpFailure failure, unsigned status = 0);

  // A URL that was never scripted fails with NoConnection, as an unknown host does.
  HttpResponse Get(const HttpGet& request) override;

  const std::vector<HttpGet>& requests() const { return requests_; }

 private:
  std::map<std::string, HttpResponse, std::less<>> answers_;
  std::vector<HttpGet> requests_;
};

}  // namespace halvex::platform::substitute
