#include "experiments/relativity/messages.h"

#include "base/numbers.h"

namespace sonrel::relativity {

std::string continueQuestion() {
    return trText("Relativity", "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ");
}

std::string overrunQuestion(int n, double arrival, double nextEmission) {
    return trText("Relativity", "                         ПРОГРАММА РАБОТАЕТ НЕ КООРЕКТНО") +
           "\r\n" +
           trText("Relativity",
                  "т.к. период сейчас меньше времени распространения сигнала и поэтому ") +
           "\r\n" +
           trText("Relativity",
                  " пучок лучей следующего периода не смог во время начать движение") +
           "\r\n" +
           fillPlaceholders("           Tk1(%1)= %2  >   Tn2(%3)=   %4",
                            {std::to_string(n), formatNumber(arrival), std::to_string(n + 1),
                             formatNumber(nextEmission)}) +
           "\r\n                        " + continueQuestion() + "\r\n";
}

} // namespace sonrel::relativity
