#pragma once
// Signal-delay solvers and vector angles shared by every experiment.
#include "base/shared_state.h"

namespace sonrel {

// Solves |(px - cx, py - cy) + (vx, vy)·t| = Vs·t with Vs from the state.
// Returns the smaller root t1 when t1 >= 0, otherwise t2. Read with P a
// receiver position and C, v the source's present position and velocity:
// how long ago a signal left the source to reach P now.
// |v| = Vs (division by zero) or no meeting (negative discriminant) throws MathError.
double arrivalTimeMinusFirst(SharedState& s, double px, double py, double cx, double cy, double vx,
                             double vy);

// The same solver for an explicit signal speed; touches no shared state.
double arrivalTimeMinusFirst(double Vs, double px, double py, double cx, double cy, double vx,
                             double vy);

// The same equation, preferring the larger root t2 when t2 >= 0: the time a
// signal leaving the fixed point C now needs to reach the point P moving with v.
double arrivalTimePlusFirst(SharedState& s, double px, double py, double cx, double cy, double vx,
                            double vy);

// Direction of (x, y) in degrees in [0, 360); the zero vector gives 0. `pi`
// is the caller's π (the frame window works with its own), which sets the
// degree and the full turn.
double vectorAngleDeg(double pi, double x, double y);

// The same in radians in [0, 2π).
double vectorAngleRad(double pi, double x, double y);

} // namespace sonrel
