#pragma once
// Pages on top of each other of which one shows at a time. The pages are the notebook's
// children in order; switching hides every page but the chosen one.
#include <functional>
#include <string_view>

#include "ui/panel.h"

namespace halvex::ui {

class Notebook : public Control {
 public:
  explicit Notebook(std::string name) : Notebook(ControlKind::Notebook, std::move(name)) {}

  // Links the page as the last one; it fills the notebook.
  void AddPage(Panel& page);
  int pageCount() const { return static_cast<int>(children().size()); }
  int pageIndex() const { return pageIndex_; }
  void SetPageIndex(int index);
  // The index of the page of that name; -1 when there is none.
  int PageIndexOf(std::string_view pageName) const;
  // The name of the page shown; empty when none.
  std::string ActivePageName() const;

  // The user chose another page (by its tab): raises onChange after showing it.
  void PageChosen(int index);
  std::function<void()> onChange;

 protected:
  Notebook(ControlKind kind, std::string name) : Control(kind, std::move(name)) {}

 private:
  int pageIndex_ = -1;
};

// A notebook whose pages the user picks by tabs; each tab reads its page's caption.
class TabControl : public Notebook {
 public:
  explicit TabControl(std::string name) : Notebook(ControlKind::TabControl, std::move(name)) {}
};

}  // namespace halvex::ui
