// The control models: what reaches a handler, what a user would see, and what the renderer is
// told.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/recording_canvas.h"

namespace halvex::ui {
namespace {

struct ClickCase {
  bool parentVisible;
  bool visible;
  bool enabled;
  bool reaches;
};

class ClickReach : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickReach, OnlyShowingEnabledControlsTakeClicksAndPresses) {
  const ClickCase c = GetParam();
  Panel parent("Parent");
  Label link("Link", "Open");
  parent.AddChild(link);
  parent.SetVisible(c.parentVisible);
  link.SetVisible(c.visible);
  link.SetEnabled(c.enabled);
  int clicks = 0, presses = 0;
  link.onClick = [&] { ++clicks; };
  link.onMouseDown = [&](MouseButton, Point) { ++presses; };

  EXPECT_EQ(link.Click(), c.reaches);
  EXPECT_EQ(link.MouseDown(MouseButton::Left, {3, 4}), c.reaches);
  EXPECT_EQ(clicks, c.reaches ? 1 : 0);
  EXPECT_EQ(presses, c.reaches ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClickReach,
                         ::testing::Values(ClickCase{true, true, true, true},
                                           ClickCase{true, false, true, false},
                                           ClickCase{false, true, true, false},
                                           ClickCase{true, true, false, false}),
                         [](const auto& info) {
                           const ClickCase& c = info.param;
                           return std::string(c.parentVisible ? "ParentShows" : "ParentHidden") +
                                  (c.visible ? "Visible" : "Hidden") +
                                  (c.enabled ? "Enabled" : "Disabled");
                         });

TEST(CheckBoxModel, ChangingTheStateRaisesTheClickOnceAndAClickToggles) {
  CheckBox box("cbSelectAll", "");
  std::vector<bool> seen;
  box.onClick = [&] { seen.push_back(box.checked()); };

  box.SetChecked(true);
  box.SetChecked(true);  // no change, no event
  ASSERT_TRUE(box.Click());

  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  EXPECT_FALSE(box.checked());
}

TEST(PictureModel, ShowsTheHoverPictureOnlyWhileThePointerIsOverIt) {
  Picture button("HelpBtn");
  button.SetImageIndex(0);
  button.SetHoverImageIndex(1);
  EXPECT_EQ(button.DisplayedImage(), 0);
  button.MouseEnter();
  EXPECT_EQ(button.DisplayedImage(), 1);
  button.MouseLeave();
  EXPECT_EQ(button.DisplayedImage(), 0);

  Picture plain("ScanBtn");
  plain.SetImageIndex(4);
  plain.MouseEnter();
  EXPECT_EQ(plain.DisplayedImage(), 4) << "a picture without a hover image keeps its own";
}

TEST(PictureModel, PaintsItsBackgroundPictureAndCentredText) {
  ImageList list{"NullBtnImageList", "NullBtnImageList", 129, 28, 4};
  Panel parent("ToolBar");
  parent.SetColor(Color::Rgb(0xEE, 0xF3, 0xF8));
  Picture button("SaveBtn");
  button.SetBounds(Rect::At(10, 10, 129, 28));
  button.SetImageList(&list);
  button.SetImageIndex(2);
  button.SetOverlayText("Save");
  parent.AddChild(button);

  RecordingCanvas canvas;
  button.Paint(canvas);

  EXPECT_EQ(canvas.operations(), (std::vector<std::string>{
                                     "fill 0,0,129,28 #EEF3F8",
                                     "image NullBtnImageList 2 at 0,0",
                                     "text 0,0,129,28 \"Save\" Tahoma 9 #000000 center",
                                 }));
}

TEST(PictureModel, ABlankPictureDrawsOnlyItsBackground) {
  ImageList list{"CaptionImageList", "CaptionImageList", 20, 20, 2};
  Picture button("CloseBtn");
  button.SetBounds(Rect::At(0, 0, 20, 20));
  button.SetColor(colors::kNavy);
  button.SetImageList(&list);
  button.SetImageIndex(Picture::kNoImage);

  RecordingCanvas canvas;
  button.Paint(canvas);
  EXPECT_EQ(canvas.operations(), (std::vector<std::string>{"fill 0,0,20,20 #000080"}));
}

TEST(NotebookModel, ShowsExactlyTheChosenPage) {
  Notebook notebook("MainNotebook");
  notebook.SetBounds(Rect::At(159, 91, 541, 449));
  Panel scan("ScanSheet"), backup("BackupSheet"), advanced("AdvancedSheet");
  for (Panel* page : {&scan, &backup, &advanced}) notebook.AddPage(*page);
  notebook.SetPageIndex(1);

  EXPECT_FALSE(scan.visible());
  EXPECT_TRUE(backup.visible());
  EXPECT_FALSE(advanced.visible());
  EXPECT_EQ(notebook.ActivePageName(), "BackupSheet");
  EXPECT_EQ(advanced.PlacedBounds(), Rect::At(0, 0, 541, 449)) << "pages fill the notebook";

  notebook.SetPageIndex(3);
  EXPECT_EQ(notebook.pageIndex(), 1) << "a page that does not exist changes nothing";
  EXPECT_EQ(notebook.PageIndexOf("AdvancedSheet"), 2);
  EXPECT_EQ(notebook.PageIndexOf("Repair"), -1);
}

TEST(ControlTree, FindsControlsByNameAndForgetsDestroyedChildren) {
  Form form("Main");
  Panel panel("AdvancePanel");
  form.AddChild(panel);
  {
    Label tool("Tool");
    panel.AddChild(tool);
    EXPECT_EQ(form.Find("Tool"), &tool);
  }
  EXPECT_EQ(form.Find("Tool"), nullptr);
  EXPECT_TRUE(panel.children().empty());
  EXPECT_EQ(form.FindAs<Panel>("AdvancePanel"), &panel);
  EXPECT_EQ(form.FindAs<Label>("AdvancePanel"), nullptr);
}

// Records what a renderer is told.
class RecordingObserver : public ControlObserver {
 public:
  std::vector<std::string> events;
  void ControlChanged(Control& control, Property property) override {
    events.push_back("changed " + control.name() + " " +
                     std::to_string(static_cast<int>(property)));
  }
  void ChildAdded(Control& parent, Control& child) override {
    events.push_back("added " + child.name() + " to " + parent.name());
  }
  void ControlRemoved(Control& control) override { events.push_back("removed " + control.name()); }
};

TEST(ControlTree, TellsTheObserverOfChangesNewChildrenAndRemovals) {
  RecordingObserver observer;
  Form form("Main");
  Panel panel("AdvancePanel");
  form.AddChild(panel);
  form.SetObserver(&observer);

  panel.SetCaption("Tools");
  panel.SetCaption("Tools");  // unchanged: nothing to tell
  auto tool = std::make_unique<Form>("ToolForm");
  panel.AddChild(*tool);
  tool->SetVisible(true);
  tool.reset();

  EXPECT_EQ(observer.events,
            (std::vector<std::string>{
                "changed AdvancePanel " + std::to_string(static_cast<int>(Property::Caption)),
                "added ToolForm to AdvancePanel",
                "changed ToolForm " + std::to_string(static_cast<int>(Property::Visible)),
                "removed ToolForm",
            }));
}

TEST(FormModel, AButtonWithAResultEndsItsDialogAndCloseCanBeRefused) {
  Form dialog("AboutForm");
  Panel body("Body");
  Button ok("OkBtn", "&OK");
  ok.modalResult = ModalResult::Ok;
  dialog.AddChild(body);
  body.AddChild(ok);
  dialog.SetVisible(true);

  ASSERT_TRUE(ok.Click());
  EXPECT_EQ(dialog.modalResult(), ModalResult::Ok);

  dialog.onClose = [](CloseAction& action) { action = CloseAction::None; };
  dialog.Close();
  EXPECT_TRUE(dialog.visible()) << "a window whose close handler refuses stays";
  dialog.onClose = nullptr;
  dialog.Close();
  EXPECT_FALSE(dialog.visible());
}

TEST(FormModel, EnterClicksTheDefaultButtonWhereverItSits) {
  Form dialog("TFormOptions");
  Panel body("Body");
  Button cancel("CancelBtn", "Cancel");
  Button ok("BitBtn1", "OK");
  ok.isDefault = true;
  int clicks = 0;
  ok.onClick = [&] { ++clicks; };
  dialog.AddChild(cancel);
  dialog.AddChild(body);
  body.AddChild(ok);
  dialog.SetVisible(true);

  EXPECT_EQ(dialog.DefaultButton(), &ok);
  EXPECT_TRUE(dialog.EnterPressed());
  EXPECT_EQ(clicks, 1);
  ok.SetEnabled(false);
  EXPECT_FALSE(dialog.EnterPressed()) << "a disabled default button takes no click";
  EXPECT_EQ(clicks, 1);

  Form plain("Plain");
  Button other("Other", "Other");
  plain.AddChild(other);
  EXPECT_EQ(plain.DefaultButton(), nullptr);
  EXPECT_FALSE(plain.EnterPressed());
}

TEST(FormModel, RoundedRegionCoversTheClientAreaAndItsMargin) {
  Form form("Main");
  form.SetBounds(Rect::At(0, 0, 700, 540));
  form.SetRoundedRegion(24, 24, 2);
  ASSERT_TRUE(form.region().has_value());
  EXPECT_EQ(form.region()->area, (Rect{-2, -2, 702, 542}));
  EXPECT_EQ(form.region()->ellipseWidth, 24);
}

}  // namespace
}  // namespace halvex::ui
