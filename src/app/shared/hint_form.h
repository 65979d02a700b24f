#pragma once
// THintForm lives with the controls (ui/hint_form.h), so that the tools show it too.
#include "ui/hint_form.h"

namespace halvex::app {

using ui::THintForm;

}  // namespace halvex::app
