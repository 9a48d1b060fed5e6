#include "experiments/medium/medium.h"

#include "base/checked_math.h"

#include <cmath>

namespace sonrel {

double layerDensity(DensityLaw law, double Kp, std::int32_t Np, double n) {
    const double fromBottom = n - 1;
    const double fromTop = static_cast<double>(Np) - n;
    switch (law) {
    case DensityLaw::Linear:
        return 1 + Kp * fromBottom;
    case DensityLaw::Square:
        return 1 + Kp * fromBottom * fromBottom;
    case DensityLaw::LinearFromTop:
        return 1 + Kp * fromTop;
    case DensityLaw::SquareFromTop:
        return 1 + Kp * fromTop * fromTop;
    }
    return 1;
}

void LayeredMedium::setUp(DensityLaw law, double Kp, std::int32_t Np, double yStart, double dY) {
    law_ = law;
    Kp_ = Kp;
    Np_ = Np;
    yStart_ = yStart;
    dY_ = dY;
    // Rays are traced up to 20 layers above the receiver; rays turned back
    // may go as far below the source. Beyond that the law is evaluated directly.
    constexpr double maxTable = 2000000;
    tableHi_ = static_cast<double>(Np) + 20;
    tableLo_ = std::max(1 - tableHi_, tableHi_ - maxTable);
    table_.clear();
    if (tableHi_ < tableLo_) return;
    table_.reserve(static_cast<std::size_t>(tableHi_ - tableLo_) + 1);
    for (double n = tableLo_; n <= tableHi_; n += 1)
        table_.push_back(layerDensity(law, Kp, Np, n));
}

double LayeredMedium::layerOf(double y) const {
    return std::trunc((y - yStart_) / dY_) + 1;
}

void drawDensityProfile(Canvas& canvas, DensityLaw law, double Kp, std::int32_t Np, double Y1,
                        double Y2, double M) {
    const double dY = safeDiv(Y1 - Y2, Np);
    double ylo = Y2;
    for (std::int32_t n = 1; n <= Np; ++n) {
        const double P = finite(layerDensity(law, Kp, Np, n), "density overflow");
        if (P < 1) continue; // thinner than vacuum: not drawn, the next step starts here
        const double yhi = Y2 + n * dY;
        canvas.line(P, safeDiv(ylo, M), P, safeDiv(yhi, M), colors::receiver);
        ylo = yhi;
    }
}

} // namespace sonrel
