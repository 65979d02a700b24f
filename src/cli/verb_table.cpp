#include "cli/verb_table.h"

namespace halvex::cli {

// Each verb is one file of verbs/ that defines its row; a new verb adds its row here.
extern const Verb kScanVerb, kRepairVerb, kRestoreVerb, kBackupsVerb;
// The ActiveX blocker, re-registration and restore points.
extern const Verb kActiveXVerb, kReregisterVerb, kRestorePointsVerb;
// The system speed optimizer and the memory tweaker.
extern const Verb kOptimizeVerb;
// The error utilities and the error report.
extern const Verb kErrorsVerb, kReportVerb;
// The startup manager.
extern const Verb kStartupVerb;
// The add/remove programs manager, the Internet Explorer restore and the browser add-ons.
extern const Verb kProgramsVerb, kBrowserVerb, kAddOnsVerb;

namespace {

const Verb* const kVerbs[] = {
    &kScanVerb,          &kRepairVerb,   &kRestoreVerb, &kBackupsVerb, &kStartupVerb,
    &kProgramsVerb,      &kBrowserVerb,  &kAddOnsVerb,  &kActiveXVerb, &kReregisterVerb,
    &kRestorePointsVerb, &kOptimizeVerb, &kErrorsVerb,  &kReportVerb,
};

}  // namespace

VerbList VerbTable() {
  return kVerbs;
}

}  // namespace halvex::cli
