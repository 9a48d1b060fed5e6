#include "base/shared_state.h"

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

// Placing the bodies fills entries 1 and 2; clearing the period record
// empties every one of its tables and leaves the bodies.
TEST(SharedState, BodiesPlacedAndPeriodRecordCleared) {
    SharedState s;
    placeBodies(s, {1, 2, 3, 4, 5, 6, 7, 8});
    const double placed[] = {s.X(1), s.Y(1), s.VX(1), s.VY(1), s.X(2), s.Y(2), s.VX(2), s.VY(2)};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(placed[k], k + 1) << k;

    PeriodArray* record[] = {&s.Tn2, &s.Xn2, &s.Yn2, &s.Tn1, &s.Xn1, &s.Yn1, &s.Tk1, &s.Xk1, &s.Yk1,
                             &s.Xk2, &s.Yk2, &s.Q3,  &s.QV1, &s.QV2, &s.v1n, &s.v1k, &s.v1};
    for (PeriodArray* a : record)
        a->fill(7.5);
    s.dT.fill(7.5);
    s.clearPeriodRecord();
    for (std::size_t k = 0; k < std::size(record); ++k)
        for (int i = 0; i <= 20; ++i)
            ASSERT_EQ((*record[k])(i), 0.0) << "table " << k << " period " << i;
    for (int i = 0; i <= 100; ++i)
        ASSERT_EQ(s.dT(i), 0.0) << i;
    EXPECT_EQ(s.X(2), 5);
}
