#pragma once
// The main window's default fields, as the start button reads them into the state.
#include "base/shared_state.h"

namespace sonrel::testing {

inline void typeDefaults(SharedState& s, double x1n = 86.60254) {
    s.X(1) = x1n;
    s.Y(1) = 50;
    s.VX(1) = 6;
    s.VY(1) = 0;
    s.X(2) = 50;
    s.Y(2) = 0;
    s.VX(2) = 10;
    s.VY(2) = 0;
    s.Vs = 20;
    s.pictureScale = 5;
    s.dt = 0.001;
    s.NC0 = 20;
    s.T00 = 5;
    s.v0 = 0.2;
}

} // namespace sonrel::testing
