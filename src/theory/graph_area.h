#pragma once
// The graph of v/v0 against a speed (V/Vs from −1 to 1) or against the
// observation angle (0 to 180 degrees) on the main window's picture.
#include "canvas/canvas.h"
#include "theory/formulas.h"

#include <string>

namespace sonrel {

// Visible area (−21, 17)-(20, −1); the plot spans x −20..20 and y from 0 up.
constexpr double kGraphLeft = -21, kGraphTop = 17, kGraphRight = 20, kGraphBottom = -1;

// What the horizontal axis shows ("VX1"/"VX2": V/Vs; "Q при заданных VX1 и VX2": angle).
enum class GraphAxis { Speed, Angle };

void setGraphScale(Canvas& canvas);

// Clears the canvas and draws the grid, tick labels (v/v0 = j·My on the left),
// axes and the colour legend of the formulas.
void drawGraphArea(Canvas& canvas, double My, GraphAxis axis);

// Graph x of a typed X: 20·V/Vs, or 20·(Q/90 − 1) for an angle in degrees;
// an overflow throws MathError.
double graphX(double X, GraphAxis axis);

// Legend and point colours of the formulas.
namespace graphColors {
constexpr Color f4_1 = rgb(0, 210, 0);
constexpr Color f4_2 = rgb(0, 230, 0);
constexpr Color f4_3 = rgb(0, 255, 0);
constexpr Color f4_4 = rgb(255, 0, 200);
constexpr Color f4_5 = rgb(255, 0, 0);
constexpr Color f2 = colors::black;
constexpr Color f3_1Legend = rgb(0, 0, 190);
constexpr Color f3_1 = rgb(0, 0, 150);
constexpr Color f3_2 = rgb(0, 0, 255);
} // namespace graphColors

// Colour of a sweep point for the chosen formula; black when "СТО" has no variant.
Color formulaColor(const FormulaSelection& sel);

// The graph coordinates of a pressed spot as the fields "X, V/Vs" and "Y, v/v0"
// show them: x/20 as a single-precision number (or the angle 4,5·x + 90), y·My.
struct ReadBack {
    std::string xText, yText;
};
ReadBack readBackSpot(double x, double y, double My, GraphAxis axis);

} // namespace sonrel
