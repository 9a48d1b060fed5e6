#pragma once
// The line that stands where a report, a table or a list of graph points
// would show a period whose end has not been received (after a stop, or at
// the last front of the record): such a period has no observed frequency.
#include "base/translate.h"

#include <string>

namespace sonrel {

// The line as data files keep it: the same in every interface language, so a
// table written in one language reads back in the other.
inline std::string unreceivedPeriodFileLine(int period) {
    return "период " + std::to_string(period) + " не принят";
}

// The line as the user reads it, in the interface language.
inline std::string unreceivedPeriodLine(int period) {
    return fillPlaceholders(trText("Period", "период %1 не принят"), {std::to_string(period)});
}

} // namespace sonrel
