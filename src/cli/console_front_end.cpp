#include "cli/console_front_end.h"

#include "model/scan_sections.h"

#ifdef _WIN32
#include <io.h>
#define HALVEX_ISATTY _isatty
#else
#include <unistd.h>
#define HALVEX_ISATTY isatty
#endif

namespace halvex::cli {
namespace {
constexpr std::size_t kLineWidth = 79;
}

bool StandardErrorIsTerminal() {
  return HALVEX_ISATTY(2) != 0;
}

void ConsoleFrontEnd::ShowProgress(std::string_view text) {
  if (!showProgress_) return;
  std::string line = "[" + std::to_string(section_) + "/17] " + locale_.ToUtf8(std::string(text));
  if (line.size() > kLineWidth) line.resize(kLineWidth);
  line.resize(kLineWidth, ' ');
  std::fprintf(stderr, "\r%s", line.c_str());
  lineShown_ = true;
}

void ConsoleFrontEnd::SectionStarted(int section) {
  section_ = section;
  ShowProgress(model::SectionCaption(section));
}

void ConsoleFrontEnd::SectionFailed(int section, std::string_view message) {
  ClearLine();
  anySectionFailed_ = true;
  std::fprintf(stderr, "halvex-cli: section %d (%s) stopped: %s\n", section,
               std::string(model::SectionCaption(section)).c_str(),
               locale_.ToUtf8(std::string(message)).c_str());
}

void ConsoleFrontEnd::ClearLine() {
  if (!lineShown_) return;
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(kLineWidth), "");
  lineShown_ = false;
}

}  // namespace halvex::cli
