#pragma once
// Pages on top of each other of which one shows at a time. The pages are the notebook's
// children in order; switching hides every page but the chosen one.
#include <string_view>

#include "ui/panel.h"

namespace halvex::ui {

class Notebook : public Control {
 public:
  explicit Notebook(std::string name) : Control(ControlKind::Notebook, std::move(name)) {}

  // Links the page as the last one; it fills the notebook.
  void AddPage(Panel& page);
  int pageCount() const { return static_cast<int>(children().size()); }
  int pageIndex() const { return pageIndex_; }
  void SetPageIndex(int index);
  // The index of the page of that name; -1 when there is none.
  int PageIndexOf(std::string_view pageName) const;
  // The name of the page shown; empty when none.
  std::string ActivePageName() const;

 protected:
  Notebook(ControlKind kind, std::string name) : Control(kind, std::move(name)) {}

 private:
  int pageIndex_ = -1;
};

}  // namespace halvex::ui
