// Any text typed into a field: reading never crashes, and a number that is
// read comes back unchanged through formatting (to 15 significant digits).
#include "base/errors.h"
#include "base/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace sonrel;

static void roundTrip(double x) {
    std::string text;
    try {
        text = formatNumber(x);
    } catch (const MathError&) {
        if (std::isfinite(x)) std::abort(); // only non-finite values may be refused
        return;
    }
    if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos)
        std::abort();
    try {
        const double back = readNumber(text);
        if (!(std::fabs(back - x) <= std::fabs(x) * 1e-14)) std::abort();
    } catch (const InputError&) {
        // Rounding to 15 digits may step just past the largest double.
        if (std::fabs(x) < 1.7976931348623e308) std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        roundTrip(readNumber(text));
    } catch (const InputError&) {
    }
    try {
        readInteger(text);
    } catch (const InputError&) {
    }
    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        roundTrip(x);
    }
    isSafeFileNumber(text);
    return 0;
}
