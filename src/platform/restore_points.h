#pragma once
// The system restore service: its restore points, creating, restoring and deleting one, and the
// restart a restore needs. Each method answers the service's own result, 0 for success; an
// error the service raises (no such service, a refused call) comes back as its message.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvex::platform {

// One instance of the service's class, with the four properties the program reads. A property
// the instance lacks stays empty (type 0).
struct RestorePointInstance {
  std::string creationTime{};  // management date-time text: "yyyymmddhhnnss.uuuuuu+ooo"
  std::int32_t type = 0;       // RestorePointType; 13 marks a cancelled operation
  std::string description{};
  std::string sequenceNumber{};  // the integer as text
  friend bool operator==(const RestorePointInstance&, const RestorePointInstance&) = default;
};

struct [[nodiscard]] RestorePointListing {
  std::vector<RestorePointInstance> instances{};
  std::string error{};  // non-empty when the service raised one
};

struct [[nodiscard]] RestorePointAnswer {
  std::int32_t result = 0;
  std::string error{};  // non-empty when the service raised one; `result` means nothing then

  bool raised() const { return !error.empty(); }
  bool succeeded() const { return !raised() && result == 0; }
};

// The arguments the program creates its points with: an application installation (0) whose
// change begins (100).
inline constexpr std::int32_t kApplicationInstall = 0;
inline constexpr std::int32_t kBeginSystemChange = 100;
inline constexpr std::int32_t kCancelledOperation = 13;

// The restart after a restore: EWX_REBOOT with EWX_FORCEIFHUNG, so that programs that answer
// may still save their work (a forced restart, 6, would kill them with it).
inline constexpr std::uint32_t kRestartFlags = 0x12;

class RestorePointService {
 public:
  virtual ~RestorePointService() = default;
  virtual RestorePointListing List() = 0;
  virtual RestorePointAnswer Create(std::string_view description, std::int32_t type,
                                    std::int32_t eventType) = 0;
  virtual RestorePointAnswer Restore(std::uint32_t sequenceNumber) = 0;
  virtual RestorePointAnswer Delete(std::uint32_t sequenceNumber) = 0;
  // Enables the shutdown privilege and asks the system to restart with `flags`.
  virtual void Restart(std::uint32_t flags) = 0;
};

}  // namespace halvex::platform
