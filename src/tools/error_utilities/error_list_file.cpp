#include "tools/error_utilities/error_list_file.h"

#include <optional>

#include "model/download_file.h"
#include "model/program_folder.h"
#include "model/update_server.h"

namespace halvex::tools::errors {

std::string ErrorListPath(platform::FileSystem& files) {
  return model::InProgramFolder(files, kErrorListFileName);
}

bool ErrorListMissing(platform::FileSystem& files) {
  return !files.FileExists(ErrorListPath(files));
}

bool FetchErrorList(platform::HttpClient& http, platform::FileSystem& files,
                    std::string_view updateServer) {
  const std::string path = ErrorListPath(files);
  const model::DownloadResult result = model::DownloadFile(
      http, files, model::UpdateServerUrl(updateServer, model::kErrorListPath), path);
  if (result == model::DownloadResult::Downloaded) return true;
  // An empty or partial file would be used from then on and never fetched again.
  if (files.FileExists(path)) (void)files.DeleteFile(path);
  return false;
}

ErrorList LoadErrorList(platform::FileSystem& files, platform::Locale& locale) {
  ErrorList list;
  if (const std::optional<std::string> text = files.ReadFile(ErrorListPath(files))) {
    list.contents = ParseErrorList(*text, locale);
  }
  list.rows = ErrorRows(list.contents);
  return list;
}

}  // namespace halvex::tools::errors
