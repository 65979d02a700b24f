#include "tools/startup_manager/app_version.h"

#include <cstdio>
#include <string_view>

#include "platform/text_lines.h"

namespace halvex::tools::startup_manager {

const std::string& TAppObj::Text(const char* name) const {
  for (std::size_t i = 0; i < 10; ++i) {
    if (std::string_view(kVersionStrings[i]) == name) return texts[i + 1];
  }
  return texts[0];
}

TAppObj ReadAppObj(platform::FileVersions& versions, const std::string& file) {
  TAppObj app;
  const std::size_t slash = file.find_last_of('\\');
  app.folder = slash == std::string::npos ? std::string() : file.substr(0, slash);
  app.fileName = slash == std::string::npos ? file : file.substr(slash + 1);
  const std::size_t dot = app.fileName.rfind('.');
  app.title = dot == std::string::npos ? app.fileName : app.fileName.substr(0, dot);
  app.texts[0] = "0.0.0.0";

  const std::unique_ptr<platform::VersionResource> resource = versions.Load(file);
  if (!resource) return app;
  if (const auto fixed = resource->Fixed()) {
    char text[48];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", fixed->mostSignificant >> 16,
                  fixed->mostSignificant & 0xFFFF, fixed->leastSignificant >> 16,
                  fixed->leastSignificant & 0xFFFF);
    app.texts[0] = text;
  }
  const auto translation = resource->FirstTranslation();
  if (!translation) return app;
  char block[9];
  std::snprintf(block, sizeof block, "%04X%04X", translation->language, translation->codePage);
  for (std::size_t i = 0; i < 10; ++i) {
    const auto value =
        resource->String(std::string("StringFileInfo\\") + block + "\\" + kVersionStrings[i]);
    if (value) app.texts[i + 1] = std::string(platform::TrimText(*value));
  }
  return app;
}

}  // namespace halvex::tools::startup_manager
