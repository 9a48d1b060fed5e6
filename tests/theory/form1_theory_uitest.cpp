#include "app/form1.h"
#include "canvas/form4.h"
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

using namespace sonrel;
using namespace sonrel::testing;

class TheoryWindow : public WindowTest {
protected:
    Form1* form() { return static_cast<Form1*>(app->windows.get(1)); }
    void tick(const char* name) { control<QAbstractButton>(form(), name)->click(); }
    bool ticked(const char* name) { return control<QAbstractButton>(form(), name)->isChecked(); }
};

TEST_F(TheoryWindow, RelativityVariantsExcludeOneAnother) {
    tick("Check3");
    tick("Check2");
    EXPECT_FALSE(ticked("Check3"));
    EXPECT_TRUE(ticked("Check2"));
    control<QCheckBox>(form(), "Check8")->setChecked(true);
    EXPECT_FALSE(ticked("Check2"));
    tick("Check8");
    for (const char* name : {"Check2", "Check3", "Check6", "Check8"})
        EXPECT_FALSE(ticked(name));
}

TEST_F(TheoryWindow, CalculationAtAGivenAngle) {
    typeInto(form(), "Text25", "0,5");
    tick("Option4");
    click(form(), "Command17");
    EXPECT_EQ(textOf(form(), "Text26"), "0,5");
    EXPECT_EQ(textOf(form(), "Text23"), "-328,14");
    EXPECT_TRUE(boxes.shown.empty());

    // With the angle as argument both speeds are 0; "СТО" needs a variant first.
    tick("Option8");
    tick("Option1");
    click(form(), "Command17");
    EXPECT_EQ(textOf(form(), "Text26"), "0,5");
    tick("Check6");
    click(form(), "Command17");
    EXPECT_EQ(textOf(form(), "Text26"), "1");

    typeInto(form(), "Text25", "-0,1");
    click(form(), "Command17");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("X= V/Vs должно быть положительное"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
}

TEST_F(TheoryWindow, SpeedAtTheSignalSpeedIsRefusedAloud) {
    typeInto(form(), "Text25", "1");
    click(form(), "Command17");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("Скорости V1, V2 и V12 должны быть меньше скорости сигнала.\n"
                             "Проверьте заданные для выбранной формулы скорости VX1 и VX2."));
    EXPECT_EQ(textOf(form(), "Text26"), "1");
    EXPECT_EQ(textOf(form(), "Text13"), "Text13");

    typeInto(form(), "Text12", "0");
    typeInto(form(), "Text25", "0");
    click(form(), "Command17");
    EXPECT_EQ(boxes.shown.back().text,
              QStringLiteral("Скорости V1, V2 и V12 должны быть меньше скорости сигнала.\n"
                             "Проверьте заданные для выбранной формулы скорости VX1 и VX2."));
    typeInto(form(), "Text29", "x");
    typeInto(form(), "Text12", "20");
    click(form(), "Command17");
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Введите правильно данные"));
}

TEST_F(TheoryWindow, CalculationFromCoordinatesShowsTheDelayedSource) {
    click(form(), "Command18");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(form(), "Text13"), "86,60254");
    EXPECT_NEAR(numberOf(control<QLineEdit>(form(), "Text14")), 0, 1e-4);
    EXPECT_NEAR(numberOf(control<QLineEdit>(form(), "Text11")), 100, 1e-4);
    // The table is printed on the cleared animation picture; the bodies drawn in red.
    EXPECT_EQ(form()->picture().scaleTop(), 14);
    EXPECT_EQ(form()->picture().pixelAt(86.60254 / 5 - 0.2, 10), qRgb(250, 0, 0));

    tick("Check11");
    click(form(), "Command18");
    EXPECT_EQ(textOf(form(), "Text14"), "50");
    const double ratio = numberOf(control<QLineEdit>(form(), "Text26"));
    const double q = std::atan(50 / 36.60254);
    EXPECT_NEAR(ratio, (1 - std::cos(-q) * 6 / 20) / (1 - std::cos(-q) * 10 / 20), 1e-12);
}

TEST_F(TheoryWindow, GraphClearPointAndMouseReadBack) {
    click(form(), "Command14");
    RasterCanvas& pic = form()->picture();
    EXPECT_EQ(pic.scaleLeft(), -21);
    EXPECT_EQ(pic.pixelAt(10, 4), qRgb(200, 200, 200));
    EXPECT_EQ(pic.pixelAt(0, 5), qRgb(1, 0, 0));

    const QPointF px = pic.toPixels(5, 13);
    QTest::mouseClick(form()->Picture1, Qt::LeftButton, {}, px.toPoint());
    const double x = numberOf(control<QLineEdit>(form(), "Text25"));
    const double y = numberOf(control<QLineEdit>(form(), "Text26"));
    EXPECT_NEAR(x, 0.25, 0.01);
    EXPECT_NEAR(y, 1.3, 0.01);
    // The read-back values put a point where the press was.
    click(form(), "Command14");
    click(form(), "Command15");
    EXPECT_EQ(pic.pixelAt(20 * x + 0.2, y / 0.1), qRgb(1, 0, 0));

    tick("Option8");
    QTest::mouseClick(form()->Picture1, Qt::LeftButton, {}, px.toPoint());
    EXPECT_NEAR(numberOf(control<QLineEdit>(form(), "Text25")), 112.5, 0.2);

    typeInto(form(), "Text26", "abc");
    click(form(), "Command15");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
}

TEST_F(TheoryWindow, SweepPrintsItsReportEvenWithoutTheReportWindow) {
    click(form(), "Command14");
    click(form(), "Command12");
    EXPECT_TRUE(boxes.shown.empty());
    Form4* report = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(report, nullptr);
    EXPECT_FALSE(report->isVisible());
    const QString text = report->plainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("     №                      V(i)")));
    EXPECT_TRUE(text.contains(QStringLiteral("  i= 4900      V(i)/Vs = 0,96        v1(i)/v0 = ")));
    EXPECT_EQ(app->state.frontIndex, 5000);
    // The last point: V1 = 0,9996·Vs against the source's 10 m/s along the line of sight.
    EXPECT_NEAR(numberOf(control<QLineEdit>(form(), "Text26")), 2 * (1 - 0.9996), 1e-12);
    // Lorentz (2) points are black; with VX1 = 10 m/s the ratio is 1 at x = 10.
    EXPECT_EQ(form()->picture().pixelAt(10, 10), qRgb(1, 0, 0));

    typeInto(form(), "Text27", "0");
    click(form(), "Command12");
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка решения"));
}

TEST_F(TheoryWindow, ExperimentalPointsFromThePeriodRecord) {
    SharedState& s = app->state;
    for (int k = 0; k <= 20; ++k) {
        s.Xn1(k) = s.Xk1(k) = 0;
        s.Yn1(k) = s.Yk1(k) = 100;
    }
    for (int k = 0; k <= 20; ++k)
        s.Tk1(k) = 5 + 4 * k;
    s.v0 = 0.25;
    tick("Check5");
    click(form(), "Command14");
    click(form(), "Command7");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(ticked("Option8"));
    EXPECT_EQ(form()->picture().pixelAt(0.2, 10), qRgb(0, 0, 250));
    Form4* report = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->plainText().startsWith(
        QStringLiteral("N= 1    An = 0    Asr = 90    dT = 4    v1/v0 = 1\n")));

    s.v0 = 0;
    click(form(), "Command7");
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка решения"));
}
