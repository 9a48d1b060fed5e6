#include "theory/formula_table.h"

#include "base/checked_math.h"
#include "base/numbers.h"

namespace sonrel {

namespace {

void printAt(Canvas& c, double x, double y, const std::string& label, double value) {
    c.setCurrent(x, y);
    c.print(label + formatNumber(value));
}

// Fix(x·scale)/scale with the product formed first, as the table's digits expect.
double cut(double scaled, double scale) {
    return fix(finite(scaled)) / scale;
}

} // namespace

void printFormulaTable(Canvas& canvas, const FormulaInputs& in, const FormulaResult& r,
                       double degPerRad) {
    const double k = 1000, m = 1000000;
    // The right column starts far enough left that its longest line, a
    // negative dv/v0 with six decimals, ends inside the picture (x < 40).
    const double right = 29.5;
    printAt(canvas, 0.5, 13.8, "V1=   ", cut(in.V1 * k, k));
    printAt(canvas, 0.5, 12.8, "V2=   ", cut(in.V2 * k, k));
    printAt(canvas, 0.5, 11.8, "V12=   ", cut(in.V12 * k, k));
    printAt(canvas, 0.5, 10.8, "Q3=   ", cut(in.Q3 * k * degPerRad, k));
    printAt(canvas, 0.5, 9.8, "Q1= Q1 - Q3=  ", cut(in.Q1 * k * degPerRad, k));
    printAt(canvas, 0.5, 8.8, "Q2= Q2 - Q3=  ", cut(in.Q2 * k * degPerRad, k));
    printAt(canvas, 0.5, 7.8, "Q12= Q12 - Q3=  ", cut(in.Q12 * k * degPerRad, k));
    printAt(canvas, right, 13.8, "G1=   ", cut(r.G1 * m, m));
    printAt(canvas, right, 12.8, "G2=   ", cut(r.G2 * m, m));
    printAt(canvas, right, 11.8, "G=   ", cut(r.G * m, m));
    printAt(canvas, right, 10.8, "dv1 / v0=   ", cut(safeDiv(m * r.dv1, r.v0), m));
    printAt(canvas, right, 9.8, "dv2 / v0=   ", cut(safeDiv(m * r.dv2, r.v0), m));
}

} // namespace sonrel
