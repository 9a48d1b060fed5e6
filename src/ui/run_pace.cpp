#include "ui/run_pace.h"

#include "base/numbers.h"

#include <initializer_list>

namespace sonrel {

void PaceClock::anchor(double modelT, double wallNow, double pace) {
    anchored_ = true;
    model0_ = modelT;
    wall0_ = wallNow;
    pace_ = pace;
}

double PaceClock::dueAt(double modelT, double pace, double wallNow) {
    if (!anchored_ || pace != pace_) anchor(modelT, wallNow, pace);
    const double due = wall0_ + (modelT - model0_) / pace;
    if (wallNow - due > kMaxLag) {
        anchor(modelT, wallNow, pace);
        return wallNow;
    }
    return due;
}

namespace {

// The translated `pattern` with %1, %2, … replaced by `args` in order.
std::string filled(const char* pattern, std::initializer_list<std::string> args) {
    return fillPlaceholders(trText("RunPace", pattern), args);
}

} // namespace

std::string runProgressText(double T, int period, int periods) {
    return filled(SONREL_TR_NOOP("RunPace", "T = %1 с   период %2 из %3"),
                  {formatTrunc(T, 1), std::to_string(period), std::to_string(periods)});
}

std::string runEndText(RunEnd how) {
    const char* text = "";
    switch (how) {
    case RunEnd::Finished:
        text = SONREL_TR_NOOP("RunPace", "эксперимент завершен");
        break;
    case RunEnd::StoppedByUser:
        text = SONREL_TR_NOOP("RunPace", "остановлен пользователем");
        break;
    case RunEnd::StoppedAtQuestion:
        text = SONREL_TR_NOOP("RunPace", "остановлен на вопросе");
        break;
    case RunEnd::StepsDone:
        text = SONREL_TR_NOOP("RunPace", "сделано NC0 шагов");
        break;
    case RunEnd::LimitReached:
        text = SONREL_TR_NOOP("RunPace", "достигнут предел в 20 фронтов");
        break;
    case RunEnd::Failed:
        text = SONREL_TR_NOOP("RunPace", "прерван ошибкой решения");
        break;
    }
    return trText("RunPace", text);
}

} // namespace sonrel
