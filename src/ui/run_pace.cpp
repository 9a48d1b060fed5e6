#include "ui/run_pace.h"

#include "app/numbers.h"

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

std::string runProgressText(double T, int period, int periods) {
    return "T = " + formatTrunc(T, 1) + " с   период " + std::to_string(period) + " из " +
           std::to_string(periods);
}

std::string runEndText(RunEnd how) {
    switch (how) {
    case RunEnd::Finished:
        return "эксперимент завершен";
    case RunEnd::StoppedByUser:
        return "остановлен пользователем";
    case RunEnd::StoppedAtQuestion:
        return "остановлен на вопросе";
    case RunEnd::StepsDone:
        return "сделано NC0 шагов";
    case RunEnd::LimitReached:
        return "достигнут предел в 20 фронтов";
    case RunEnd::Failed:
        return "прерван ошибкой решения";
    }
    return {};
}

} // namespace sonrel
