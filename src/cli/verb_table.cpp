#include "cli/verb_table.h"

namespace halvex::cli {

// Each verb is one file of verbs/ that defines its row; a new verb adds its row here.
extern const Verb kScanVerb, kRepairVerb, kRestoreVerb, kBackupsVerb;
// The ActiveX blocker, re-registration and restore points.
extern const Verb kActiveXVerb, kReregisterVerb, kRestorePointsVerb;
// The add/remove programs manager, the Internet Explorer restore and the browser add-ons.
extern const Verb kProgramsVerb, kBrowserVerb, kAddOnsVerb;

namespace {

const Verb* const kVerbs[] = {
    &kScanVerb,       &kRepairVerb,        &kRestoreVerb,  &kBackupsVerb, &kActiveXVerb,
    &kReregisterVerb, &kRestorePointsVerb, &kProgramsVerb, &kBrowserVerb, &kAddOnsVerb,
};

}  // namespace

VerbList VerbTable() {
  return kVerbs;
}

}  // namespace halvex::cli
