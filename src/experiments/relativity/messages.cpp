#include "experiments/relativity/messages.h"

#include "app/numbers.h"

namespace sonrel::relativity {

std::string fillIn(const std::string& text, std::initializer_list<std::string> values) {
    std::string out;
    out.reserve(text.size() + 16 * values.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char next = k + 1 < text.size() ? text[k + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[k] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values.begin()[index];
            ++k;
        } else {
            out += text[k];
        }
    }
    return out;
}

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
           fillIn("           Tk1(%1)= %2  >   Tn2(%3)=   %4",
                  {std::to_string(n), formatNumber(arrival), std::to_string(n + 1),
                   formatNumber(nextEmission)}) +
           "\r\n                        " + continueQuestion() + "\r\n";
}

} // namespace sonrel::relativity
