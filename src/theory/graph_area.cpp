#include "theory/graph_area.h"

#include "base/checked_math.h"
#include "base/numbers.h"

#include <charconv>

namespace sonrel {

void setGraphScale(Canvas& canvas) {
    canvas.scale(kGraphLeft, kGraphTop, kGraphRight, kGraphBottom);
}

namespace {

void printAt(Canvas& c, double x, double y, const std::string& text) {
    c.setCurrent(x, y);
    c.print(text);
}

void drawLegend(Canvas& c) {
    struct Entry {
        double x, y;
        Color color;
        const char* label;
    };
    const Entry entries[] = {
        {-4, 16.4, graphColors::f4_1, "4-1"},      {-4, 15.4, graphColors::f4_2, "4-2"},
        {-4, 14.4, graphColors::f4_3, "4-3"},      {-4, 13.4, graphColors::f4_4, "4-4"},
        {-4, 12.4, graphColors::f4_5, "4-5"},      {0, 16.4, graphColors::f2, "2"},
        {0, 15.4, graphColors::f3_1Legend, "3-1"}, {0, 14.4, graphColors::f3_2, "3-2"},
    };
    for (const Entry& e : entries) {
        c.line(e.x, e.y, e.x + 2, e.y, e.color);
        printAt(c, e.x + 2.5, e.y + 0.4, e.label);
    }
}

} // namespace

void drawGraphArea(Canvas& canvas, double My, GraphAxis axis) {
    canvas.clear();
    setGraphScale(canvas);
    // Each grid line and label once: text printed twice over itself grows bolder.
    for (int j = 0; j <= 18; j += 2) {
        canvas.line(-20, j, 20, j, colors::grid);
        printAt(canvas, -21, j + 0.5, formatNumber(j * My));
    }
    for (int i = -20; i <= 20; i += 2) {
        const double tick = axis == GraphAxis::Angle ? i * 90.0 / 20 + 90 : i / 20.0;
        canvas.line(i, 0, i, 18, colors::grid);
        printAt(canvas, i - 0.3, -0.3, formatNumber(tick));
    }
    canvas.line(0, 0, 0, 17, colors::black);
    canvas.line(-20, 0, 20, 0, colors::black);
    drawLegend(canvas);
}

double graphX(double X, GraphAxis axis) {
    return finite(axis == GraphAxis::Angle ? 20 * X / 90 - 20 : 20 * X, "graph x overflows");
}

Color formulaColor(const FormulaSelection& sel) {
    switch (sel.formula) {
    case MainFormula::Lorentz:
        return graphColors::f2;
    case MainFormula::Classical:
        return graphColors::f4_4;
    case MainFormula::Welt:
        return sel.welt == WeltVariant::V3_1 ? graphColors::f3_1 : graphColors::f3_2;
    case MainFormula::Relativity:
        break;
    }
    switch (sel.variant) {
    case RelativityVariant::V4_1:
        return graphColors::f4_1;
    case RelativityVariant::V4_2:
        return graphColors::f4_2;
    case RelativityVariant::V4_3:
        return graphColors::f4_3;
    case RelativityVariant::V4_5:
        return graphColors::f4_5;
    case RelativityVariant::None:
        break;
    }
    return rgb(0, 0, 0);
}

ReadBack readBackSpot(double x, double y, double My, GraphAxis axis) {
    ReadBack r;
    if (axis == GraphAxis::Angle) {
        r.xText = formatNumber(4.5 * x + 90);
    } else {
        // A single-precision number keeps about 7 significant digits.
        const float single = static_cast<float>(finite(x / 20));
        char buf[40];
        const auto end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(single),
                                       std::chars_format::general, 7)
                             .ptr;
        double shown = 0;
        std::from_chars(buf, end, shown);
        r.xText = formatNumber(shown);
    }
    r.yText = formatNumber(y * My);
    return r;
}

} // namespace sonrel
