// The one-beam-at-a-time model stays the default: its period record is
// compared value for value with a record kept from before the "все фронты"
// mode was added beside it (the default run's record ends at the tenth
// arrival since a received beam is no longer received again).
#include "experiments/medium/medium_experiment.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

using namespace sonrel;

namespace {

struct Record {
    const double *Tn1, *Tn1p, *Xk1, *Yk1, *Xk2, *Qn1, *Qn2, *Vs1, *Vs2, *Qa, *Qe, *vsr;
};

void expectRecord(const SharedState& st, const MediumExperiment& run, int arrivals,
                  const Record& r) {
    ASSERT_EQ(run.k, arrivals + 1);
    for (int i = 1; i <= arrivals; ++i) {
        const int n = i - 1;
        EXPECT_DOUBLE_EQ(st.Tn1(i), r.Tn1[n]) << i;
        EXPECT_DOUBLE_EQ(run.Tn1p(i), r.Tn1p[n]) << i;
        EXPECT_DOUBLE_EQ(st.Xk1(i), r.Xk1[n]) << i;
        EXPECT_DOUBLE_EQ(st.Yk1(i), r.Yk1[n]) << i;
        EXPECT_DOUBLE_EQ(st.Xk2(i), r.Xk2[n]) << i;
        EXPECT_DOUBLE_EQ(st.QV1(i), r.Qn1[n]) << i;
        EXPECT_DOUBLE_EQ(st.QV2(i), r.Qn2[n]) << i;
        EXPECT_DOUBLE_EQ(run.Vs1(i), r.Vs1[n]) << i;
        EXPECT_DOUBLE_EQ(run.Vs2(i), r.Vs2[n]) << i;
        EXPECT_DOUBLE_EQ(run.Qa(i), r.Qa[n]) << i;
        EXPECT_DOUBLE_EQ(run.Qe(i), r.Qe[n]) << i;
        if (i < arrivals) {
            EXPECT_DOUBLE_EQ(run.vsr(i), r.vsr[n]) << i;
        }
    }
}

} // namespace

TEST(MediumDefaultRecord, DefaultRunKeepsItsRecordedPeriods) {
    SharedState st;
    MediumExperiment run(st);
    MediumOptions o;
    o.animation = false;
    ASSERT_EQ(run.start(MediumInputs{}, o), StartOutcome::Running);
    sonrel::testing::ScriptedPrompts p;
    p.answers = {true};
    for (long s = 0; s < 200000 && !run.finished(); ++s)
        run.step(o, nullptr, p);
    // Beam 10 arrives at 50,23 s, after the source passed the start point of
    // beam 11 at 50 s (the overrun question): beam 11 never leaves, and the
    // run stops by itself. The record once went on to 20 arrivals, made of
    // late beams received a second time one step after their arrival
    // ("periods" of one step, v = 1/dt) and of the beams after them; a
    // beam is now received once, and those entries are gone.
    EXPECT_EQ(p.asked.size(), 1u);
    EXPECT_EQ(st.stepCount, 0);
    const double Tn1[] = {4.9870000000000001, 8.9040000000005044, 13.047999999998208,
                          17.570999999998492, 22.534000000004557, 27.828000000011027,
                          33.311000000013067, 38.903000000000034, 44.54699999998688,
                          50.229999999973636};
    const double Tn1p[] = {4.9870000000000001, 8.9040000000005044, 13.047999999998208,
                           17.570999999998492, 22.534000000004557, 27.828000000011027,
                           33.311000000013067, 38.903000000000034, 44.54699999998688,
                           50.229999999973636};
    const double Xk1[] = {86.522000000001128, 110.02400000000202, 134.88800000000296,
                          162.02600000000399, 191.80400000000512, 223.56800000000632,
                          256.46600000000535, 290.01799999984769, 323.88199999968856,
                          357.97999999952833};
    const double Yk1[] = {50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
    const double Xk2[] = {49.869999999998647, 89.040000000008646, 130.48000000002631,
                          175.70999999998517, 225.33999999994003, 278.27999999989191,
                          333.10999999984205, 389.02999999979119, 445.46999999973985,
                          502.29999999968817};
    const double Qn1[] = {-0.5235987755983198, -0.69673543739620158, -0.95923295689629717,
                          -1.3334315485235539, -1.7355554081830311,  -2.0594885173533086,
                          -2.2884757152156041, -2.4448572161931339,  -2.5621433419281345,
                          -2.6459191460233944};
    const double Qn2[] = {-0.52359877559829937, -0.69673543739610055, -0.95923295689597354,
                          -1.33343154852316,    -1.7355554081828313,  -2.0594885173529693,
                          -2.2884757152159336,  -2.4448572161934274,  -2.5621433419280515,
                          -2.6459191460236773};
    const double Vs1[] = {20, 20, 20, 20, 20, 20, 20, 20, 20, 20};
    const double Vs2[] = {20, 20, 20, 20, 20, 20, 20, 20, 20, 20};
    const double Qa[] = {0.5235987755983198, 0.69673543739620158, 0.95923295689629717,
                         1.3334315485235539, 1.7355554081830311,  2.0594885173533086,
                         2.2884757152156041, 2.4448572161931339,  2.5621433419281345,
                         2.6459191460233944};
    const double Qe[] = {0.52359877559829937, 0.69673543739610055, 0.95923295689597354,
                         1.33343154852316,    1.7355554081828313,  2.0594885173529693,
                         2.2884757152159336,  2.4448572161934274,  2.5621433419280515,
                         2.6459191460236773};
    const double vsr[] = {0.25542762411740655, 0.24098611818892782, 0.22143624054496125,
                          0.20229775477372369, 0.18936392068407445, 0.18249750949941196,
                          0.17901470844485487, 0.17711393808611497, 0.17598231211632001};
    expectRecord(st, run, 10, {Tn1, Tn1p, Xk1, Yk1, Xk2, Qn1, Qn2, Vs1, Vs2, Qa, Qe, vsr});
}

TEST(MediumDefaultRecord, RefractingRelativisticRunKeepsItsRecordedPeriods) {
    SharedState st;
    MediumExperiment run(st);
    MediumInputs in;
    in.Kp = 0.002;
    in.law = DensityLaw::Linear;
    in.VXiso = 2;
    in.T00 = 8;
    in.VY1 = -0.2;
    in.Nr = 200;
    MediumOptions o;
    o.animation = false;
    o.frame = DopplerFrame::Relativistic;
    ASSERT_EQ(run.start(in, o), StartOutcome::Running);
    sonrel::testing::ScriptedPrompts p;
    for (long s = 0; s < 100000 && run.k <= 6; ++s)
        run.step(o, nullptr, p);
    EXPECT_TRUE(p.asked.empty());
    const double Tn1[] = {4.8235742982815886, 11.067574298280949, 18.237574298280951,
                          26.666574298291252, 35.751574298289029, 45.047574298267364};
    const double Tn1p[] = {4.7199297156212277, 10.829764315833591, 17.845701869249215,
                           26.093587174383462, 34.983376947433015, 44.079632944141473};
    const double Xk1[] = {77.949057869468561, 103.69751147776026, 133.26452178708945,
                          168.02328467374716, 205.48720219958477, 243.82122281820739};
    const double Yk1[] = {48.952083334296304, 47.671113941059446, 46.200173750555237,
                          44.470947130505031, 42.607140766386379, 40.700047319953029};
    const double Xk2[] = {40.619573038159196, 93.200625669718349, 153.57957303811668,
                          224.56062566966889, 301.06588882768693, 379.34799409107956};
    const double Qn1[] = {5.5493439308798411, 5.2814084054194401, 4.6803692443614651,
                          4.100749481532123,  3.8065739873502062, 3.6771871888076268};
    const double Qn2[] = {-0.39095375244672947, -0.80983277292536826, -1.549852375770963,
                          -2.2479840765686943,  -2.6529004630313779,  -2.8902652413026071};
    const double Vs1[] = {16.778523489932887, 16.835016835016837, 16.891891891891891,
                          17.006802721088437, 17.094017094017094, 17.182130584192439};
    const double Vs2[] = {20, 20, 20, 20, 20, 20};
    const double Qa[] = {0.6841329868345315, 0.95206851229493261, 1.5531076733529077,
                         2.1327274361822499, 2.4269029303641663,  2.5562897289067457};
    const double Qe[] = {0.39095375244672947, 0.80983277292536826, 1.549852375770963,
                         2.2479840765686943,  2.6529004630313779,  2.8902652413026071};
    const double vsr[] = {0.15762773181001535, 0.13797143584032395, 0.11838392499145708,
                          0.10931922234004611, 0.10671350105198549};
    expectRecord(st, run, 6, {Tn1, Tn1p, Xk1, Yk1, Xk2, Qn1, Qn2, Vs1, Vs2, Qa, Qe, vsr});
}
