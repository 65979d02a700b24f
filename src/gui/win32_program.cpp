#include "gui/win32_program.h"

#include "app/shared/product.h"
#include "model/vendor_config.h"

namespace halvex::gui {

Win32Program::Win32Program()
    : messages_(app::kApplicationTitle),
      services_{.platform = machine_.platform,
                .desktop = desktop_,
                .processRunner = machine_.registryEditor,
                .http = http_,
                .schedulers = schedulers_,
                .windows = windows_,
                .busy = busy_,
                .updateServer = std::string(model::kUpdateServer),
                .shell = machine_.shell,
                .identities = machine_.identities,
                .restorePoints = restorePoints_} {}

}  // namespace halvex::gui
