#include "app/errors.h"
#include "theory/formulas.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {

const double pi = 3.14159265358979;

FormulaInputs inputs(double V1, double V2, double Q1, double Q2, double Vs = 20, double v0 = 100) {
    FormulaInputs in;
    in.v0 = in.fieldValue = v0;
    in.Vs = Vs;
    in.V1 = V1;
    in.V2 = V2;
    in.V12 = std::fabs(V1 - V2);
    in.Q1 = Q1;
    in.Q2 = Q2;
    in.Q12 = Q1;
    in.mode = FormulaMode::Sweep;
    return in;
}

FormulaSelection choose(MainFormula f, RelativityVariant var = RelativityVariant::None) {
    FormulaSelection sel;
    sel.formula = f;
    sel.variant = var;
    return sel;
}

std::vector<FormulaSelection> everyFormula() {
    std::vector<FormulaSelection> all = {choose(MainFormula::Lorentz),
                                         choose(MainFormula::Classical)};
    for (auto var : {RelativityVariant::V4_1, RelativityVariant::V4_2, RelativityVariant::V4_3,
                     RelativityVariant::V4_5})
        all.push_back(choose(MainFormula::Relativity, var));
    for (auto welt : {WeltVariant::V3_1, WeltVariant::V3_2})
        for (bool exact : {false, true}) {
            FormulaSelection sel = choose(MainFormula::Welt);
            sel.welt = welt;
            sel.exactCorrections = exact;
            all.push_back(sel);
        }
    return all;
}

} // namespace

TEST(Formulas, BodiesAtRestReceiveTheEmittedFrequency) {
    FormulaResult previous;
    previous.v = -1;
    for (double q : {0.0, 0.7, pi, 4.0})
        for (const FormulaSelection& sel : everyFormula()) {
            const FormulaResult r = calculateFrequency(inputs(0, 0, q, q), sel, previous);
            ASSERT_TRUE(r.speedsAccepted);
            EXPECT_NEAR(r.v, 100, 1e-9) << static_cast<int>(sel.formula);
            EXPECT_NEAR(r.ratio, 1, 1e-12);
            EXPECT_NEAR(r.shift, 0, 1e-9);
            EXPECT_DOUBLE_EQ(r.Vs1, 20);
            EXPECT_DOUBLE_EQ(r.G, 1);
        }
}

TEST(Formulas, MotionAlongTheLineOfSight) {
    // Receiver running straight at a resting source.
    const FormulaInputs towards = inputs(5, 0, pi, 0);
    EXPECT_NEAR(calculateFrequency(towards, choose(MainFormula::Lorentz), {}).v, 125, 1e-9);
    EXPECT_NEAR(calculateFrequency(towards, choose(MainFormula::Classical), {}).v, 125, 1e-9);

    // Source running straight at the receiver: 1/(1 − V2/Vs), and (4-5) times G2/G1.
    const FormulaInputs fast = inputs(0, 0.99 * 20, 0, 0);
    const double classic = 100 / (1 - 0.99);
    EXPECT_NEAR(calculateFrequency(fast, choose(MainFormula::Lorentz), {}).v, classic, 1e-6);
    const FormulaResult r45 =
        calculateFrequency(fast, choose(MainFormula::Relativity, RelativityVariant::V4_5), {});
    EXPECT_NEAR(r45.v, classic * std::sqrt(1 - 0.99 * 0.99), 1e-6);
}

TEST(Formulas, NearTheSignalSpeedTheFormulasGiveTheirTrueValues) {
    FormulaResult previous;
    previous.v = 77;
    // β = 1 − 10⁻⁶ along the line of sight: the relativistic factor
    // √((1 + β)/(1 − β)) ≈ 1414,2 of a source or receiver closing in.
    const double beta = 1 - 0.000001;
    const double relativistic = 100 * std::sqrt((1 + beta) / (1 - beta));
    const FormulaInputs source = inputs(0, 20 * beta, 0, 0);
    const FormulaResult r45 = calculateFrequency(
        source, choose(MainFormula::Relativity, RelativityVariant::V4_5), previous);
    EXPECT_TRUE(r45.applied);
    EXPECT_NEAR(r45.v / relativistic, 1, 1e-6);
    // Formula (2): v0 / (1 − β).
    EXPECT_NEAR(calculateFrequency(source, choose(MainFormula::Lorentz), previous).v, 1e8, 1);
    const FormulaInputs receiver = inputs(20 * beta, 0, 0, 0);
    const FormulaResult r42 = calculateFrequency(
        receiver, choose(MainFormula::Relativity, RelativityVariant::V4_2), previous);
    EXPECT_NEAR(r42.v / relativistic, 1, 1e-6);
    // (4-3) with the relative velocity pointing the other way.
    const FormulaInputs back = inputs(20 * beta, 0, pi, pi);
    EXPECT_NEAR(
        calculateFrequency(back, choose(MainFormula::Relativity, RelativityVariant::V4_3), previous)
                .v /
            relativistic,
        1, 1e-6);

    // "СТО" with no variant ticked: no formula applies and no value is given.
    const FormulaResult none =
        calculateFrequency(inputs(3, 4, 1, 1), choose(MainFormula::Relativity), previous);
    EXPECT_TRUE(none.speedsAccepted);
    EXPECT_FALSE(none.applied);
    FormulaSelection wavelength = choose(MainFormula::Relativity);
    wavelength.wavelength = true;
    EXPECT_FALSE(calculateFrequency(inputs(3, 4, 1, 1), wavelength, previous).applied);
}

TEST(Formulas, ASweepChecksOnlyTheSpeedsItsFormulaContains) {
    // Receiver at −0,75·Vs towards the source, source at 0,5·Vs away from it:
    // V12 = −25 is beyond Vs, but (2) and (3) contain V1 and V2 only.
    FormulaInputs in = inputs(-15, 10, 0, 0);
    in.V12 = -25;
    const FormulaResult r2 = calculateFrequency(in, choose(MainFormula::Lorentz), {});
    EXPECT_TRUE(r2.applied);
    EXPECT_NEAR(r2.v, 100 * (1 + 0.75) / (1 - 0.5), 1e-9);
    EXPECT_TRUE(calculateFrequency(in, choose(MainFormula::Welt), {}).applied);
    EXPECT_FALSE(calculateFrequency(in, choose(MainFormula::Classical), {}).speedsAccepted);
    EXPECT_FALSE(
        calculateFrequency(in, choose(MainFormula::Relativity, RelativityVariant::V4_2), {})
            .speedsAccepted);
}

TEST(Formulas, SpeedCheckSignedInButtonsAbsoluteInSweeps) {
    FormulaResult previous;
    previous.v = 42;
    previous.G = 0.5;
    FormulaInputs in = inputs(-20, 0, 0, 0);
    in.V12 = -20;
    const FormulaResult swept = calculateFrequency(in, choose(MainFormula::Lorentz), previous);
    EXPECT_FALSE(swept.speedsAccepted);
    EXPECT_DOUBLE_EQ(swept.v, 42);
    EXPECT_DOUBLE_EQ(swept.G, 0.5);

    FormulaInputs atVs = inputs(20, 0, 0, 0);
    atVs.mode = FormulaMode::Interactive;
    EXPECT_FALSE(calculateFrequency(atVs, choose(MainFormula::Lorentz), previous).speedsAccepted);

    // Interactive callers pass magnitudes; a large negative one passes the check
    // and then fails in the factor G.
    in.mode = FormulaMode::Interactive;
    in.V12 = -30;
    EXPECT_THROW(calculateFrequency(in, choose(MainFormula::Lorentz), previous), MathError);

    // The factors never fall below 0,00001, so (4-1) stays finite near Vs.
    FormulaInputs edge = inputs(20 * (1 - 1e-13), 0, 0, 0);
    const FormulaResult g =
        calculateFrequency(edge, choose(MainFormula::Relativity, RelativityVariant::V4_1), {});
    EXPECT_DOUBLE_EQ(g.G, 0.00001);
    EXPECT_TRUE(std::isfinite(g.v));
}

TEST(Formulas, WeltCorrectionsFoldTheAngles) {
    // Qn1 = 3π/2: the corrections see π/2, the main factor cos(3π/2) = 0.
    FormulaSelection approx = choose(MainFormula::Welt);
    approx.welt = WeltVariant::V3_1;
    approx.exactCorrections = false;
    const FormulaResult r = calculateFrequency(inputs(5, 0, 1.5 * pi, 0), approx, {});
    const double dv1 = (std::sqrt(425.0) / 20 - 1) * 100;
    EXPECT_NEAR(r.dv1, dv1, 1e-9);
    EXPECT_NEAR(r.v, 100 + dv1, 1e-9);

    // Exact: a1 beyond π/2 uses the supplement and must agree with the plain law of cosines.
    FormulaSelection exact = choose(MainFormula::Welt);
    exact.welt = WeltVariant::V3_2;
    const double a1 = 2 * pi / 3, a2 = 3 * pi / 4;
    const FormulaResult e = calculateFrequency(inputs(5, 8, a1, a2), exact, {});
    const double Vs1 = std::hypot(20 - 5 * std::cos(a1), 5 * std::sin(a1));
    const double Vs2 = std::sqrt(400 - std::pow(8 * std::sin(a2), 2)) + 8 * std::cos(a2);
    EXPECT_NEAR(e.Vs1, Vs1, 1e-9);
    EXPECT_NEAR(e.Vs2, Vs2, 1e-9);
    const double dv2 = (Vs2 / 20 - 1 - std::cos(a2) * 8 / 20) * 100;
    const double factor = (1 - std::cos(a1) * 5 / 20) / (1 - std::cos(a2) * 8 / 20);
    EXPECT_NEAR(e.v, (100 + dv2) * factor + e.dv1, 1e-9);
}

TEST(Formulas, WavelengthModeAndFaults) {
    FormulaSelection sel = choose(MainFormula::Lorentz);
    sel.wavelength = true;
    FormulaInputs in = inputs(0, 0, 0, 0, 20, 656.28);
    const FormulaResult r = calculateFrequency(in, sel, {});
    EXPECT_DOUBLE_EQ(r.v0, 20 / 656.28);
    EXPECT_NEAR(r.v, 656.28, 1e-9);
    EXPECT_NEAR(r.ratio, 1, 1e-12);
    EXPECT_NEAR(r.shift, 0, 1e-9);

    in.fieldValue = 0;
    EXPECT_THROW(calculateFrequency(in, sel, {}), MathError);
    FormulaInputs zero = inputs(0, 0, 0, 0, 20, 0);
    EXPECT_THROW(calculateFrequency(zero, choose(MainFormula::Lorentz), {}), MathError);
}
