#pragma once
// What a running scan shows and asks of whoever runs it: the scan sheet of the main window, or
// halvex-cli. The scan logic is the same for both.
#include <cstddef>
#include <string_view>

namespace halvex::scan {

class ScanFrontEnd {
 public:
  virtual ~ScanFrontEnd() = default;

  // The progress line (the scan sheet's ScanOutcomePanel): the entry being examined.
  virtual void ShowProgress(std::string_view text) = 0;
  // The section's count label (abItemCount01 .. abItemCount17).
  virtual void ShowSectionCount(int section, std::size_t count) = 0;
  // Lets the user interface handle pending input, painting and timers between entries.
  virtual void ProcessMessages() = 0;

  // The section loop's milestones, for the section marks and the busy animation.
  virtual void SectionStarted(int section) = 0;
  virtual void SectionSkipped(int section) = 0;
  virtual void SectionFinished(int section, std::size_t problemCount) = 0;
  // An error ended the section's routine; the scan goes on with the next section.
  virtual void SectionFailed(int section, std::string_view message) = 0;
};

}  // namespace halvex::scan
