#include "calculators/aux_calc.h"

#include "base/shared_state.h"
#include "canvas/recording_canvas.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {
constexpr double c = 299790000.0;
constexpr double v0 = 546.467e12;
const double e = 1e-19 * 1.60218;

bool printedLine(const RecordingCanvas& canvas, const std::string& text) {
    for (const DrawOp& op : canvas.ops)
        if (op.kind == DrawOp::Print && op.text == text) return true;
    return false;
}
} // namespace

TEST(AuxLasers, ResonanceOfBothLasersAtTheBeamSpeed) {
    const LaserPair rest = laserFrequencies41(v0, 0);
    EXPECT_EQ(rest.vp, v0);
    EXPECT_EQ(rest.va, v0);
    const LaserPair beam = laserFrequencies41(v0, 0.338);
    // The ions see both lasers at v0: their product is v0².
    EXPECT_NEAR(beam.vp * beam.va / (v0 * v0), 1, 1e-14);
    EXPECT_NEAR(beam.vp / beam.va, 1.338 / 0.662, 1e-12);
    EXPECT_THROW(laserFrequencies41(v0, 1), MathError);
    EXPECT_THROW(laserFrequencies41(v0, 1.2), MathError);
}

TEST(AuxLasers, MeasuredFrequenciesOnlyForTheListedSpeeds) {
    ASSERT_TRUE(experimentalLasers(0.3380).has_value());
    EXPECT_DOUBLE_EQ(experimentalLasers(0.338)->vp, 777.21e12);
    EXPECT_DOUBLE_EQ(experimentalLasers(0.064)->va, 512.671e12);
    EXPECT_DOUBLE_EQ(experimentalLasers(0.03)->vp, 563.209e12);
    EXPECT_FALSE(experimentalLasers(0.3381).has_value());
}

TEST(AuxLasers, SearchFindsTheBeamSpeedOfTheLasers) {
    const LaserPair lasers = laserFrequencies41(v0, 0.338);
    RecordingCanvas canvas;
    BeamSpeedSearch search;
    BeamSpeedSearch::drawGrid(canvas);
    const auto found = search.run(canvas, v0, lasers.vp, lasers.va, c);
    ASSERT_TRUE(found.has_value());
    EXPECT_NEAR(*found, 0.338, 1e-4);
    // Both lasers then act with G·v0.
    const double G = std::sqrt(1 - 0.338 * 0.338);
    EXPECT_NEAR(search.v0p() / (G * v0), 1, 1e-4);
    EXPECT_NEAR(search.v0a() / (G * v0), 1, 1e-4);
    EXPECT_TRUE(printedLine(canvas, *found == 0.338 ? "V/Vsv=  0,338" : "V/Vsv=  0,33805"));
    EXPECT_TRUE(printedLine(canvas, "v0=  546,467    L0=  548,596"));
    // V/Vsv along the bottom in tenths; each laser as the beam sees it,
    // (1 ∓ β)·v / v0 at 0,25 per unit, β = 1 at 20 units.
    EXPECT_TRUE(printedLine(canvas, "0,1"));
    EXPECT_TRUE(printedLine(canvas, "0,9"));
    std::size_t along = 0, against = 0;
    for (const DrawOp& op : canvas.ops) {
        if (op.kind != DrawOp::Point) continue;
        const double beta = op.x1 / 20;
        if (op.color == rgb(0, 0, 255)) {
            ++along;
            EXPECT_NEAR(op.y1, (1 - beta) * lasers.vp / v0 / 0.25, 1e-9);
        } else {
            ++against;
            EXPECT_NEAR(op.y1, (1 + beta) * lasers.va / v0 / 0.25, 1e-9);
        }
    }
    EXPECT_EQ(along, 19999u);
    EXPECT_EQ(against, 19999u);
    // The two-photon line sums both effective frequencies, about 2·G·v0 = 1028,6 THz.
    bool sum = false;
    for (const DrawOp& op : canvas.ops)
        sum = sum || op.text.rfind("v1= v0a+v0p=  1028,", 0) == 0;
    EXPECT_TRUE(sum);
}

TEST(AuxLasers, UnfoundCrossingKeepsThePreviousFrequencies) {
    RecordingCanvas canvas;
    BeamSpeedSearch fresh;
    // A laser against the beam far too weak: the crossing lies beyond the scan,
    // and a search that never found one has no frequency to show.
    EXPECT_THROW(fresh.run(canvas, v0, v0, v0 * 1e-6, c), MathError);
    EXPECT_FALSE(fresh.lastSpeed().has_value());

    BeamSpeedSearch search;
    search.run(canvas, v0, 600e12, 500e12, c);
    const double kept = search.v0p();
    EXPECT_NEAR(*search.lastSpeed(), 100.0 / 1100, 1e-4);
    search.run(canvas, v0, v0, v0 * 1e-6, c);
    EXPECT_EQ(search.v0p(), kept);
    EXPECT_THROW(search.run(canvas, 0, 600e12, 500e12, c), MathError);
}

TEST(AuxIons, EnergyMassAndSpeedAgree) {
    const double m = 3.344556e-27, beta = 0.012645;
    const double E = ionEnergyKeV(m, beta * c, e);
    EXPECT_NEAR(E, 150, 0.05);
    EXPECT_NEAR(ionMass(E, beta * c, e), m, 1e-40);
    EXPECT_NEAR(ionSpeed(E, m, e, c), beta, 1e-15);
    EXPECT_THROW(ionMass(150, 0, e), MathError);
    EXPECT_THROW(ionSpeed(-150, m, e, c), MathError);
    EXPECT_THROW(ionSpeed(150, 0, e, c), MathError);
}

TEST(AuxShiftSpeed, SpeedFromAFrequencyOrWavelengthShift) {
    SharedState s;
    for (bool wavelengths : {true, false})
        for (bool source : {true, false})
            EXPECT_EQ(speedFromShift(656.28, 0, 0, wavelengths, source, c), 0);
    // Frequencies 100 and 101 THz: the source approaches at 1/101 of c, the
    // receiver at 1/100; at 60° twice as fast along its path.
    EXPECT_NEAR(speedFromShift(100, 1, 0, false, true, c), 1.0 / 101, 1e-15);
    EXPECT_NEAR(speedFromShift(100, 1, 0, false, false, c), -0.01, 1e-15);
    EXPECT_NEAR(speedFromShift(100, 1, 60 / s.degPerRad, false, false, c), -0.02, 1e-12);
    // A longer wavelength from a receding source.
    EXPECT_NEAR(speedFromShift(656.28, 10, 0, true, true, c), 1 - 666.28 / 656.28, 1e-15);
    for (double pi : {3.14159265358979, 3.141592654}) {
        s.setPi(pi);
        EXPECT_THROW(speedFromShift(656.28, 10, 90 / s.degPerRad, true, true, c), MathError);
        EXPECT_THROW(speedFromShift(656.28, 10, 270 / s.degPerRad, true, false, c), MathError);
    }
    EXPECT_THROW(speedFromShift(0, 10, 0, true, true, c), MathError);
    EXPECT_THROW(speedFromShift(0, 10, 0, false, false, c), MathError);
}
