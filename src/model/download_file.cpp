#include "model/download_file.h"

namespace halvex::model {
namespace {

// Beside the target, so that replacing the target is a move within one folder.
constexpr std::string_view kPartialSuffix = ".part";

}  // namespace

platform::HttpGet DownloadRequest(std::string address) {
  return platform::HttpGet{.url = std::move(address),
                           .accept = "text/html, */*",
                           .contentType = "text/html",
                           .userAgent = "Mozilla/3.0 (compatible; Indy Library)",
                           .readTimeoutMs = 5000};
}

DownloadResult DownloadFile(platform::HttpClient& http, platform::FileSystem& files,
                            std::string_view address, std::string_view path) {
  const platform::HttpResponse response = http.Get(DownloadRequest(std::string(address)));
  if (!response.ok()) return DownloadResult::NotFetched;

  const std::string partial = std::string(path) + std::string(kPartialSuffix);
  if (!files.WriteFile(partial, response.body) || !files.ReplaceFile(partial, path)) {
    (void)files.DeleteFile(partial);
    return DownloadResult::NotStored;
  }
  return DownloadResult::Downloaded;
}

}  // namespace halvex::model
