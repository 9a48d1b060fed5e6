// "фронты после приема" in every window with "все фронты": 30 s into a default
// run every front emitted shows on the circle its emission point and Vs give,
// and the whole run's period record is the same with the box or without it.
#include "canvas/canvas_widget.h"
#include "support/plain_number.h"
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

namespace {
struct KeepWindow {
    const char* name;
    int form;
    std::vector<const char*> start;
    QRgb front;
    int typedAtPeriod;  // the typed positions hold at T = typedAtPeriod·T00
    double top;         // the highest the fronts are traced, cm
    const char* needed; // a box a continued run needs
};
class KeepFronts : public WindowTest, public ::testing::WithParamInterface<KeepWindow> {};
} // namespace

TEST_P(KeepFronts, DrawEveryFrontEmittedAndLeaveThePeriodRecord) {
    const KeepWindow& w = GetParam();
    FormBase* f = open(w.form);
    auto in = [f](const char* n) {
        return plainNumber(textOf(f, n).replace(',', '.').toStdString());
    };
    auto* pace = control<QComboBox>(f, "ComboPace");
    pace->setCurrentIndex(pace->findText(QStringLiteral("макс.")));
    if (w.needed) control<QCheckBox>(f, w.needed)->setChecked(true);
    control<QCheckBox>(f, "CheckAllFronts")->setChecked(true);
    const SharedState& s = f->state();
    std::vector<double> record[2];
    std::vector<int> onPicture[2], drawn[2];
    for (int keep : {0, 1}) {
        control<QCheckBox>(f, "CheckKeepFronts")->setChecked(keep);
        QTimer::singleShot(0, f, [f] { click(f, "Command2"); });
        for (const char* b : w.start)
            click(f, b);
        const QString nc0 = textOf(f, "Text10"); // stopped at once, then steps to 30 s
        typeInto(f, "Text10", QString::number(std::lround((30 - s.T) / in("Text9"))));
        click(f, "Command4");
        // Front k left at (k − 1)·T00 from where the source then was; it is
        // drawn when found (within 0,06 cm across its circle and 0,16 cm, a
        // beam's gap between rays, along it) at 80 % of the places looked at.
        RasterCanvas& c = f->findChild<CanvasWidget*>("Picture1")->canvas();
        const double T00 = in("Text18"), m = in("Text19"), deg = std::acos(-1.0) / 180;
        for (int k = 1; (k - 1) * T00 < s.T; ++k) {
            const double since = (k - 1 - w.typedAtPeriod) * T00;
            const double cx = (in("Text2") + in("Text4") * since) / m;
            const double cy = (in("Text6") + in("Text8") * since) / m;
            const double r = in("Text12") * (s.T - (k - 1) * T00) / m;
            int looked = 0, seen = 0;
            for (double a = 15 * deg; a <= 165 * deg; a += 0.25 * deg) {
                const double ux = std::cos(a), uy = std::sin(a), x = cx + r * ux, y = cy + r * uy;
                if (x < c.scaleLeft() + 0.2 || x > c.scaleRight() - 0.2 || y < 0.2 || y > w.top)
                    continue;
                bool hit = false;
                for (double across = -0.06; across <= 0.061; across += 0.02)
                    for (double along = -0.16; along <= 0.161; along += 0.02)
                        hit = hit || c.pixelAt(x + across * ux - along * uy,
                                               y + across * uy + along * ux) == w.front;
                ++looked;
                seen += hit;
            }
            if (looked > 0) onPicture[keep].push_back(k);
            if (looked > 0 && seen >= 0.8 * looked) drawn[keep].push_back(k);
        }
        typeInto(f, "Text10", nc0);
        click(f, "Command3");
        for (int j = 0; j <= 20; ++j)
            for (const PeriodArray* a : {&s.Tn1, &s.Tk1, &s.Xk1, &s.Yk1, &s.Tn2, &s.Xn2})
                record[keep].push_back((*a)(j));
        record[keep].push_back(s.T);
    }
    EXPECT_EQ(record[1], record[0]);
    ASSERT_FALSE(onPicture[1].empty());
    EXPECT_EQ(drawn[1], onPicture[1]);
    EXPECT_NE(drawn[0], onPicture[0]); // without the box the fronts received by then are gone
}

INSTANTIATE_TEST_SUITE_P(
    Windows, KeepFronts,
    ::testing::Values(
        KeepWindow{"Main", 1, {"Command13", "Command1"}, qRgb(255, 0, 0), 1, 13.8, nullptr},
        KeepWindow{"Comparison", 9, {"Command1"}, qRgb(0, 255, 255), 0, 13.8, nullptr},
        // Rays are traced through the medium's layers, up to the receiver's
        // height; a classical run through a medium at rest cannot be continued.
        KeepWindow{"Medium", 3, {"Command1"}, qRgb(0, 255, 255), 0, 10, "Check7"}),
    [](const ::testing::TestParamInfo<KeepWindow>& i) { return std::string(i.param.name); });
