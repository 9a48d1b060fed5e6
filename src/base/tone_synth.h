#pragma once
// The sound of a run: a continuous tone whose pitch follows the received
// frequency, the emitted frequency v0 heard at a pitch the user chooses, and
// an optional short click at each front's arrival. The tone never clicks by
// itself: a change of pitch keeps the phase running on, and a change of
// loudness is a ramp, so the wave has no jump.
#include <cstddef>
#include <cstdint>

namespace sonrel {

struct ToneSettings {
    double sampleRate = 44100; // samples per second
    double basePitch = 440;    // Hz heard for the emitted frequency v0
    double amplitude = 0.3;    // of the tone, full scale 1
    double rampSeconds = 0.02; // a change of loudness takes this long
    double clickSeconds = 0.004;
    double clickAmplitude = 0.5;
};

class ToneSynth {
public:
    explicit ToneSynth(const ToneSettings& s = {});

    // The received frequency over the emitted one: the tone sounds at
    // basePitch · ratio from the next sample on, its phase running on. A
    // ratio whose pitch cannot be sampled (not above 0, or at or above half
    // the sample rate) silences the tone, with a ramp, until a sound one comes.
    void setRatio(double ratio);
    // Sounding or silent; the loudness ramps to it.
    void setAudible(bool on);
    // A click starts with the next sample rendered.
    void click();

    // The next n samples, in [-1, 1].
    void render(float* out, std::size_t n);
    // The same as 16-bit signed samples (the sound device's format).
    void render(std::int16_t* out, std::size_t n);

    double pitch() const { return pitch_; }
    const ToneSettings& settings() const { return s_; }

private:
    float next();

    ToneSettings s_;
    double pitch_;
    double phase_ = 0; // in turns, [0, 1)
    double gain_ = 0, targetGain_ = 0, gainStep_;
    bool audible_ = false, pitchSound_ = true;
    std::size_t clickLeft_ = 0, clickLength_;
};

} // namespace sonrel
