#pragma once
// Fixed texts of the medium window: questions, refusals and report lines.
#include "base/translate.h"

#include <string>

namespace sonrel::medium_texts {

inline const std::string kContinueQuestion = SONREL_TR_NOOP("Message", "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ");
inline const std::string kContinueTitle = "Sonrel";
inline const std::string kOverrunTitle = "Sonrel5m";

inline const std::string kSourceMustMoveRight =
    SONREL_TR_NOOP("Message", "       Этот эксперимент выполняется  \n"
                              "       только при движении источника \n"
                              "и только при движении его слева направо");

inline const std::string kCannotContinue = SONREL_TR_NOOP(
    "Message", "Если классика в неувлекаемом эфире, то этот эксперимент нельзя продолжить.\n"
               "А для остановок можно его выполнить в не автоматическом режиме, т.е. не Auto.");

// The period became shorter than the beam's travel time: the next beam
// could not start in time.
std::string overrunQuestion(double arrival, double nextStart);

} // namespace sonrel::medium_texts
