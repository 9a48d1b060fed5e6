#pragma once
// One beam of rays in flight: a fan of Nr + 1 rays leaving the source, each
// moving in straight steps and refracting at the layer boundaries.
#include <cmath>
#include <vector>

namespace sonrel {

struct Beam {
    // Per ray j = 0 .. Nr; sized once per run, so stepping never allocates.
    std::vector<double> thetaE; // emission angle from the layers' normal (+Y), towards +X
    std::vector<double> theta1; // emission direction as seen in the frame
    std::vector<double> sinA;   // sine of the current angle from the normal
    std::vector<double> dir;    // +1 upwards, −1 after total internal reflection
    std::vector<double> Pr;     // density of the layer of the previous step
    std::vector<double> Xo, Yo; // position at the start of the step
    std::vector<double> Xn, Yn; // position after the step
    std::vector<double> Vs2;    // speed while in layer 1

    int rays() const { return static_cast<int>(sinA.size()); }

    void resize(int nRays) {
        for (std::vector<double>* v :
             {&thetaE, &theta1, &sinA, &dir, &Pr, &Xo, &Yo, &Xn, &Yn, &Vs2})
            v->assign(static_cast<std::size_t>(nRays), 0.0);
    }

    // Emits the fan from (x, y): ray j leaves at a0 + j·da from the normal,
    // upwards, with the density of layer 1 as its reference.
    void emitFan(double x, double y, double a0, double da, double firstLayerDensity) {
        const int n = rays();
        for (int j = 0; j < n; ++j) {
            const double a = a0 + j * da;
            thetaE[j] = theta1[j] = a;
            sinA[j] = std::sin(a);
            Xo[j] = Xn[j] = x;
            Yo[j] = Yn[j] = y;
            dir[j] = 1;
            Pr[j] = firstLayerDensity;
        }
    }
};

// Law of refraction at a boundary from density Pr into density P. Into a
// denser layer the ray bends towards the normal; into a thinner one it bends
// away, and when the sine would exceed P / Pr the ray is reflected back
// downwards (keeping its sine) for the rest of the beam's life.
inline void refract(double& sinA, double& dir, double Pr, double P) {
    if (Pr < P) {
        sinA = sinA * Pr / P;
    } else if (Pr > P) {
        const double ratio = P / Pr;
        if (ratio > std::fabs(sinA)) sinA = sinA * Pr / P;
        if (ratio < std::fabs(sinA)) dir = -1;
    }
}

} // namespace sonrel
