// Tool windows in the Advanced sheet: created on first use, shown again, destroyed on a sheet
// change.
#include <gtest/gtest.h>

#include "tests/app/main_form_fixture.h"

namespace halvex::testing {
namespace {

using tools::ToolKind;

// A tool window that reports its end, and can hold the links as the junk cleaner's scan does.
class ProbeTool : public tools::ToolWindow {
 public:
  ProbeTool(int& destroyed, bool& holdLinks)
      : tools::ToolWindow("ProbeForm"), destroyed_(destroyed), holdLinks_(holdLinks) {}
  ~ProbeTool() override { ++destroyed_; }
  bool HoldsToolLinks() const override { return holdLinks_; }

 private:
  int& destroyed_;
  bool& holdLinks_;
};

class ToolHostingTest : public MainFormTest {
 protected:
  void SetUp() override {
    Make();
    for (ToolKind kind : {ToolKind::StartupManager, ToolKind::JunkFilesCleaner}) {
      form->tools().SetFactory(kind, [this] {
        ++made;
        return std::make_unique<ProbeTool>(destroyed, holdLinks);
      });
    }
    form->AdvanceBtn.Click();
  }
  int made = 0;
  int destroyed = 0;
  bool holdLinks = false;
};

TEST_F(ToolHostingTest, AToolOpensInsideTheAdvancePanelAndFillsIt) {
  form->ToolLink(ToolKind::StartupManager).Click();
  tools::ToolWindow* tool = form->tools().Existing(ToolKind::StartupManager);
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tool->parent(), &form->AdvancePanel);
  EXPECT_EQ(tool->PlacedBounds(), ui::Rect::At(0, 0, 541, 449));
  EXPECT_EQ(tool->borderStyle, ui::BorderStyle::None);
  EXPECT_TRUE(tool->IsShowing());
}

TEST_F(ToolHostingTest, OpeningAgainShowsTheSameWindowInFrontOfTheOthers) {
  form->ToolLink(ToolKind::StartupManager).Click();
  tools::ToolWindow* startup = form->tools().Existing(ToolKind::StartupManager);
  form->ToolLink(ToolKind::JunkFilesCleaner).Click();
  EXPECT_FALSE(startup->IsShowing());
  form->Pair(ToolKind::StartupManager).label.Click();

  EXPECT_EQ(form->tools().Existing(ToolKind::StartupManager), startup);
  EXPECT_TRUE(startup->IsShowing());
  EXPECT_FALSE(form->tools().Existing(ToolKind::JunkFilesCleaner)->IsShowing());
  EXPECT_EQ(made, 2);
}

TEST_F(ToolHostingTest, ASheetChangeDestroysEveryToolAndTheNextClickMakesItAnew) {
  form->ToolLink(ToolKind::StartupManager).Click();
  form->ToolLink(ToolKind::JunkFilesCleaner).Click();
  form->BackupBtn.Click();
  EXPECT_EQ(destroyed, 2);
  EXPECT_EQ(form->tools().Existing(ToolKind::StartupManager), nullptr);
  EXPECT_EQ(form->AdvancePanel.Find("ProbeForm"), nullptr);

  form->AdvanceBtn.Click();
  EXPECT_TRUE(form->Pair(ToolKind::StartupManager).image.IsShowing())
      << "the sheet's pictures show again";
  form->ToolLink(ToolKind::StartupManager).Click();
  EXPECT_EQ(made, 3);
}

TEST_F(ToolHostingTest, WhileTheJunkCleanerScansNoToolLinkDoesAnything) {
  form->ToolLink(ToolKind::JunkFilesCleaner).Click();
  holdLinks = true;
  form->ToolLink(ToolKind::StartupManager).Click();
  EXPECT_EQ(form->tools().Existing(ToolKind::StartupManager), nullptr);
  EXPECT_TRUE(form->ToolLink(ToolKind::JunkFilesCleaner).font().underline);
  holdLinks = false;
  form->ToolLink(ToolKind::StartupManager).Click();
  EXPECT_NE(form->tools().Existing(ToolKind::StartupManager), nullptr);
}

TEST_F(ToolHostingTest, AToolWithoutAWindowYetOnlyUnderlinesItsLink) {
  form->ToolLink(ToolKind::TweakMemory).Click();
  EXPECT_EQ(form->tools().Existing(ToolKind::TweakMemory), nullptr);
  EXPECT_TRUE(form->ToolLink(ToolKind::TweakMemory).font().underline);
  EXPECT_TRUE(form->Pair(ToolKind::TweakMemory).image.IsShowing());
}

// Without substitutes the host makes each tool through its row: a built tool's window is of its
// row's class, and an unbuilt tool opens nothing.
TEST_F(MainFormTest, EveryToolOpensThroughItsRow) {
  Make();
  form->AdvanceBtn.Click();
  for (const tools::ToolEntry& tool : tools::kTools) {
    if (tool.hidden) continue;
    form->ToolLink(tool.kind).Click();
    const tools::ToolWindow* window = form->tools().Existing(tool.kind);
    if (tool.makeWindow == tools::kUnbuilt) {
      EXPECT_EQ(window, nullptr) << tool.linkName;
    } else {
      ASSERT_NE(window, nullptr) << tool.linkName;
      EXPECT_EQ(window->windowClass(), tool.windowClass);
      EXPECT_TRUE(window->IsShowing()) << tool.linkName;
    }
  }
}

}  // namespace
}  // namespace halvex::testing
