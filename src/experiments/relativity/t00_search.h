#pragma once
// "Найти T00": the time one beam needs from the source to the receiver in
// the chosen frame, the lower bound for the nominal period.
#include "canvas/canvas.h"
#include "experiments/relativity/model.h"

namespace sonrel::relativity {

class T00Search {
public:
    explicit T00Search(Model& m) : m_(m) {}

    // Converts the initial state into the modelling frame and places one
    // beam at the source. May select АСО (for "СТО+"). Throws InputError or
    // MathError on a failed set-up.
    void prepare(const Inputs& in, Options& opt);
    // One pass; true once the beam has met the receiver (or a stop was asked).
    bool step(Canvas& c);
    // The beam has met the receiver: the travel time is found.
    bool met() const { return met_; }

    double foundT00() const { return t00_; }
    double foundV0() const { return v0_; }

private:
    Model& m_;
    double t00_ = 0, v0_ = 0;
    bool met_ = false;
};

} // namespace sonrel::relativity
