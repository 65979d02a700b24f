// The scheduler's job store (jobs.ini of the substitute task scheduler). Any text reads; what
// the store writes of the entries it read reads back as the same entries, and writing those
// gives the same text again.
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/input_parts.h"
#include "platform/substitute/job_store.h"

namespace {

using halvex::platform::substitute::JobStoreEntry;

bool SameEntries(const std::vector<JobStoreEntry>& a, const std::vector<JobStoreEntry>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t index = 0; index < a.size(); ++index) {
    if (a[index].name != b[index].name || a[index].job != b[index].job) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace halvex::platform::substitute;
  const std::vector<JobStoreEntry> read = ParseJobStore(halvex::fuzz::AsText(data, size));
  const std::string written = FormatJobStore(read);
  const std::vector<JobStoreEntry> again = ParseJobStore(written);
  HALVEX_FUZZ_CHECK(SameEntries(again, read),
                    "the store reads back otherwise after a write:\n" + written);
  HALVEX_FUZZ_CHECK(FormatJobStore(again) == written, "a second write differs from the first");
  return 0;
}
