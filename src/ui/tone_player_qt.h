#pragma once
// Plays a run's tone (see ToneSynth) on the default sound device. The device
// pulls the samples as it needs them, so the tone goes on smoothly between
// display steps; the run only changes the ratio and asks for clicks.
#include "base/tone_synth.h"

#include <QIODevice>
#include <QObject>
#include <memory>
#include <mutex>

class QAudioSink;

namespace sonrel {

class TonePlayer : public QObject {
    Q_OBJECT
public:
    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    // Whether the system has a sound output at all.
    static bool deviceAvailable();

    // Opens the default output and starts a silent tone at `settings`' pitch;
    // false, and nothing plays, when there is no device or it cannot be opened.
    bool start(const ToneSettings& settings);
    // Fades the tone out, then closes the device.
    void stop();
    bool playing() const { return sink_ != nullptr; }

    // See ToneSynth.
    void setRatio(double ratio);
    void setAudible(bool on);
    void click();

private:
    // The samples, synthesised as the device reads them.
    class Source : public QIODevice {
    public:
        explicit Source(TonePlayer& p) : p_(p) {}
        bool isSequential() const override { return true; }
        qint64 bytesAvailable() const override { return 1 << 16; }

    protected:
        qint64 readData(char* data, qint64 maxSize) override;
        qint64 writeData(const char*, qint64) override { return -1; }

    private:
        TonePlayer& p_;
    };

    void close();

    std::mutex lock_;    // the device may read from its own thread
    int generation_ = 0; // a fade-out closes only the tone it was asked for
    std::unique_ptr<ToneSynth> synth_;
    std::unique_ptr<Source> source_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace sonrel
