#include "app/shared_state.h"

#include <gtest/gtest.h>

using namespace sonrel;

TEST(SharedState, IndexOutsideARecordIsAnError) {
    SharedState s;
    s.Tk1(20) = 1.5;
    EXPECT_DOUBLE_EQ(s.Tk1(20), 1.5);
    EXPECT_THROW(s.Tk1(21), IndexError);
    EXPECT_THROW(s.Tk1(-1), IndexError);
    EXPECT_NO_THROW(s.X(48));
    EXPECT_THROW(s.VY(10), IndexError);
    EXPECT_NO_THROW(s.dT(100));
}

TEST(SharedState, PiChangesDegreesPerRadian) {
    SharedState s;
    EXPECT_DOUBLE_EQ(s.pi, 3.14159265358979);
    s.setPi(3.141592654);
    EXPECT_DOUBLE_EQ(s.degPerRad, 180 / 3.141592654);
}
