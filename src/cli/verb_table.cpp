#include "cli/verb_table.h"

namespace halvex::cli {

// Each verb is one file of verbs/ that defines its row; a new verb adds its row here.
extern const Verb kScanVerb, kRepairVerb, kRestoreVerb, kBackupsVerb;
extern const Verb kJunkVerb, kDuplicatesVerb;
extern const Verb kHistoryVerb;
// The ActiveX blocker, re-registration and restore points.
extern const Verb kActiveXVerb, kReregisterVerb, kRestorePointsVerb;

namespace {

const Verb* const kVerbs[] = {
    &kScanVerb,    &kRepairVerb,     &kRestoreVerb,       &kBackupsVerb,
    &kActiveXVerb, &kReregisterVerb, &kRestorePointsVerb, &kJunkVerb,
    &kDuplicatesVerb, &kHistoryVerb,
};

}  // namespace

VerbList VerbTable() {
  return kVerbs;
}

}  // namespace halvex::cli
