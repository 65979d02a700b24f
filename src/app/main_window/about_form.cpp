#include "app/main_window/about_form.h"

#include "app/shared/browser.h"
#include "app/shared/link_style.h"
#include "app/shared/product.h"
#include "model/text_format.h"

namespace halvex::app {

TAboutForm::TAboutForm(platform::ProcessStarter& processes, std::string homePage,
                       const ui::ImageList& logo)
    : ui::Form("AboutForm") {
  borderStyle = ui::BorderStyle::Dialog;
  SetCaption("About");
  SetBounds(ui::Rect::At(0, 0, 367, 239));
  SetColor(ui::colors::kWhite);

  LogoImage.SetBounds(ui::Rect::At(20, 20, logo.width, logo.height));
  LogoImage.SetImageList(&logo);
  LogoImage.SetImageIndex(0);
  AddChild(LogoImage);

  abVersion.SetCaption(model::FormatText("%s ver%s", kProductName, kVersion));
  abVersion.SetBounds(ui::Rect::At(72, 24, 270, 20));
  abVersion.SetFont({.pointSize = 11, .bold = true, .color = link_style::kHeading});
  AddChild(abVersion);

  abCopyright.SetCaption("Finds and repairs broken registry entries.");
  abCopyright.SetBounds(ui::Rect::At(72, 50, 270, 18));
  abCopyright.SetFont({.color = link_style::kMuted});
  AddChild(abCopyright);

  abHomeBtn.SetCaption(homePage);
  abHomeBtn.SetBounds(ui::Rect::At(72, 90, 270, 18));
  link_style::MakeLink(abHomeBtn, link_style::HoverUnderline::Yes);
  abHomeBtn.onClick = [&processes, homePage] {
    // A browser that does not open leaves the dialog as it is.
    (void)OpenUrlInBrowser(processes, homePage);
  };
  AddChild(abHomeBtn);

  OkBtn.SetBounds(ui::Rect::At(367 - 75 - 16, 239 - 25 - 16, 75, 25));
  OkBtn.modalResult = ui::ModalResult::Ok;
  OkBtn.isDefault = true;
  AddChild(OkBtn);
}

}  // namespace halvex::app
