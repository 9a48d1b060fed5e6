#pragma once
// Calculations around Mössbauer-centrifuge and counter-propagating-laser
// experiments: laser frequencies for an ion beam, the beam speed at which two
// lasers act with one effective frequency, ion energy, mass and speed, and
// the speed of a body from a measured frequency or wavelength shift.
#include "canvas/canvas.h"

#include <optional>

namespace sonrel {

// Speed of light used by the laser frequencies of formula (4-1).
constexpr double kLightSpeed41 = 299737000.0;

// Frequencies in Hz of the laser along the beam (vp) and against it (va).
struct LaserPair {
    double vp = 0, va = 0;
};

// The lasers that the ions moving at beta·c see at their transition v0,
// by formula (4-1). beta >= 1 throws MathError.
LaserPair laserFrequencies41(double v0, double beta);

// The measured laser frequencies for the beam speeds 0,338, 0,064 and 0,03.
std::optional<LaserPair> experimentalLasers(double beta);

// Scans the beam speed from 0 to c for the first speed at which the laser
// along the beam, seen by the ions as (1 - b)·vp, falls below the one
// against it, (1 + b)·va, and draws both on the search graph. The crossing
// frequencies stay from the previous search when none is found.
class BeamSpeedSearch {
public:
    // Clears the canvas and draws the grid: b from 0 to 1 over 20 units,
    // effective frequency / v0 at 4 units per unit.
    static void drawGrid(Canvas& canvas);
    // Plots the sweep and prints the result lines. Returns the speed found
    // (as a fraction of c). Throws MathError on a zero frequency.
    std::optional<double> run(Canvas& canvas, double v0, double vp, double va, double c);

    // The speed found by the last search, if it found one.
    std::optional<double> lastSpeed() const { return found_; }
    double v0p() const { return v0p_; }
    double v0a() const { return v0a_; }

private:
    void printResults(Canvas& canvas, double v0, double vp, double va, double c) const;
    double v0p_ = 0, v0a_ = 0;
    std::optional<double> found_;
};

// E = m·V²/2 in keV for a mass in kg and a speed in m/s; e is the
// elementary charge.
double ionEnergyKeV(double m, double V, double e);
// m = 2·E/V² in kg for an energy in keV.
double ionMass(double energyKeV, double V, double e);
// V = sqrt(2·E/m) as a fraction of c.
double ionSpeed(double energyKeV, double m, double e, double c);

// Speed (fraction of c) of the moving source or receiver that shifts the
// rest value A by D at the observation angle alpha (radians), by formula (2).
// A and D are wavelengths in nm or frequencies in THz. An angle
// perpendicular to the line of sight has no solution and throws MathError.
double speedFromShift(double A, double D, double alpha, bool wavelengths, bool sourceMoves,
                      double c);

} // namespace sonrel
