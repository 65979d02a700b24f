#pragma once
// A notebook with a row of tabs, one per page, captioned with the page's caption: the user
// changes pages by picking a tab. The pages fill the area below the tabs.
#include <functional>

#include "ui/notebook.h"

namespace halvex::ui {

// A page of a page control: its caption is the tab's, and the page shows none of its own.
class TabSheet : public Panel {
 public:
  explicit TabSheet(std::string name, std::string caption) : Panel(std::move(name)) {
    SetCaption(std::move(caption));
  }
  void Paint(Canvas& canvas) const override;
};

class PageControl : public Notebook {
 public:
  // The height the row of tabs takes, and the margin around the pages.
  static constexpr int kTabHeight = 24;
  static constexpr int kMargin = 4;

  explicit PageControl(std::string name) : Notebook(ControlKind::PageControl, std::move(name)) {}

  // Links the page as the last one, placed in the page area of the control's current bounds:
  // give the control its bounds first.
  void AddPage(TabSheet& page);
  // The page area in the control's own coordinates.
  Rect PageArea() const;

  // What the user does: shows the page of that tab and raises onChange. Setting the page index
  // from the program raises nothing.
  bool SelectPage(int index);
  std::function<void()> onChange;
};

}  // namespace halvex::ui
