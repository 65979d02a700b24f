#pragma once
// errorlist.txt in the program folder: fetched from the update server when it is missing, then
// read. A failed fetch leaves no file behind, so the next creation of the window tries again.
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/http_client.h"
#include "platform/locale.h"
#include "tools/error_utilities/error_list.h"
#include "tools/error_utilities/error_rows.h"

namespace halvex::tools::errors {

std::string ErrorListPath(platform::FileSystem& files);

// True when the program folder holds no errorlist.txt (an empty file counts as present).
bool ErrorListMissing(platform::FileSystem& files);

// Downloads the list from `updateServer` into the program folder; false when that failed, and
// then no errorlist.txt is left.
[[nodiscard]] bool FetchErrorList(platform::HttpClient& http, platform::FileSystem& files,
                                  std::string_view updateServer);

struct ErrorList {
  TErrorContents contents;
  std::vector<ErrorRow> rows;
};

// The entries of errorlist.txt and the rows with the built-in ones; a missing or unreadable
// file gives the built-in rows alone.
ErrorList LoadErrorList(platform::FileSystem& files, platform::Locale& locale);

}  // namespace halvex::tools::errors
