#include "calculators/aux_calc.h"

#include "base/checked_math.h"
#include "base/kinematics.h"
#include "base/numbers.h"
#include "base/translate.h"

#include <cmath>
#include <string>

namespace sonrel {

namespace {
constexpr double kTera = 1e12;
constexpr Color kAlongBeam = rgb(0, 0, 255);
constexpr Color kAgainstBeam = rgb(0, 255, 0);
constexpr int kSearchSteps = 20000;
// Effective frequency / v0 per graph unit.
constexpr double kRatioPerUnit = 0.25;

struct MeasuredRow {
    double beta, vp, va; // THz
};
constexpr MeasuredRow kMeasured[] = {
    {0.338, 777.21, 384.226},
    {0.064, 582.49, 512.671},
    {0.03, 563.209, 530.222},
};

// Hz shown in THz with three decimals, truncated.
std::string terahertz(double f) {
    return formatNumber(fix(f * 1e-9) / 1000);
}

// Wavelength of the frequency f in nm, truncated to three decimals, times k.
std::string nanometres(double f, double c, double k) {
    return formatNumber(fix(safeDiv(kTera * c, f)) / 1000 * k);
}

void printAt(Canvas& canvas, double x, double y, const std::string& text) {
    canvas.setCurrent(x, y);
    canvas.print(text);
}
} // namespace

LaserPair laserFrequencies41(double v0, double beta) {
    const double V = beta * kLightSpeed41;
    const double ratio = V / kLightSpeed41;
    const double G = clockRate(V, kLightSpeed41);
    return {finite(safeDiv((ratio + 1) * v0, G)), finite(safeDiv((1 - ratio) * v0, G))};
}

std::optional<LaserPair> experimentalLasers(double beta) {
    for (const MeasuredRow& row : kMeasured)
        if (beta == row.beta) return LaserPair{row.vp * kTera, row.va * kTera};
    return std::nullopt;
}

void BeamSpeedSearch::drawGrid(Canvas& canvas) {
    canvas.scale(-1, 15, 20, -1);
    canvas.clear();
    for (int j = 0; j <= 14; j += 2)
        canvas.line(0, j, 20, j, colors::grid);
    for (int i = 0; i <= 20; i += 2)
        canvas.line(i, 0, i, 16, colors::grid);
    for (int j = 0; j <= 14; j += 2)
        printAt(canvas, -1, j + 0.5, formatNumber(j * 0.25));
    for (int i = 0; i <= 20; i += 2)
        printAt(canvas, i - 0.3, -0.3, formatNumber(i / 20.0));
}

std::optional<double> BeamSpeedSearch::run(Canvas& canvas, double v0, double vp, double va,
                                           double c) {
    found_.reset();
    for (int i = 1; i < kSearchSteps; ++i) {
        const double beta = static_cast<double>(i) / kSearchSteps;
        const double fp = (1 - beta) * vp;
        const double fa = (1 + beta) * va;
        const double yp = safeDiv(safeDiv(fp, v0), kRatioPerUnit);
        const double ya = safeDiv(safeDiv(fa, v0), kRatioPerUnit);
        if (yp < 20) canvas.point(20 * beta, yp, kAlongBeam);
        if (ya < 20) canvas.point(20 * beta, ya, kAgainstBeam);
        if (!found_ && safeDiv(fp, fa) < 1) {
            found_ = beta;
            v0p_ = fp;
            v0a_ = fa;
            printAt(canvas, 15, 14, "V/Vsv=  " + formatNumber(beta));
            canvas.line(20 * beta, 17, 20 * beta, 0, colors::black);
        }
    }
    printResults(canvas, v0, vp, va, c);
    return found_;
}

void BeamSpeedSearch::printResults(Canvas& canvas, double v0, double vp, double va,
                                   double c) const {
    printAt(canvas, 0.5, 15,
            trText("Calculators", "одночастотная Л или V схема (требуемые значения)"));
    printAt(canvas, 0.5, 14.3, "v0=  " + terahertz(v0) + "    L0=  " + nanometres(v0, c, 1));
    printAt(canvas, 0.5, 13, "vp=  " + terahertz(vp));
    printAt(canvas, 5.5, 13, "va = " + terahertz(va));
    printAt(canvas, 0.5, 12,
            "v0p=  " + terahertz(v0p_) + "    L0p=  " + nanometres(v0p_, c, 1) +
                "    2*L0p=  " + nanometres(v0p_, c, 2) + "    4*L0p=  " + nanometres(v0p_, c, 4));
    printAt(canvas, 0.5, 11.3,
            "v0a=  " + terahertz(v0a_) + "    L0a=  " + nanometres(v0a_, c, 1) +
                "    2*L0a=  " + nanometres(v0a_, c, 2) + "    4*L0a=  " + nanometres(v0a_, c, 4));
    printAt(canvas, 0.5, 10,
            trText("Calculators",
                   "двухчастотная каскадная или двухфотонная схема (возможная частота)"));
    const double v1 = v0a_ + v0p_;
    printAt(canvas, 0.5, 9.3,
            "v1= v0a+v0p=  " + terahertz(v1) + "    L01=  " + nanometres(v1, c, 1) +
                "    2*L01=  " + nanometres(v1, c, 2));
}

double ionEnergyKeV(double m, double V, double e) {
    return finite(safeDiv(m * V * V / 2, e) / 1000);
}

double ionMass(double energyKeV, double V, double e) {
    return finite(safeDiv(2 * energyKeV * 1000 * e, V * V));
}

double ionSpeed(double energyKeV, double m, double e, double c) {
    return finite(safeDiv(safeSqrt(safeDiv(2 * energyKeV * 1000 * e, m)), c));
}

double speedFromShift(double A, double D, double alpha, bool wavelengths, bool sourceMoves,
                      double c) {
    double f0, f;
    if (wavelengths) {
        f = safeDiv(kTera * c, A + D);
        f0 = safeDiv(kTera * c, A);
    } else {
        f0 = kTera * A;
        f = kTera * D + f0;
    }
    // At a right angle cos α is a rounding residue, not zero: no speed along
    // the line of sight can produce the shift.
    const double cosAlpha = std::cos(alpha);
    if (std::fabs(cosAlpha) < 1e-9) throw MathError("observation across the motion");
    const double shift = sourceMoves ? 1 - safeDiv(f0, f) : 1 - safeDiv(f, f0);
    return finite(safeDiv(shift, cosAlpha));
}

} // namespace sonrel
