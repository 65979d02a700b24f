#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <string>

namespace halvex::platform::win32 {
namespace {

// The predefined roots are sign-extended on 64-bit Windows; open keys are handles as they are.
HKEY ToHkey(KeyHandle key) {
  if (IsRootHandle(key)) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(key.value)));
  }
  return reinterpret_cast<HKEY>(key.value);
}

KeyHandle FromHkey(HKEY key) { return KeyHandle{reinterpret_cast<std::uintptr_t>(key)}; }

RegStatus ToStatus(LONG error) {
  switch (error) {
    case ERROR_SUCCESS: return RegStatus::Ok;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return RegStatus::NotFound;
    case ERROR_ACCESS_DENIED: return RegStatus::AccessDenied;
    case ERROR_INVALID_HANDLE: return RegStatus::InvalidHandle;
    case ERROR_INVALID_PARAMETER: return RegStatus::InvalidParameter;
    case ERROR_MORE_DATA: return RegStatus::MoreData;
    case ERROR_NO_MORE_ITEMS: return RegStatus::NoMoreItems;
    case ERROR_KEY_DELETED: return RegStatus::KeyDeleted;
    default: return RegStatus::Failed;
  }
}

REGSAM ToSam(KeyAccess access) { return access == KeyAccess::ReadWrite ? KEY_READ | KEY_WRITE : KEY_READ; }

}  // namespace

RegStatus Win32Registry::OpenKey(KeyHandle parent, std::string_view path, KeyAccess access,
                                 KeyHandle& opened) {
  HKEY key = nullptr;
  const std::string subkey(path);
  const LONG error = RegOpenKeyExA(ToHkey(parent), subkey.c_str(), 0, ToSam(access), &key);
  if (error == ERROR_SUCCESS) opened = FromHkey(key);
  return ToStatus(error);
}

RegStatus Win32Registry::CreateKey(KeyHandle parent, std::string_view path, KeyHandle& opened) {
  HKEY key = nullptr;
  const std::string subkey(path);
  const LONG error = RegCreateKeyExA(ToHkey(parent), subkey.c_str(), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key,
                                     nullptr);
  if (error == ERROR_SUCCESS) opened = FromHkey(key);
  return ToStatus(error);
}

void Win32Registry::CloseKey(KeyHandle key) {
  if (key.value == 0 || IsRootHandle(key)) return;
  RegCloseKey(ToHkey(key));
}

RegStatus Win32Registry::QueryInfo(KeyHandle key, KeyInfo& info) {
  DWORD subkeys = 0;
  DWORD values = 0;
  const LONG error = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subkeys, nullptr,
                                      nullptr, &values, nullptr, nullptr, nullptr, nullptr);
  if (error == ERROR_SUCCESS) info = KeyInfo{subkeys, values};
  return ToStatus(error);
}

RegStatus Win32Registry::EnumKey(KeyHandle key, std::uint32_t index, std::string& name) {
  char buffer[1000];  // key names are at most 255 characters
  DWORD length = sizeof buffer;
  const LONG error =
      RegEnumKeyExA(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (error == ERROR_SUCCESS) name.assign(buffer, length);
  return ToStatus(error);
}

RegStatus Win32Registry::EnumValue(KeyHandle key, std::uint32_t index, std::string& name) {
  DWORD longest = 0;
  LONG error = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, &longest, nullptr, nullptr, nullptr);
  if (error != ERROR_SUCCESS) return ToStatus(error);
  // A value name may be longer in the code page than the count the system keeps.
  std::string buffer(static_cast<std::size_t>(longest) * 2 + 2, '\0');
  DWORD length = static_cast<DWORD>(buffer.size());
  error = RegEnumValueA(ToHkey(key), index, buffer.data(), &length, nullptr, nullptr, nullptr,
                        nullptr);
  if (error == ERROR_SUCCESS) name.assign(buffer.data(), length);
  return ToStatus(error);
}

RegStatus Win32Registry::QueryValue(KeyHandle key, std::string_view name, std::size_t capacity,
                                    RegValue& value) {
  const std::string valueName(name);
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> buffer(capacity);
  DWORD size = static_cast<DWORD>(capacity);
  const LONG error = RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &type,
                                      capacity > 0 ? buffer.data() : nullptr, &size);
  value.type = type;
  value.size = size;
  value.data.clear();
  // Without a buffer the system answers success with the size; report it as more data.
  if (error == ERROR_MORE_DATA || (error == ERROR_SUCCESS && size > capacity)) {
    return RegStatus::MoreData;
  }
  if (error == ERROR_SUCCESS) value.data.assign(buffer.begin(), buffer.begin() + size);
  return ToStatus(error);
}

RegStatus Win32Registry::SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                                  std::span<const std::uint8_t> data) {
  const std::string valueName(name);
  return ToStatus(RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data.data(),
                                 static_cast<DWORD>(data.size())));
}

RegStatus Win32Registry::DeleteValue(KeyHandle key, std::string_view name) {
  const std::string valueName(name);
  return ToStatus(RegDeleteValueA(ToHkey(key), valueName.c_str()));
}

RegStatus Win32Registry::DeleteKey(KeyHandle parent, std::string_view path) {
  // The empty name would ask the system to delete the parent itself.
  if (path.empty()) return RegStatus::AccessDenied;
  const std::string subkey(path);
  return ToStatus(RegDeleteKeyA(ToHkey(parent), subkey.c_str()));
}

}  // namespace halvex::platform::win32
