#pragma once
// TDM, the data module: the program's non-visual parts. The image lists of the windows, the
// scan timer, the tray menu, and the platform class set at its creation.
#include <cstdint>
#include <functional>

#include "platform/platform_class.h"
#include "platform/system_info.h"
#include "ui/image_list.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"
#include "ui/window_system.h"

namespace halvex::app {

class TDM {
 public:
  // `checkForUpdate` is the online update check, run at creation when the setting asks for it.
  TDM(platform::SystemInfo& system, ui::WindowSystem& windows, bool checkUpdate,
      const std::function<void()>& checkForUpdate);

  platform::PlatformClass platformClass() const { return platformClass_; }

  // Shows picture `image` of `list` in the control with `text` centred over it in a 9-point
  // font: the picture buttons whose caption the program writes.
  void DrawImageWithText(int image, const ui::ImageList& list, ui::Picture& control,
                         std::string text) const;

  // The image lists, named and sized as the windows use them.
  ui::ImageList ToolsImageList{"ToolsImageList", "ToolsImageList", 126, 41, 6};
  ui::ImageList BtnImageList{"BtnImageList", "BtnImageList", 123, 28, 6};
  ui::ImageList BtnImageListEx{"BtnImageListEx", "BtnImageListEx", 123, 28, 6};
  ui::ImageList NullBtnImageList{"NullBtnImageList", "NullBtnImageList", 129, 28, 4};
  ui::ImageList ScanNowBMP{"ScanNowBMP", "ScanNowBMP", 110, 110, 2};
  ui::ImageList SmallTool{"SmallTool", "SmallTool", 72, 22, 8};
  ui::ImageList HomeImageList{"HomeImageList", "HomeImageList", 141, 22, 2};
  ui::ImageList StatImageList{"StatImageList", "StatImageList", 16, 16, 15};
  ui::ImageList ProblemsImageList{"ProblemsImageList", "ProblemsImageList", 16, 70, 2};
  ui::ImageList PopupImageList{"PopupImageList", "PopupImageList", 16, 16, 2};
  // The header, the minimize and close glyphs, the Advanced sheet's pictures and the
  // About dialog's logo.
  ui::ImageList HeaderLeftImageList{"HeaderLeftImageList", "HeaderLeftImageList", 400, 91, 1};
  ui::ImageList HeaderRightImageList{"HeaderRightImageList", "HeaderRightImageList", 300, 91, 1};
  ui::ImageList CaptionImageList{"CaptionImageList", "CaptionImageList", 20, 20, 4};
  ui::ImageList AdvImageList{"AdvImageList", "AdvImageList", 32, 32, 13};
  ui::ImageList LogoImageList{"LogoImageList", "LogoImageList", 40, 40, 1};

  ui::Timer ScanTimer{"ScanTimer", 20, false};
  // Items OpenMenu, Home1, About1, OnlineUpdate1, Exit1; the main window binds their clicks.
  ui::PopupMenu MainPopupMenu{"MainPopupMenu"};

  // The busy animation of the scan: the section being scanned (-1 for none) and the frame.
  int animatedSection = -1;
  int animationFrame = 4;

 private:
  platform::PlatformClass platformClass_;
};

}  // namespace halvex::app
