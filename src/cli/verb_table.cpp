#include "cli/verb_table.h"

namespace halvex::cli {

// Each verb is one file of verbs/ that defines its row; a new verb adds its row here.
extern const Verb kScanVerb, kRepairVerb, kRestoreVerb, kBackupsVerb;
extern const Verb kJunkVerb, kDuplicatesVerb;
extern const Verb kHistoryVerb;

namespace {

const Verb* const kVerbs[] = {
    &kScanVerb, &kRepairVerb,     &kRestoreVerb, &kBackupsVerb,
    &kJunkVerb, &kDuplicatesVerb, &kHistoryVerb,
};

}  // namespace

VerbList VerbTable() {
  return kVerbs;
}

}  // namespace halvex::cli
