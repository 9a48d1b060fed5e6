#pragma once
// Texts of the comparison window's refusals and questions, and the filling
// of the translated texts that carry numbers.
#include "base/translate.h"

#include <string>

namespace sonrel::relativity {

// The refusals are shown as they are; the message box translates them.
inline const std::string kNoStoWithVy =
    SONREL_TR_NOOP("Message", " Этот вариант пересчета из АСО в ИСО  \r\n"
                              " при VY(1) или VY(2) не равных нулю \r\n"
                              "      для СТО не предусмотрен");
inline const std::string kSourceMustMoveRight =
    SONREL_TR_NOOP("Message", "       Этот эксперимент выполняется  \r\n"
                              "       только при движении источника \r\n"
                              "и только при движении его слева направо");
inline const std::string kSourceNotAbove =
    SONREL_TR_NOOP("Message", "       Этот эксперимент выполняется только\r\n"
                              " если источник находится не выше приемника");
inline const std::string kThirdFrameOnlyAso =
    SONREL_TR_NOOP("Message", "          Если задана и VXiso3, то этот эксперимент  \r\n"
                              "выполняется только для СТО и при моделировании в АСО");

inline const std::string kContinueTitle = "Sonrel";
inline const std::string kSystemTitle = "Sonrel6";

// "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ" in the interface language.
std::string continueQuestion();

// The overrun question: the next beam missed its emission.
std::string overrunQuestion(int n, double arrival, double nextEmission);

} // namespace sonrel::relativity
