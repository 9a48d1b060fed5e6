// The pace clock: when a display step of the model is due on the wall clock.
#include "ui/run_pace.h"

#include <gtest/gtest.h>

using namespace sonrel;

TEST(PaceClock, ModelTimeIsDueAtItsShareOfThePace) {
    PaceClock c;
    // A run that starts at model time 3 s when the wall clock reads 100 s.
    EXPECT_DOUBLE_EQ(c.dueAt(3, 2, 100), 100);
    EXPECT_DOUBLE_EQ(c.dueAt(5, 2, 100.2), 101);       // 2 model seconds at 2×: 1 s
    EXPECT_DOUBLE_EQ(c.dueAt(13, 2, 104.9), 105);      // 10 model seconds: 5 s
    EXPECT_DOUBLE_EQ(c.dueAt(13.5, 2, 105.1), 105.25); // ahead is never skipped
}

TEST(PaceClock, ANewPaceCountsFromTheMomentItIsChosen) {
    PaceClock c;
    c.anchor(0, 0, 1);
    EXPECT_DOUBLE_EQ(c.dueAt(4, 1, 3.9), 4);
    // 10× chosen at wall 4 with the model at 4 s: one more second of model
    // time is due a tenth of a second later, not at wall 5 or at wall 0,5.
    EXPECT_DOUBLE_EQ(c.dueAt(4, 10, 4), 4);
    EXPECT_DOUBLE_EQ(c.dueAt(5, 10, 4.05), 4.1);
    // Back to 0,5×.
    EXPECT_DOUBLE_EQ(c.dueAt(5, 0.5, 4.1), 4.1);
    EXPECT_DOUBLE_EQ(c.dueAt(6, 0.5, 4.2), 6.1);
}

TEST(PaceClock, ARunFarBehindGoesOnFromNowInsteadOfRacing) {
    PaceClock c;
    c.anchor(0, 0, 1);
    // A small lag is made up ...
    EXPECT_DOUBLE_EQ(c.dueAt(1, 1, 1.2), 1);
    EXPECT_DOUBLE_EQ(c.dueAt(1.1, 1, 1.25), 1.1);
    // ... but after a question kept the run waiting 10 s, the next second of
    // model time takes a second again.
    EXPECT_DOUBLE_EQ(c.dueAt(1.2, 1, 11.2), 11.2);
    EXPECT_DOUBLE_EQ(c.dueAt(2.2, 1, 11.3), 12.2);
}

TEST(RunStatusText, ShowsTruncatedTimeAndThePeriod) {
    EXPECT_EQ(runProgressText(23.45, 5, 20), "T = 23,4 с   период 5 из 20");
    EXPECT_EQ(runProgressText(0.99, 0, 20), "T = 0,9 с   период 0 из 20");
    EXPECT_EQ(runProgressText(123, 19, 20), "T = 123 с   период 19 из 20");
}
