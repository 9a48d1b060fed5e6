#pragma once
// The message texts of the classical wave-front experiment (translated where
// they are shown, in the context "Message") and the titles of their boxes.
#include "base/translate.h"

namespace sonrel {

// Asked once per run when a front needs longer than T00 to arrive.
inline constexpr const char* kShortPeriodWarning = SONREL_TR_NOOP(
    "Message", "ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО\n"
               "т.к. расчетный период сейчас меньше времени распространения сигнала\n"
               "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ");
inline constexpr const char* kShortPeriodTitle = "Sonrel6";
// Asked at every arrival of a run without "Auto".
inline constexpr const char* kContinueQuestion =
    SONREL_TR_NOOP("Message", "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ");
inline constexpr const char* kContinueTitle = "Sonrel5";
// Shown by "1-Задать T00, с" when front 1 needs longer than T00 to arrive.
inline constexpr const char* kPeriodTooShort =
    SONREL_TR_NOOP("Message", "Период формирования нового фронта волны не должен быть меньше \n"
                              "    времени распространения сигнала предыдущего фронта волны");
inline constexpr const char* kPeriodSettingTitle = "Sonrel5m";

} // namespace sonrel
