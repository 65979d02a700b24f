#pragma once
// DownloadFile: how the program fetches one file from a web server into a local file (the
// update check's version file, the tools' data files).
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/http_client.h"

namespace halvex::model {

// The GET request the program sends for every download: Accept "text/html, */*", content type
// "text/html", the user agent "Mozilla/3.0 (compatible; Indy Library)", 5000 ms read time-out.
platform::HttpGet DownloadRequest(std::string address);

enum class DownloadResult {
  Downloaded,
  NotFetched,  // the server could not be reached or gave no complete body
  NotStored,   // the body arrived but the file could not be written
};

// Fetches `address` and stores the body as the file `path`. The body is written to a temporary
// file beside `path` first, which replaces `path` only once it is complete, so a failed
// download leaves an earlier file as it was and a shorter file leaves nothing of a longer one.
[[nodiscard]] DownloadResult DownloadFile(platform::HttpClient& http, platform::FileSystem& files,
                                          std::string_view address, std::string_view path);

}  // namespace halvex::model
