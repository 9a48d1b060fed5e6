#include "base/errors.h"
#include "canvas/recording_canvas.h"
#include "theory/formula_table.h"
#include "theory/formulas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

TEST(Formulas, EveryFormulaAtGeneralAnglesAndSpeeds) {
    // Vs = 20, v0 = 100; receiver 5 at Qn1, source 8 at Qn2, relative speed 9 at Q12 = 35°.
    // G = √(1 − 0,45²) = 0,893029, G1 = √(1 − 0,25²) = 0,968246, G2 = √(1 − 0,4²) = 0,916515.
    // V12'/Vs = 9·cos 35°/20 = 0,368618.
    struct Case {
        double Q1deg, Q2deg;
        double v2, v45; // (2) and (4-5) depend on Qn1 and Qn2
    };
    // (2) at 50°/70°: 100·(1 − 0,25·0,642788)/(1 − 0,4·0,342020) = 100·0,839303/0,863192 = 97,2325;
    // at 130°/145°: 100·1,160697/1,327661 = 87,4242; Qn1 = −50°, Qn2 = 250°: 83,9303/1,136808.
    // (4-5) = (2)·G2/G1 = (2)·0,946572.
    const Case cases[] = {{50, 70, 97.2324990642, 92.0376355158},
                          {130, 145, 87.4242040538, 82.753370585},
                          {-50, 250, 73.8297984577, 69.8852764874}};
    for (const Case& k : cases) {
        FormulaInputs in = inputs(5, 8, k.Q1deg * pi / 180, k.Q2deg * pi / 180);
        in.V12 = 9;
        in.Q12 = 35 * pi / 180;
        const auto v = [&](FormulaSelection sel) { return calculateFrequency(in, sel, {}); };
        EXPECT_NEAR(v(choose(MainFormula::Lorentz)).v, k.v2, 1e-8) << k.Q1deg;
        const FormulaResult r45 = v(choose(MainFormula::Relativity, RelativityVariant::V4_5));
        EXPECT_NEAR(r45.v, k.v45, 1e-8) << k.Q1deg;
        EXPECT_NEAR(r45.ratio, k.v45 / 100, 1e-10);
        EXPECT_NEAR(r45.shift, k.v45 - 100, 1e-8);
        EXPECT_NEAR(r45.G, 0.893028554975, 1e-11);
        EXPECT_NEAR(r45.G1, 0.968245836552, 1e-11);
        EXPECT_NEAR(r45.G2, 0.916515138991, 1e-11);
        // These use only V12 and Q12: 100·(1 − 0,368618) = 63,1382 for (4-4); divided by G
        // for (4-1); 100·G/(1 ∓ 0,368618) for (4-2) and (4-3).
        EXPECT_NEAR(v(choose(MainFormula::Classical)).v, 63.138158007, 1e-8);
        EXPECT_NEAR(v(choose(MainFormula::Relativity, RelativityVariant::V4_1)).v, 70.7011636473,
                    1e-8);
        EXPECT_NEAR(v(choose(MainFormula::Relativity, RelativityVariant::V4_2)).v, 141.440387741,
                    1e-8);
        EXPECT_NEAR(v(choose(MainFormula::Relativity, RelativityVariant::V4_3)).v, 65.2503679601,
                    1e-8);
    }
}

TEST(Formulas, WeltCorrectionsAtGeneralAngles) {
    // The signal speed relative to the receiver by the law of cosines,
    // Vs1² = Vs² + V1² − 2·Vs·V1·cos a1, and relative to the source
    // Vs2 = √(Vs² − (V2·sin a2)²) + V2·cos a2, with a = |Q| folded into 0..π.
    struct Case {
        double Q1deg, Q2deg;
        double Vs1, dv1, Vs2, dv2, v31, v32;     // exact corrections
        double aVs1, adv1, aVs2, adv2, a31, a32; // approximate corrections
    };
    // At 50°/70°: Vs1 = √(400 + 25 − 200·0,642788) = 17,2175,
    // dv1 = (17,2175/20 − 1 + 0,642788·0,25)·100 = 2,15722;
    // Vs2 = √(400 − (8·0,939693)²) + 8·0,342020 = 18,5334 + 2,73616 = 21,2696,
    // dv2 = (21,2696/20 − 1 − 0,342020·0,4)·100 = −7,33305.
    // Approximate: Vs1 = √425 = 20,6155, dv1 = 3,07764·sin a1; Vs2 = √336 = 18,3303,
    // dv2 = −8,34849·sin a2. (3-1) = v0·F + dv2 + dv1, (3-2) = (v0 + dv2)·F + dv1 with
    // F = (1 − cos Qn1·V1/Vs)/(1 − cos Qn2·V2/Vs).
    const Case cases[] = {
        {50, 70, 17.2175049895, 2.15721518955, 21.269552035, -7.33304555827, 92.0566686955,
         92.2596107999, 20.6155281281, 2.35760951053, 18.3303027798, -7.84501078373, 91.745097791,
         91.9622085378},
        {130, 145, 23.5278031685, 1.56932560051, 12.9132842194, -2.66749713143, 86.3260325229,
         86.661491519, 20.6155281281, 2.35760951053, 18.3303027798, -4.78849490667, 84.9933186576,
         85.595510006},
        {-50, 250, 17.2175049895, 2.15721518955, 21.269552035, -7.33304555827, 68.653968089,
         70.5730408908, 20.6155281281, 2.35760951053, 18.3303027798, -7.84501078373, 68.3423971845,
         70.3954523177},
    };
    for (const Case& k : cases) {
        const FormulaInputs in = inputs(5, 8, k.Q1deg * pi / 180, k.Q2deg * pi / 180);
        for (bool exact : {true, false})
            for (WeltVariant welt : {WeltVariant::V3_1, WeltVariant::V3_2}) {
                FormulaSelection sel = choose(MainFormula::Welt);
                sel.exactCorrections = exact;
                sel.welt = welt;
                const FormulaResult r = calculateFrequency(in, sel, {});
                const bool first = welt == WeltVariant::V3_1;
                EXPECT_NEAR(r.Vs1, exact ? k.Vs1 : k.aVs1, 1e-9) << k.Q1deg << exact;
                EXPECT_NEAR(r.dv1, exact ? k.dv1 : k.adv1, 1e-9) << k.Q1deg << exact;
                EXPECT_NEAR(r.Vs2, exact ? k.Vs2 : k.aVs2, 1e-9) << k.Q1deg << exact;
                EXPECT_NEAR(r.dv2, exact ? k.dv2 : k.adv2, 1e-9) << k.Q1deg << exact;
                const double expected = exact ? (first ? k.v31 : k.v32) : (first ? k.a31 : k.a32);
                EXPECT_NEAR(r.v, expected, 1e-8) << k.Q1deg << exact << first;
            }
    }
}

TEST(Formulas, TableBesideACalculationTruncatesEachValueTowardZero) {
    FormulaInputs in;
    in.V1 = 1.23456;
    in.V2 = -2.34567;
    in.V12 = 3.5;
    in.Q3 = 0.56789;
    in.Q1 = 1.23456;
    in.Q2 = -0.123456;
    in.Q12 = 2.5;
    FormulaResult r;
    r.G1 = 0.8;
    r.G2 = 0.6;
    r.G = 0.9998765432;
    r.dv1 = -0.5;
    r.dv2 = 1;
    r.v0 = 3;
    RecordingCanvas c;
    // 40 degrees a radian keeps the angles easy to work out by hand.
    printFormulaTable(c, in, r, 40);
    std::vector<std::string> lines;
    for (const auto& op : c.ops)
        if (op.kind == DrawOp::Print) lines.push_back(op.text);
    const std::vector<std::string> expected = {"V1=   1,234",
                                               "V2=   -2,345",
                                               "V12=   3,5",
                                               "Q3=   22,715",
                                               "Q1= Q1 - Q3=  49,382",
                                               "Q2= Q2 - Q3=  -4,938",
                                               "Q12= Q12 - Q3=  100",
                                               "G1=   0,8",
                                               "G2=   0,6",
                                               "G=   0,999876",
                                               "dv1 / v0=   -0,166666",
                                               "dv2 / v0=   0,333333"};
    EXPECT_EQ(lines, expected);
    r.v0 = 0;
    RecordingCanvas none;
    EXPECT_THROW(printFormulaTable(none, in, r, 40), MathError);
}
