#include "base/tone_synth.h"

#include <algorithm>
#include <cmath>

namespace sonrel {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kClickPitch = 2500; // Hz: a short high tick, heard apart from the tone

} // namespace

ToneSynth::ToneSynth(const ToneSettings& s)
    : s_(s), pitch_(s.basePitch),
      gainStep_(s.rampSeconds > 0 ? 1 / (s.rampSeconds * s.sampleRate) : 1),
      clickLength_(static_cast<std::size_t>(std::max(1.0, s.clickSeconds * s.sampleRate))) {}

void ToneSynth::setRatio(double ratio) {
    const double p = s_.basePitch * ratio;
    // Only a pitch below half the sample rate can be sampled; silence rather
    // than a wrong pitch otherwise.
    pitchSound_ = std::isfinite(p) && p > 0 && p < s_.sampleRate / 2;
    if (pitchSound_) pitch_ = p;
    targetGain_ = audible_ && pitchSound_ ? 1 : 0;
}

void ToneSynth::setAudible(bool on) {
    audible_ = on;
    targetGain_ = audible_ && pitchSound_ ? 1 : 0;
}

void ToneSynth::click() {
    clickLeft_ = clickLength_;
}

float ToneSynth::next() {
    if (gain_ < targetGain_)
        gain_ = std::min(targetGain_, gain_ + gainStep_);
    else if (gain_ > targetGain_)
        gain_ = std::max(targetGain_, gain_ - gainStep_);
    double v = gain_ > 0 ? s_.amplitude * gain_ * std::sin(kTwoPi * phase_) : 0;
    // The phase runs on through every change of pitch, sounding or not.
    phase_ += pitch_ / s_.sampleRate;
    phase_ -= std::floor(phase_);
    if (clickLeft_ > 0) {
        // A burst that starts at zero and dies away to zero: heard as a tick.
        const double k = static_cast<double>(clickLength_ - clickLeft_);
        const double fade = 1 - k / static_cast<double>(clickLength_);
        v += s_.clickAmplitude * fade * fade * std::sin(kTwoPi * kClickPitch * k / s_.sampleRate);
        --clickLeft_;
    }
    return static_cast<float>(std::clamp(v, -1.0, 1.0));
}

void ToneSynth::render(float* out, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        out[i] = next();
}

void ToneSynth::render(std::int16_t* out, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        out[i] = static_cast<std::int16_t>(std::lround(next() * 32767.0));
}

} // namespace sonrel
