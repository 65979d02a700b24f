#include "platform/win32/win32_url_cache.h"

#include <windows.h>
// windows.h first: wininet.h and urlhist.h need its types.
#include <urlhist.h>
#include <wininet.h>

#include <string>
#include <vector>

#include "platform/win32/com_objects.h"

namespace halvex::platform::win32 {
namespace {

// The URL history object and its second-version interface, which has ClearHistory.
constexpr CLSID kUrlHistory = {
    0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
constexpr IID kUrlHistoryStg2 = {
    0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

// The answer of one wininet call that filled `buffer` (a DWORD array keeps it aligned) or
// failed with the thread's last error and the size it asked for.
UrlCacheAnswer AnswerOf(bool succeeded, const std::vector<DWORD>& buffer, DWORD size) {
  if (!succeeded) return {.error = GetLastError(), .neededSize = size};
  const auto* info = reinterpret_cast<const INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
  return {.entry = {info->lpszSourceUrlName != nullptr ? info->lpszSourceUrlName : "",
                    info->CacheEntryType}};
}

std::vector<DWORD> BufferOf(std::uint32_t bufferSize) {
  return std::vector<DWORD>((bufferSize + sizeof(DWORD) - 1) / sizeof(DWORD) + 1);
}

INTERNET_CACHE_ENTRY_INFOA* EntryIn(std::vector<DWORD>& buffer, std::uint32_t bufferSize) {
  return bufferSize == 0 ? nullptr : reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
}

}  // namespace

UrlCacheAnswer Win32UrlCache::FindFirst(std::uint32_t bufferSize, UrlCacheFind& find) {
  std::vector<DWORD> buffer = BufferOf(bufferSize);
  DWORD size = bufferSize;
  HANDLE handle = FindFirstUrlCacheEntryA(nullptr, EntryIn(buffer, bufferSize), &size);
  const UrlCacheAnswer answer = AnswerOf(handle != nullptr, buffer, size);
  if (handle != nullptr) find = reinterpret_cast<UrlCacheFind>(handle);
  return answer;
}

UrlCacheAnswer Win32UrlCache::FindNext(UrlCacheFind find, std::uint32_t bufferSize) {
  std::vector<DWORD> buffer = BufferOf(bufferSize);
  DWORD size = bufferSize;
  const BOOL found =
      FindNextUrlCacheEntryA(reinterpret_cast<HANDLE>(find), EntryIn(buffer, bufferSize), &size);
  return AnswerOf(found != FALSE, buffer, size);
}

void Win32UrlCache::FindClose(UrlCacheFind find) {
  FindCloseUrlCache(reinterpret_cast<HANDLE>(find));
}

bool Win32UrlCache::DeleteEntry(std::string_view sourceUrl) {
  return DeleteUrlCacheEntryA(std::string(sourceUrl).c_str()) != FALSE;
}

bool Win32UrlCache::ClearHistory() {
  const ComScope com;
  if (!com.usable()) return false;
  ComPtr<IUrlHistoryStg2> history;
  if (FAILED(CoCreateInstance(kUrlHistory, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2,
                              history.outVoid()))) {
    return false;
  }
  return SUCCEEDED(history->ClearHistory());
}

}  // namespace halvex::platform::win32
