#include "app/shared/data_module.h"

#include "app/shared/product.h"

namespace halvex::app {

TDM::TDM(platform::SystemInfo& system, ui::WindowSystem& windows, bool checkUpdate,
         const std::function<void()>& checkForUpdate)
    : platformClass_(platform::PlatformClassOf(system.Version().platformId)) {
  MainPopupMenu.imageList = &PopupImageList;
  MainPopupMenu.items = {
      {.name = "OpenMenu", .caption = kProductName, .imageIndex = 0, .isDefault = true},
      {.name = "Home1", .caption = "Halvex Home Page"},
      {.name = "About1", .caption = "About"},
      {.name = "N1"},
      {.name = "OnlineUpdate1", .caption = "Update online", .imageIndex = 1},
      {.name = "N2"},
      {.name = "Exit1", .caption = "Exit"},
  };
  windows.AttachTimer(ScanTimer);
  if (checkUpdate && checkForUpdate) checkForUpdate();
}

void TDM::DrawImageWithText(int image, const ui::ImageList& list, ui::Picture& control,
                            std::string text) const {
  control.SetImageList(&list);
  control.SetImageIndex(image);
  control.SetOverlayText(std::move(text));
}

}  // namespace halvex::app
