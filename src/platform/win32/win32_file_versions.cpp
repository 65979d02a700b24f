#include "platform/win32/win32_file_versions.h"

#include <windows.h>

#include <vector>

namespace halvex::platform::win32 {
namespace {

class Win32Resource final : public VersionResource {
 public:
  explicit Win32Resource(std::vector<char> block) : block_(std::move(block)) {}

  std::optional<FixedFileVersion> Fixed() const override {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (!Query("\\", reinterpret_cast<void**>(&fixed), size) || size < sizeof(VS_FIXEDFILEINFO)) {
      return std::nullopt;
    }
    return FixedFileVersion{fixed->dwFileVersionMS, fixed->dwFileVersionLS};
  }
  std::optional<VersionTranslation> FirstTranslation() const override {
    WORD* table = nullptr;
    UINT size = 0;
    if (!Query("\\VarFileInfo\\Translation", reinterpret_cast<void**>(&table), size) ||
        size < 2 * sizeof(WORD)) {
      return std::nullopt;
    }
    return VersionTranslation{table[0], table[1]};
  }
  std::optional<std::string> String(std::string_view path) const override {
    char* text = nullptr;
    UINT size = 0;
    if (!Query(std::string(path), reinterpret_cast<void**>(&text), size) || text == nullptr) {
      return std::nullopt;
    }
    // The size counts characters, the NUL mostly included.
    std::string value(text, size);
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos) value.resize(nul);
    return value;
  }

 private:
  bool Query(const std::string& path, void** value, UINT& size) const {
    // VerQueryValueA takes a non-const block: it may fix up the ANSI strings in place.
    return VerQueryValueA(const_cast<char*>(block_.data()), path.c_str(), value, &size) != 0;
  }

  std::vector<char> block_;
};

}  // namespace

std::unique_ptr<VersionResource> Win32FileVersions::Load(std::string_view file) {
  const std::string name(file);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(name.c_str(), &handle);
  if (size == 0) return nullptr;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(name.c_str(), 0, size, block.data())) return nullptr;
  return std::make_unique<Win32Resource>(std::move(block));
}

}  // namespace halvex::platform::win32
