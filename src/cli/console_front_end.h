#pragma once
// The scan's front end on a console: a progress line on standard error while that is a terminal
// (nothing otherwise, so redirected output stays clean), and section errors as one line each.
#include <cstdio>
#include <string>

#include "platform/locale.h"
#include "scan/scan_front_end.h"

namespace halvex::cli {

class ConsoleFrontEnd final : public scan::ScanFrontEnd {
 public:
  ConsoleFrontEnd(platform::Locale& locale, bool showProgress)
      : locale_(locale), showProgress_(showProgress) {}
  ~ConsoleFrontEnd() override { ClearLine(); }

  void ShowProgress(std::string_view text) override;
  void ShowSectionCount(int, std::size_t) override {}
  void ProcessMessages() override {}
  void SectionStarted(int section) override;
  void SectionSkipped(int) override {}
  void SectionFinished(int, std::size_t) override {}
  void SectionFailed(int section, std::string_view message) override;

  bool anySectionFailed() const { return anySectionFailed_; }

 private:
  void ClearLine();

  platform::Locale& locale_;
  bool showProgress_;
  int section_ = 0;
  bool lineShown_ = false;
  bool anySectionFailed_ = false;
};

// Whether standard error is a terminal (where a progress line makes sense).
bool StandardErrorIsTerminal();

}  // namespace halvex::cli
