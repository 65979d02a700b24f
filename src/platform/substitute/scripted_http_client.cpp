#include "platform/substitute/scripted_http_client.h"

namespace halvex::platform::substitute {

void ScriptedHttpClient::Serve(std::string_view url, std::string_view body) {
  answers_[std::string(url)] = HttpResponse{HttpFailure::None, 200, std::string(body)};
}

void ScriptedHttpClient::Fail(std::string_view url, HttpFailure failure, unsigned status) {
  answers_[std::string(url)] = HttpResponse{failure, status, {}};
}

HttpResponse ScriptedHttpClient::Get(const HttpGet& request) {
  requests_.push_back(request);
  const auto answer = answers_.find(request.url);
  if (answer == answers_.end()) return HttpResponse{HttpFailure::NoConnection, 0, {}};
  return answer->second;
}

}  // namespace halvex::platform::substitute
