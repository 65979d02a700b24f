#include "platform/win32/win32_profile_files.h"

#include <windows.h>

#include <algorithm>

namespace halvex::platform::win32 {
namespace {

// GetPrivateProfileStringA answers with size - 1 when the value was cut off to fit, and with
// size - 2 when a list of names was; the buffer grows until the answer fits.
std::string ProfileString(const std::string& file, const std::string& section, const char* key) {
  std::string buffer(1024, '\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key, "", buffer.data(), size, file.c_str());
    const DWORD full = key == nullptr ? size - 2 : size - 1;
    if (length < full || buffer.size() >= (1u << 24)) {
      buffer.resize(length);
      return buffer;
    }
    buffer.assign(buffer.size() * 4, '\0');
  }
}

}  // namespace

std::vector<std::string> Win32ProfileFiles::KeyNames(std::string_view file,
                                                     std::string_view section) {
  // The names come NUL-separated, the list ended by a second NUL.
  const std::string list = ProfileString(std::string(file), std::string(section), nullptr);
  std::vector<std::string> names;
  for (std::size_t at = 0; at < list.size();) {
    const std::size_t end = std::min(list.find('\0', at), list.size());
    if (end > at) names.emplace_back(list.substr(at, end - at));
    at = end + 1;
  }
  return names;
}

std::optional<std::string> Win32ProfileFiles::ReadKey(std::string_view file,
                                                      std::string_view section,
                                                      std::string_view key) {
  const std::string keyText(key);
  std::string value = ProfileString(std::string(file), std::string(section), keyText.c_str());
  if (!value.empty()) return value;
  // An empty answer is also what a missing key gives: the key list tells them apart.
  for (const std::string& name : KeyNames(file, section)) {
    if (CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, name.c_str(), -1, keyText.c_str(),
                       -1) == CSTR_EQUAL) {
      return value;
    }
  }
  return std::nullopt;
}

bool Win32ProfileFiles::WriteKey(std::string_view file, std::string_view section,
                                 std::string_view key, std::string_view value) {
  return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                    std::string(value).c_str(), std::string(file).c_str()) != 0;
}

bool Win32ProfileFiles::DeleteKey(std::string_view file, std::string_view section,
                                  std::string_view key) {
  return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), nullptr,
                                    std::string(file).c_str()) != 0;
}

bool Win32ProfileFiles::RemoveSection(std::string_view file, std::string_view section) {
  return WritePrivateProfileStringA(std::string(section).c_str(), nullptr, nullptr,
                                    std::string(file).c_str()) != 0;
}

void Win32ProfileFiles::Flush(std::string_view file) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, std::string(file).c_str());
}

}  // namespace halvex::platform::win32
