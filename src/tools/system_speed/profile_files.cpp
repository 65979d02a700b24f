#include "tools/system_speed/profile_files.h"

namespace halvex::tools::system_speed {
namespace {

// One file of the platform's profile files. The system caches what it writes, so the file is
// flushed when the run is done with it, before anything reads or lists it directly.
class PlatformProfileFile final : public ProfileFile {
 public:
  PlatformProfileFile(platform::ProfileFiles& profiles, std::string path)
      : profiles_(profiles), path_(std::move(path)) {}
  ~PlatformProfileFile() override { profiles_.Flush(path_); }
  PlatformProfileFile(const PlatformProfileFile&) = delete;
  PlatformProfileFile& operator=(const PlatformProfileFile&) = delete;

  const std::string& path() const override { return path_; }
  std::vector<std::string> SectionKeys(std::string_view section) override {
    return profiles_.KeyNames(path_, section);
  }
  std::optional<std::string> Read(std::string_view section, std::string_view key) override {
    return profiles_.ReadKey(path_, section, key);
  }
  bool Write(std::string_view section, std::string_view key, std::string_view text) override {
    return profiles_.WriteKey(path_, section, key, text);
  }
  bool DeleteKey(std::string_view section, std::string_view key) override {
    return profiles_.DeleteKey(path_, section, key);
  }

 private:
  platform::ProfileFiles& profiles_;
  std::string path_;
};

}  // namespace

ProfileFileOpener ProfileFilesOf(platform::Platform& platform) {
  platform::ProfileFiles& profiles = platform.profiles;
  return [&profiles](const std::string& path) -> std::unique_ptr<ProfileFile> {
    return std::make_unique<PlatformProfileFile>(profiles, path);
  };
}

}  // namespace halvex::tools::system_speed
