#pragma once
// The substitute system restore service. Its points live in one optional text file of the
// machine, "<system drive>\System Volume Information\restore_points.ini", one section per
// point named by its sequence number, each property a line taken exactly as written:
//   [12]
//   CreationTime=20240131142507.000000+480
//   RestorePointType=0
//   Description=Installed Halvex
// A missing property is a property the instance lacks; a missing file is a machine without
// points. Creating a point appends a section with the next sequence number and the clock's
// time; deleting one removes its section. Tests script results and raised errors per
// operation; restarts are recorded, never carried out.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/restore_points.h"
#include "platform/substitute/fixed_clock.h"

namespace halvex::platform::substitute {

class SubstituteRestorePoints final : public RestorePointService {
 public:
  enum class Operation { List, Create, Restore, Delete };

  SubstituteRestorePoints(FileSystem& files, FixedClock& clock) : files_(files), clock_(clock) {}

  // The operation answers `result` instead of doing its work.
  void ScriptResult(Operation operation, std::int32_t result) { results_[operation] = result; }
  // The operation raises an error with this message.
  void ScriptError(Operation operation, std::string message) {
    errors_[operation] = std::move(message);
  }

  RestorePointListing List() override;
  RestorePointAnswer Create(std::string_view description, std::int32_t type,
                            std::int32_t eventType) override;
  RestorePointAnswer Restore(std::uint32_t sequenceNumber) override;
  RestorePointAnswer Delete(std::uint32_t sequenceNumber) override;
  void Restart(std::uint32_t flags) override { restarts_.push_back(flags); }

  const std::vector<std::uint32_t>& restarts() const { return restarts_; }
  const std::vector<std::uint32_t>& restored() const { return restored_; }

  std::string StorePath();

 private:
  struct Stored {
    std::uint32_t sequence = 0;
    std::vector<std::pair<std::string, std::string>> lines{};
  };
  std::optional<std::vector<Stored>> Load(std::string& error);
  bool Save(const std::vector<Stored>& points);
  std::optional<RestorePointAnswer> Scripted(Operation operation) const;

  FileSystem& files_;
  FixedClock& clock_;
  std::map<Operation, std::int32_t> results_;
  std::map<Operation, std::string> errors_;
  std::vector<std::uint32_t> restarts_;
  std::vector<std::uint32_t> restored_;
};

}  // namespace halvex::platform::substitute
