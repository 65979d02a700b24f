#pragma once
// Empty registry keys: every key of the users' hive (HKEY_USERS) without subkeys and without
// values is a leftover that carries no information; the repair deletes it. The profile of the
// default user (".DEFAULT"), the MIME database and the classes keys of the two service
// accounts are left alone.
#include "scan/section_routines.h"

namespace halvex::scan {

const SectionRoutines& EmptyKeysSection();

}  // namespace halvex::scan
