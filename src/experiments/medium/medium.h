#pragma once
// The layered medium: horizontal slabs of equal thickness stacked from the
// source's start height towards the receiver, each with its own optical
// density P, which is also its refractive index (signal speed Vs0 / P).
#include "canvas/canvas.h"

#include <cstdint>
#include <vector>

namespace sonrel {

// How the density changes from layer to layer (n counted from 1).
enum class DensityLaw {
    Linear,        // P = 1 + Kp·(n − 1)
    Square,        // P = 1 + Kp·(n − 1)²
    LinearFromTop, // P = 1 + Kp·(Np − n)
    SquareFromTop, // P = 1 + Kp·(Np − n)²
};

// Density of layer n by the law; defined for any n, also outside 1..Np.
double layerDensity(DensityLaw law, double Kp, std::int32_t Np, double n);

class LayeredMedium {
public:
    // Fixes the layers for a run: bottom of layer 1 at yStart, thickness dY.
    // Densities of the layers a ray can reach are tabulated once here.
    void setUp(DensityLaw law, double Kp, std::int32_t Np, double yStart, double dY);

    // Layer number of height y: Fix((y − yStart) / dY) + 1, as a double so
    // that far-off heights do not overflow an integer.
    double layerOf(double y) const;

    // Density of layer n (a whole number), from the table where it covers n.
    double density(double n) const {
        if (n >= tableLo_ && n <= tableHi_) return table_[static_cast<std::size_t>(n - tableLo_)];
        return layerDensity(law_, Kp_, Np_, n);
    }

    std::int32_t layers() const { return Np_; }
    double yStart() const { return yStart_; }
    double thickness() const { return dY_; }

private:
    DensityLaw law_ = DensityLaw::LinearFromTop;
    double Kp_ = 0;
    std::int32_t Np_ = 1;
    double yStart_ = 0, dY_ = 1;
    double tableLo_ = 1, tableHi_ = 0;
    std::vector<double> table_;
};

// The density profile as a staircase on the animation picture: for every
// layer with P >= 1 a vertical segment at x = P from the top of the last
// drawn segment to the layer's top (heights divided by the scale M).
// Throws MathError when the layer thickness cannot be computed.
void drawDensityProfile(Canvas& canvas, DensityLaw law, double Kp, std::int32_t Np, double Y1,
                        double Y2, double M);

} // namespace sonrel
