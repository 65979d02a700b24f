#include "tests/platform/win32/loopback_http_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace halvex::testing {
namespace {

// Winsock stays started for the life of the test program.
bool StartWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

// A socket bound to 127.0.0.1 on a port the system picks; INVALID_SOCKET on failure.
SOCKET BindLoopback(std::uint16_t& port) {
  if (!StartWinsock()) return INVALID_SOCKET;
  SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket == INVALID_SOCKET) return socket;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int length = sizeof address;
  if (bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    closesocket(socket);
    return INVALID_SOCKET;
  }
  port = ntohs(address.sin_port);
  return socket;
}

std::string ReadRequest(SOCKET connection) {
  std::string request;
  char buffer[1024];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const int read = recv(connection, buffer, sizeof buffer, 0);
    if (read <= 0) break;
    request.append(buffer, static_cast<std::size_t>(read));
  }
  return request;
}

std::string PathOf(const std::string& request) {
  const std::size_t start = request.find(' ');
  const std::size_t end = request.find(' ', start + 1);
  if (start == std::string::npos || end == std::string::npos) return {};
  return request.substr(start + 1, end - start - 1);
}

void SendAll(SOCKET connection, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const int piece =
        send(connection, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
    if (piece <= 0) return;
    sent += static_cast<std::size_t>(piece);
  }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
  const SOCKET listener = BindLoopback(port_);
  if (listener == INVALID_SOCKET) return;
  if (listen(listener, SOMAXCONN) != 0) {
    closesocket(listener);
    return;
  }
  listener_ = listener;
  thread_ = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  if (listener_ == kNoSocket) return;
  // Closing the listener ends the pending accept, and with it the serving thread.
  closesocket(static_cast<SOCKET>(listener_));
  thread_.join();
  for (const Socket stalled : stalled_) closesocket(static_cast<SOCKET>(stalled));
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LoopbackHttpServer::Answer(const std::string& path, ScriptedAnswer answer) {
  const std::lock_guard lock(mutex_);
  answers_[path] = std::move(answer);
}

std::vector<std::string> LoopbackHttpServer::requests() {
  const std::lock_guard lock(mutex_);
  return requests_;
}

std::string LoopbackHttpServer::ClosedPortUrl(const std::string& path) {
  std::uint16_t port = 0;
  const SOCKET socket = BindLoopback(port);
  if (socket != INVALID_SOCKET) closesocket(socket);
  return "http://127.0.0.1:" + std::to_string(port) + path;
}

void LoopbackHttpServer::Serve() {
  for (;;) {
    const SOCKET connection = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
    if (connection == INVALID_SOCKET) return;
    Respond(connection);
  }
}

void LoopbackHttpServer::Respond(Socket connection) {
  const SOCKET socket = static_cast<SOCKET>(connection);
  const std::string request = ReadRequest(socket);
  ScriptedAnswer answer = ScriptedAnswer::With(404, "Not Found");
  {
    const std::lock_guard lock(mutex_);
    requests_.push_back(request);
    const auto scripted = answers_.find(PathOf(request));
    if (scripted != answers_.end()) answer = scripted->second;
    if (answer.stall) {
      stalled_.push_back(connection);
      return;
    }
  }
  const std::size_t length = answer.announcedLength.value_or(answer.body.size());
  SendAll(socket, "HTTP/1.1 " + std::to_string(answer.status) + " Scripted\r\n" +
                      "Content-Type: text/plain\r\nContent-Length: " + std::to_string(length) +
                      "\r\nConnection: close\r\n\r\n" + answer.body);
  shutdown(socket, SD_SEND);
  closesocket(socket);
}

}  // namespace halvex::testing
