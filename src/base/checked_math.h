#pragma once
// Checked arithmetic: every floating-point fault becomes a MathError.
#include "base/errors.h"

#include <cfenv>
#include <cmath>

namespace sonrel {

inline double finite(double x, const char* what = "non-finite value") {
    if (!std::isfinite(x)) throw MathError(what);
    return x;
}

inline double safeDiv(double num, double den) {
    if (den == 0.0) throw MathError("division by zero");
    return finite(num / den, "overflow in division");
}

inline double safeSqrt(double x) {
    if (std::isnan(x) || x < 0.0) throw MathError("square root of a negative number");
    return finite(std::sqrt(x));
}

// Checks a whole computation through the floating-point exception flags:
// construct before it, call check() after it (throws on division by zero,
// an invalid operation or overflow raised in between).
class FpGuard {
public:
    FpGuard() { std::feclearexcept(FE_ALL_EXCEPT); }
    void check() const {
        if (std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW))
            throw MathError("floating-point fault");
    }
};

// Drawing and text routines of the window system may leave the upper halves
// of the wide vector registers in use. The plain vector arithmetic of a model
// step that follows then runs several times slower on some processors until
// the state is cleared, which vzeroupper does (the lower halves are kept).
inline void settleVectorRegisters() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) __asm__ volatile("vzeroupper");
#endif
}

} // namespace sonrel
