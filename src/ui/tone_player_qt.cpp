#include "ui/tone_player_qt.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>
#include <cstdint>

namespace sonrel {

TonePlayer::TonePlayer(QObject* parent) : QObject(parent) {}

TonePlayer::~TonePlayer() {
    if (sink_) sink_->stop();
}

bool TonePlayer::deviceAvailable() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

bool TonePlayer::start(const ToneSettings& settings) {
    close();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(settings.sampleRate));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return false;
    {
        std::lock_guard<std::mutex> g(lock_);
        synth_ = std::make_unique<ToneSynth>(settings);
    }
    source_ = std::make_unique<Source>(*this);
    source_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    // A short buffer: a change of pitch is heard within a display step or two.
    sink_->setBufferSize(static_cast<qsizetype>(settings.sampleRate * 0.05) * 2);
    sink_->start(source_.get());
    if (sink_->error() != QAudio::NoError) {
        close();
        return false;
    }
    return true;
}

void TonePlayer::stop() {
    if (!sink_) return;
    setAudible(false);
    // Closed once the loudness has ramped down: cutting a sounding wave clicks.
    const int generation = ++generation_;
    const int ms = static_cast<int>(synth_->settings().rampSeconds * 1000) + 60;
    QTimer::singleShot(ms, this, [this, generation] {
        if (generation == generation_) close();
    });
}

void TonePlayer::close() {
    ++generation_;
    if (sink_) sink_->stop();
    sink_.reset();
    source_.reset();
    std::lock_guard<std::mutex> g(lock_);
    synth_.reset();
}

void TonePlayer::setRatio(double ratio) {
    std::lock_guard<std::mutex> g(lock_);
    if (synth_) synth_->setRatio(ratio);
}

void TonePlayer::setAudible(bool on) {
    std::lock_guard<std::mutex> g(lock_);
    if (synth_) synth_->setAudible(on);
}

void TonePlayer::click() {
    std::lock_guard<std::mutex> g(lock_);
    if (synth_) synth_->click();
}

qint64 TonePlayer::Source::readData(char* data, qint64 maxSize) {
    const auto n = static_cast<std::size_t>(maxSize / 2);
    std::lock_guard<std::mutex> g(p_.lock_);
    if (!p_.synth_) return 0;
    p_.synth_->render(reinterpret_cast<std::int16_t*>(data), n);
    return static_cast<qint64>(n * 2);
}

} // namespace sonrel
