#pragma once
// The presentation model of one control: it holds the control's state and raises its events.
// Windows are trees of these; the Win32 renderer mirrors each tree with real controls, and
// tests drive the models directly ("click ScanNowBtn", "read abItemCount04").
//
// A control does not own its children: a window keeps its controls as members and links them
// into the tree. A control that is destroyed leaves its parent's list of children.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/geometry.h"

namespace halvex::ui {

enum class ControlKind {
  Form,
  Panel,
  Label,
  Picture,
  Button,
  CheckBox,
  Notebook,
  ListView,
  ListBox,
  Edit,
  RadioButton,
  GroupBox,
  TabControl,
  ProgressBar,
  StatusBar,
  SpinEdit,
  TimePicker,
  TreeView,
  Animation,
};

// What changed, so that the renderer updates only that.
enum class Property {
  Caption,
  Visible,
  Enabled,
  Bounds,
  Font,
  Color,
  Image,
  Checked,
  Region,
  Columns,    // list columns: captions and widths
  Items,      // list rows, their texts, checks and count
  Selection,  // selected, focused or top row
  ReadOnly,
  Value,  // a number, a time or a position
  Look,   // anything else that changes how the control is painted
};

enum class MouseButton { Left, Right, Middle };

// How a control places itself in its parent: at its bounds, or over the parent's whole area.
enum class Align { None, Client };

class Control;

// The renderer's view of the models it mirrors.
class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void ControlChanged(Control& control, Property property) = 0;
  // `child` was linked into `parent`, which the observer already mirrors.
  virtual void ChildAdded(Control& parent, Control& child) = 0;
  // `control` is about to leave the tree, being unlinked or destroyed.
  virtual void ControlRemoved(Control& control) = 0;
};

class Control {
 public:
  Control(ControlKind kind, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }

  const std::string& caption() const { return caption_; }
  void SetCaption(std::string caption);

  bool visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible itself and inside visible parents all the way up: what a user could see.
  bool IsShowing() const;

  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The tip the system shows while the pointer rests on the control.
  std::string hint;

  std::intptr_t tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  // In the parent's client coordinates; for a form, its client area on the screen.
  const Rect& bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);
  Align align() const { return align_; }
  void SetAlign(Align align);
  // The bounds the control takes in its parent once its alignment is applied.
  Rect PlacedBounds() const;

  const Font& font() const { return font_; }
  void SetFont(const Font& font);
  // A control without a colour of its own shows its parent's.
  bool hasColor() const { return hasColor_; }
  void SetColor(Color color);
  Color EffectiveColor() const;

  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }
  // Links `child` as the last child; a child of another parent leaves that one first.
  void AddChild(Control& child);
  void RemoveChild(Control& child);

  // The control of that name in this subtree, this control included; nullptr when none.
  Control* Find(std::string_view name);
  template <typename T>
  T* FindAs(std::string_view name) {
    return dynamic_cast<T*>(Find(name));
  }

  // Events, as the user raises them through the renderer or a test. A control that is not
  // showing or not enabled takes no click and no mouse press; the answer says whether the
  // event reached the control.
  std::function<void()> onClick;
  std::function<void(MouseButton, Point)> onMouseDown;  // in the control's own coordinates
  std::function<void()> onMouseEnter;
  std::function<void()> onMouseLeave;

  virtual bool Click();
  bool MouseDown(MouseButton button, Point at);
  void MouseEnter();
  void MouseLeave();
  bool hovered() const { return hovered_; }

  // Paints the control's own area, in its own coordinates. Controls that the system draws
  // (buttons, check boxes) paint nothing here.
  virtual void Paint(Canvas& canvas) const;
  // Asks the renderer to paint the control again.
  void Invalidate() { Notify(Property::Look); }

  ControlObserver* observer() const { return observer_; }
  // Sets the observer of this control and its whole subtree.
  void SetObserver(ControlObserver* observer);

 protected:
  void Notify(Property property);

 private:
  ControlKind kind_;
  std::string name_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool hovered_ = false;
  std::intptr_t tag_ = 0;
  Rect bounds_{};
  Align align_ = Align::None;
  Font font_{};
  bool hasColor_ = false;
  Color color_ = Color::System(SystemColor::ButtonFace);
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  ControlObserver* observer_ = nullptr;
};

}  // namespace halvex::ui
