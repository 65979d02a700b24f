#include "model/update_server.h"

namespace halvex::model {

std::string UpdateServerUrl(std::string_view server, std::string_view path) {
  while (server.ends_with('/')) server.remove_suffix(1);
  return std::string(server) + std::string(path);
}

}  // namespace halvex::model
