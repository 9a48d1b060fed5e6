#pragma once
// Texts of the comparison window's refusals and questions.
#include <string>

namespace sonrel::relativity {

inline const std::string kNoStoWithVy = " Этот вариант пересчета из АСО в ИСО  \r\n"
                                        " при VY(1) или VY(2) не равных нулю \r\n"
                                        "      для СТО не предусмотрен";
inline const std::string kSourceMustMoveRight = "       Этот эксперимент выполняется  \r\n"
                                                "       только при движении источника \r\n"
                                                "и только при движении его слева направо";
inline const std::string kSourceNotAbove = "       Этот эксперимент выполняется только\r\n"
                                           " если источник находится не выше приемника";
inline const std::string kThirdFrameOnlyAso =
    "          Если задана и VXiso3, то этот эксперимент  \r\n"
    "выполняется только для СТО и при моделировании в АСО";

inline const std::string kContinueQuestion = "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ";
inline const std::string kContinueTitle = "Sonrel";
inline const std::string kSystemTitle = "Sonrel6";

// The overrun question: the next beam missed its launch.
std::string overrunQuestion(int n, double arrival, double nextEmission);

} // namespace sonrel::relativity
