// The substitute desktop services that tests drive windows with.
#include <gtest/gtest.h>

#include <vector>

#include "platform/substitute/scripted_message_boxes.h"
#include "platform/substitute/scripted_pump.h"

namespace halvex::platform::substitute {
namespace {

TEST(ScriptedPump, RunsEachEventInItsPassAndCountsSleepsAsPasses) {
  ScriptedPump pump;
  std::vector<std::size_t> ranAt;
  pump.AtPass(2, [&] { ranAt.push_back(pump.passes()); });
  pump.AtPass(4, [&] {
    ranAt.push_back(pump.passes());
    pump.Next([&] { ranAt.push_back(pump.passes()); });
  });

  for (int i = 0; i < 3; ++i) pump.ProcessMessages();
  pump.SleepPumping(1000);
  pump.ProcessMessages();

  EXPECT_EQ(ranAt, (std::vector<std::size_t>{2, 4, 5}));
  EXPECT_EQ(pump.sleptMilliseconds(), 1000u);
  EXPECT_EQ(pump.pendingEvents(), 0u);
}

TEST(ScriptedPump, RunsAConditionalEventAtTheNthPassAtWhichItsConditionHolds) {
  ScriptedPump pump;
  int phase = 0;
  std::vector<std::size_t> ranAt;
  pump.AtPassWhen([&] { return phase == 1; }, 2, [&] { ranAt.push_back(pump.passes()); });
  for (int i = 0; i < 3; ++i) pump.ProcessMessages();  // phase 0: not counted
  phase = 1;
  pump.ProcessMessages();
  EXPECT_EQ(pump.pendingEvents(), 1u);
  pump.ProcessMessages();
  pump.ProcessMessages();
  EXPECT_EQ(ranAt, (std::vector<std::size_t>{5})) << "once, at the second pass of phase 1";
  EXPECT_EQ(pump.pendingEvents(), 0u);
}

TEST(ScriptedMessageBoxes, AnswersFromTheScriptThenWithTheFirstButton) {
  ScriptedMessageBoxes boxes;
  boxes.AnswerNext(MessageAnswer::No);

  EXPECT_EQ(boxes.Show("Update now?", "Hal Vex", MessageButtons::YesNo, MessageIcon::Information),
            MessageAnswer::No);
  EXPECT_EQ(boxes.Show("Again?", "Hal Vex", MessageButtons::YesNo, MessageIcon::Question),
            MessageAnswer::Yes);
  EXPECT_EQ(boxes.Show("Sure?", "Hint", MessageButtons::RetryCancel, MessageIcon::None),
            MessageAnswer::Retry);
  boxes.ShowError("Invalid data type for 'x'");

  ASSERT_EQ(boxes.shown().size(), 4u);
  EXPECT_EQ(boxes.shown()[0].text, "Update now?");
  EXPECT_EQ(boxes.shown()[1].icon, MessageIcon::Question);
  EXPECT_TRUE(boxes.shown()[3].isErrorBox);
  EXPECT_FALSE(boxes.shown()[2].isErrorBox);
}

}  // namespace
}  // namespace halvex::platform::substitute
