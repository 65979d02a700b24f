#include "cli/verb_table.h"

namespace halvex::cli {

// Each verb is one file of verbs/ that defines its row; a new verb adds its row here.
extern const Verb kScanVerb, kRepairVerb, kRestoreVerb, kBackupsVerb;
// The tools' verbs, in the order of the tool table; the speed optimizer and the memory tweaker
// share one.
extern const Verb kStartupVerb, kProgramsVerb, kJunkVerb, kBrowserVerb, kAddOnsVerb, kHistoryVerb,
    kOptimizeVerb, kActiveXVerb, kRestorePointsVerb, kReregisterVerb, kErrorsVerb, kDuplicatesVerb;
// The error report mail.
extern const Verb kReportVerb;

namespace {

const Verb* const kVerbs[] = {
    &kScanVerb,       &kRepairVerb,  &kRestoreVerb,       &kBackupsVerb,    &kStartupVerb,
    &kProgramsVerb,   &kJunkVerb,    &kBrowserVerb,       &kAddOnsVerb,     &kHistoryVerb,
    &kOptimizeVerb,   &kActiveXVerb, &kRestorePointsVerb, &kReregisterVerb, &kErrorsVerb,
    &kDuplicatesVerb, &kReportVerb,
};

}  // namespace

VerbList VerbTable() {
  return kVerbs;
}

}  // namespace halvex::cli
