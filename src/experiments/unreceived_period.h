#pragma once
// The line that stands where a report, a table or a list of graph points
// would show a period whose end has not been received (after a stop, or at
// the last front of the record): such a period has no observed frequency.
#include <string>

namespace sonrel {

inline std::string unreceivedPeriodLine(int period) {
    return "период " + std::to_string(period) + " не принят";
}

} // namespace sonrel
