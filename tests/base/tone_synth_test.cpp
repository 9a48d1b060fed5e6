#include "base/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace sonrel;

namespace {

constexpr double kRate = 44100;

std::vector<float> take(ToneSynth& t, double seconds) {
    std::vector<float> v(static_cast<std::size_t>(std::lround(seconds * kRate)));
    t.render(v.data(), v.size());
    return v;
}

// Frequency from the upward zero crossings of one second of samples.
double measuredPitch(const std::vector<float>& s) {
    int up = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i - 1] < 0 && s[i] >= 0) ++up;
    return up * kRate / static_cast<double>(s.size());
}

double largestStep(const std::vector<float>& s) {
    double m = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        m = std::max(m, std::fabs(double(s[i]) - s[i - 1]));
    return m;
}

} // namespace

TEST(ToneSynth, PitchFollowsTheRatioWithoutAJump) {
    ToneSynth t;
    t.setAudible(true);
    t.setRatio(1.5);                          // heard at 1,5 · 440 = 660 Hz
    std::vector<float> all = take(t, 0.1037); // the pitch changes mid-wave
    const std::vector<float> high = take(t, 1);
    t.setRatio(0.75); // 330 Hz
    const std::vector<float> low = take(t, 1);
    EXPECT_NEAR(measuredPitch(high), 660, 660 * 0.005);
    EXPECT_NEAR(measuredPitch(low), 330, 330 * 0.005);
    t.setAudible(false);
    const std::vector<float> fading = take(t, 0.1);
    EXPECT_EQ(fading.back(), 0.0f);
    // Sine of amplitude 0,3 at 660 Hz: no step between samples beyond its own
    // steepest, 0,3 · 2π · 660 / 44100, across the ramp, the change and the fade.
    for (const auto* part : {&high, &low, &fading})
        all.insert(all.end(), part->begin(), part->end());
    EXPECT_LE(largestStep(all), 0.3 * 2 * M_PI * 660 / kRate + 1e-4);
}

TEST(ToneSynth, ClicksAtArrivalsAndSilenceOutsideTheSampledRange) {
    ToneSynth plain, clicked;
    for (ToneSynth* t : {&plain, &clicked}) {
        t->setAudible(true);
        t->setRatio(1);
    }
    const std::vector<float> a0 = take(plain, 0.05), b0 = take(clicked, 0.05);
    clicked.click();
    const std::vector<float> a1 = take(plain, 0.05), b1 = take(clicked, 0.05);
    EXPECT_EQ(a0, b0); // nothing before the arrival
    const std::size_t clickLength = static_cast<std::size_t>(0.004 * kRate);
    double during = 0;
    for (std::size_t i = 0; i < a1.size(); ++i) {
        const double d = std::fabs(double(a1[i]) - b1[i]);
        if (i < clickLength)
            during = std::max(during, d);
        else
            EXPECT_EQ(d, 0) << "sample " << i << " after the click";
    }
    EXPECT_GT(during, 0.2);
    // 100 · 440 Hz lies above half the sample rate: silence, not a wrong pitch.
    plain.setRatio(100);
    const std::vector<float> silent = take(plain, 0.2);
    EXPECT_EQ(*std::max_element(silent.end() - 100, silent.end()), 0.0f);
    EXPECT_DOUBLE_EQ(plain.pitch(), 440);
}
