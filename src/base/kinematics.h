#pragma once
// Kinematics of a body and of a signal seen from frames moving along X:
// clock rates, the Lorentz change of times and velocities, and the Doppler
// ratios. `c` is the invariant signal speed of the formula (the experiments
// pass their Vs or the speed of light, whichever their theory uses). Every
// division by zero and every root of a negative number throws MathError.
namespace sonrel {

// Clock rate sqrt(1 - (v / c)^2) of a body moving with v: its own time per
// unit of frame time, also the contraction of its lengths. 0 at |v| = c
// (every division by it then fails); |v| > c is a MathError.
double clockRate(double v, double c);

// Speed u along X seen from a frame moving along X with `frame`:
// (u - frame) / (1 - frame u / c^2), below c in size where both are.
double relativeVelocity(double u, double frame, double c);

struct Velocity {
    double x = 0, y = 0;
};

// Velocity u seen from a frame moving along +X with `frame` (Lorentz):
// ((ux - frame), k uy) / (1 - frame ux / c^2), k the frame's clock rate.
Velocity boostVelocity(Velocity u, double frame, double c);

// Time of the event (t, x) in a frame moving along +X with `frame`, whose
// clock rate is `rate`: (t - frame x / c^2) / rate.
double lorentzTime(double t, double x, double frame, double c, double rate);

// Position of the event (t, x) in the same frame: (x - frame t) / rate.
double lorentzPosition(double t, double x, double frame, double rate);

// 1 - v cos(q) / c: the factor of a body moving with v at the angle q (rad)
// to the path of the signal from source to receiver, along which the signal
// runs with c. Below 1 where the body moves with the signal: a receiver
// running away from it, a source after its own. Evaluated as
// 1 - cos(q)·(v/c), the order in which formula (2) has always rounded.
double sightFactor(double v, double q, double c);

// Classical Doppler ratio received/emitted of receiver 1 and source 2, each
// with its own signal speed along its line of sight:
// (1 - V1 cos Q1 / c1) / (1 - V2 cos Q2 / c2).
double classicalDopplerRatio(double V1, double Q1, double c1, double V2, double Q2, double c2);

// The classical ratio with both clocks running at their rates in the frame
// of the medium (invariant speed c): the source's clock slows the emission,
// the receiver's the counting, so the ratio gains rate(V2) / rate(V1).
double relativisticDopplerRatio(double V1, double Q1, double c1, double V2, double Q2, double c2,
                                double c);

} // namespace sonrel
