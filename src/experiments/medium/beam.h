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
    double emittedAt = 0;       // model time at which the beam left the source
    bool moving = true; // some ray moved in the last step; a beam that stands still stays so

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

// Law of refraction at a boundary from density Pr into density P (the
// densities are the refractive indices): n1·sin θ1 = n2·sin θ2, the same law
// up and down, so a ray keeps the invariant P·sin θ across every layer.
// Where the sine in the new layer would exceed 1 the ray cannot enter it:
// it is totally reflected downwards, keeps its sine, and its reference
// density stays Pr, the layer it still travels in. Returns true then.
inline bool refract(double& sinA, double& dir, double Pr, double P) {
    const double entering = sinA * Pr / P;
    if (std::fabs(entering) > 1) {
        dir = -1;
        return true;
    }
    sinA = entering;
    return false;
}

} // namespace sonrel
