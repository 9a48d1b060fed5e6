#pragma once
// The process-wide record every window shares: bodies, signal, period record,
// formula inputs and results, report text and constants.
#include "base/errors.h"

#include <array>
#include <cstdint>
#include <string>

namespace sonrel {

// Throws IndexError for index i outside lo..hi; kept out of line so that the
// array's check stays small enough to inline in the models' step arithmetic.
[[noreturn, gnu::cold, gnu::noinline]] void throwIndexOutside(int i, int lo, int hi);

// Fixed array addressed with the system's own indices Lo..Hi; an index
// outside the record throws IndexError instead of touching foreign memory.
template <typename T, int Lo, int Hi> class IndexedArray {
public:
    T& operator()(int i) { return data_[slot(i)]; }
    const T& operator()(int i) const { return data_[slot(i)]; }
    T& operator[](int i) { return data_[slot(i)]; }
    const T& operator[](int i) const { return data_[slot(i)]; }
    void fill(const T& v) { data_.fill(v); }
    static constexpr int lo() { return Lo; }
    static constexpr int hi() { return Hi; }

private:
    static std::size_t slot(int i) {
        if (i < Lo || i > Hi) [[unlikely]]
            throwIndexOutside(i, Lo, Hi);
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, Hi - Lo + 1> data_{};
};

using PeriodArray = IndexedArray<double, 0, 20>;

// How a theory calculation was started: one point of a graph sweep (silent)
// or a single calculation from a button (checks speeds aloud, prints a table).
enum class FormulaMode { Sweep, Interactive };

// Inputs of the theory formula set (interactive and sweep calculations).
struct FormulaInputs {
    double v0 = 0, dv = 0;
    double V1 = 0, V2 = 0, V12 = 0;
    double Q1 = 0, Q2 = 0, Q12 = 0, Q3 = 0; // radians
    double VX1 = 0, VX2 = 0;
    // Q1, Q2, Q12 are the velocities' directions minus the line of sight Q3.
    double fieldValue = 0; // "v0(L0)" as typed: v0, or L0 in wavelength mode
    double Vs = 0;
    double pi = 3.14159265358979; // the caller's current π (the folding of angles uses it)
    FormulaMode mode = FormulaMode::Sweep;
};

struct SharedState {
    // Constants; pi changes to 3.141592654 once the frame transformation window opens.
    double pi = 3.14159265358979;
    double degPerRad = 180.0 / 3.14159265358979;
    double million = 1000000.0;
    double c = 2.9979e8;
    double e = 1e-19 * 1.60218;

    void setPi(double p) {
        pi = p;
        degPerRad = 180.0 / p;
    }
    // A window's own record starts each run with the program's constants.
    void takeConstantsFrom(const SharedState& o) {
        pi = o.pi;
        degPerRad = o.degPerRad;
        million = o.million;
        c = o.c;
        e = o.e;
    }

    // Bodies: 1 receiver, 2 source, further indices for other windows' points.
    IndexedArray<double, 0, 48> X, Y;
    IndexedArray<double, 0, 29> VX;
    IndexedArray<double, 0, 9> VY;
    IndexedArray<double, 0, 43> V;

    // Scratch of the signal-delay solvers.
    double dx = 0, dy = 0;

    double Vs = 0, T00 = 0, v0 = 0, dt = 0, T = 0;
    double lastJumpTime = 0;
    double R = 0, frontRadius = 0, frontRadiusDrawn = 0;
    double pictureScale = 0;
    // Whole canvas units by which the main window's animation picture is
    // moved over the model ("Вписать опыт"); 0, 0 is the design's picture.
    double pictureShiftX = 0, pictureShiftY = 0;
    std::int32_t NC0 = 0, stepCount = 0, frontIndex = 0;
    std::int32_t stopFlag = 0, arrivedFlag = 0;
    std::int16_t warnPending = 0;
    std::int16_t sgnX1 = 1, sgnX2 = 1, sgnY2 = 1;

    // Period record of the main and membrane experiments (periods 0..20).
    PeriodArray Tn2, Xn2, Yn2, Tn1, Xn1, Yn1, Tk1, Xk1, Yk1, Xk2, Yk2;
    PeriodArray Q3, QV1, QV2;
    IndexedArray<double, 0, 100> dT;
    PeriodArray v1n, v1k, v1;

    // Theory formula set: inputs and the last result (v and wavelength ratio).
    FormulaInputs formula;
    double v = 0; // last calculated frequency
    double G = 1, G1 = 1, G2 = 1;
    double Vs1 = 0, Vs2 = 0; // signal speed relative to receiver and source, formula (3)
    double dv1 = 0, dv2 = 0; // corrections of formula (3)
    double My = 0;           // graph scale: v/v0 per graph unit

    std::string reportText;

    void clearPeriodRecord() {
        for (PeriodArray* a : {&Tn2, &Xn2, &Yn2, &Tn1, &Xn1, &Yn1, &Tk1, &Xk1, &Yk1, &Xk2, &Yk2,
                               &Q3, &QV1, &QV2, &v1n, &v1k, &v1})
            a->fill(0.0);
        dT.fill(0.0);
    }
};

// Starting positions and velocities of receiver (1) and source (2).
struct Bodies {
    double X1, Y1, VX1, VY1, X2, Y2, VX2, VY2;
};

// The bodies in the shared record's entries 1 and 2.
inline Bodies bodiesOf(const SharedState& s) {
    return {s.X(1), s.Y(1), s.VX(1), s.VY(1), s.X(2), s.Y(2), s.VX(2), s.VY(2)};
}

// Puts the bodies into the shared record's entries 1 and 2.
inline void placeBodies(SharedState& s, const Bodies& b) {
    s.X(1) = b.X1;
    s.Y(1) = b.Y1;
    s.VX(1) = b.VX1;
    s.VY(1) = b.VY1;
    s.X(2) = b.X2;
    s.Y(2) = b.Y2;
    s.VX(2) = b.VX2;
    s.VY(2) = b.VY2;
}

} // namespace sonrel
