#pragma once
// Where the columns of a report table begin: the first word and every word
// after a run of two or more blanks, as character positions.
#include <QString>
#include <QStringList>
#include <vector>

namespace sonrel::testing {

inline std::vector<int> columnStarts(const QString& line) {
    std::vector<int> starts;
    int blanks = 2;
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char(' ')) {
            ++blanks;
            continue;
        }
        if (blanks >= 2) starts.push_back(i);
        blanks = 0;
    }
    return starts;
}

// The first line of text that starts with prefix (empty when none does).
inline QString lineStartingWith(const QString& text, const QString& prefix) {
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.startsWith(prefix)) return line;
    return {};
}

} // namespace sonrel::testing
