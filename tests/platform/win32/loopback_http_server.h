#pragma once
// A small web server on 127.0.0.1 for the Windows tests of the HTTP binding: it serves scripted
// answers by path, one connection at a time on its own thread, and keeps every request it read.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace halvex::testing {

struct ScriptedAnswer {
  unsigned status = 200;
  std::string body;
  // The Content-Length sent; the body's own length unless a test announces more than it sends.
  std::optional<std::size_t> announcedLength;
  // Reads the request and never answers, until the server stops.
  bool stall = false;

  static ScriptedAnswer With(unsigned status, std::string body) {
    return {status, std::move(body), std::nullopt, false};
  }
  // Announces `announced` bytes, sends `body` and closes the connection.
  static ScriptedAnswer CutShort(std::string body, std::size_t announced) {
    return {200, std::move(body), announced, false};
  }
  static ScriptedAnswer Silent() { return {0, {}, std::nullopt, true}; }
};

class LoopbackHttpServer {
 public:
  // Listens on an unused port of 127.0.0.1; started() says whether that worked.
  LoopbackHttpServer();
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  bool started() const { return listener_ != kNoSocket; }
  // "http://127.0.0.1:port" + path.
  std::string Url(const std::string& path) const;
  // A path without an answer gets 404.
  void Answer(const std::string& path, ScriptedAnswer answer);
  // The request texts received so far (request line and headers).
  std::vector<std::string> requests();

  // An address on 127.0.0.1 where nothing listens: a port taken and released again.
  static std::string ClosedPortUrl(const std::string& path);

 private:
  using Socket = std::uintptr_t;
  static constexpr Socket kNoSocket = ~Socket{0};

  void Serve();
  void Respond(Socket connection);

  Socket listener_ = kNoSocket;
  std::uint16_t port_ = 0;
  std::mutex mutex_;
  std::map<std::string, ScriptedAnswer> answers_;
  std::vector<std::string> requests_;
  std::vector<Socket> stalled_;
  std::thread thread_;
};

}  // namespace halvex::testing
