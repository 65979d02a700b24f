#include "platform/win32/win32_locale.h"

#include <windows.h>

#include <string>

namespace halvex::platform::win32 {

// The W calls' text is UTF-16 here, so it is handed over as char16_t without copying.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

unsigned Win32Locale::CodePage() {
  return GetACP();
}

std::string Win32Locale::Upper(std::string_view text) {
  std::string upper(text);
  if (!upper.empty()) CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
  return upper;
}

bool Win32Locale::IsLeadByte(char byte) {
  return IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(byte)) != 0;
}

std::optional<char16_t> Win32Locale::DoubleByteToUtf16(char lead, char trail) {
  if (!IsLeadByte(lead)) return std::nullopt;
  const char pair[2] = {lead, trail};
  wchar_t wide[2];
  if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) != 1) {
    return std::nullopt;
  }
  return static_cast<char16_t>(wide[0]);
}

std::string Win32Locale::ToUtf8(std::string_view text) {
  const std::u16string wide = ToUtf16(text);
  if (wide.empty()) return {};
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int wideLength = static_cast<int>(wide.size());
  const int utf8Length =
      WideCharToMultiByte(CP_UTF8, 0, units, wideLength, nullptr, 0, nullptr, nullptr);
  if (utf8Length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, units, wideLength, utf8.data(), utf8Length, nullptr, nullptr);
  return utf8;
}

std::u16string Win32Locale::ToUtf16(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (wideLength <= 0) return {};
  std::u16string wide(static_cast<std::size_t>(wideLength), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(wide.data()),
                      wideLength);
  return wide;
}

std::string Win32Locale::FromUtf16(std::u16string_view text) {
  if (text.empty()) return {};
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, units, size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, units, size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

std::string Win32Locale::FormatDateTime(const LocalTime& time) {
  SYSTEMTIME system{};
  system.wYear = static_cast<WORD>(time.year);
  system.wMonth = static_cast<WORD>(time.month);
  system.wDay = static_cast<WORD>(time.day);
  system.wHour = static_cast<WORD>(time.hour);
  system.wMinute = static_cast<WORD>(time.minute);
  system.wSecond = static_cast<WORD>(time.second);
  system.wMilliseconds = static_cast<WORD>(time.millisecond);
  char date[100], clock[100];
  if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &system, nullptr, date, sizeof date) ==
          0 ||
      GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &system, nullptr, clock, sizeof clock) == 0) {
    return {};
  }
  return std::string(date) + " " + clock;
}

}  // namespace halvex::platform::win32
