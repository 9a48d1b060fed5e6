#include "app/form1.h"
#include "base/numbers.h"
#include "canvas/form4.h"
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <cmath>

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

    // With the angle as argument both speeds are 0; "СТО" needs a variant first:
    // without one no formula applies, which is said, and the earlier 0,5 and
    // its shift are taken away rather than presented as its result.
    tick("Option8");
    tick("Option1");
    click(form(), "Command17");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка решения"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
    EXPECT_EQ(textOf(form(), "Text26"), "");
    EXPECT_EQ(textOf(form(), "Text23"), "");
    tick("Check6");
    click(form(), "Command17");
    EXPECT_EQ(textOf(form(), "Text26"), "1");

    typeInto(form(), "Text25", "-0,1");
    click(form(), "Command17");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("X= V/Vs должно быть положительное"));
    EXPECT_EQ(boxes.shown[1].title, QStringLiteral("Sonrel6"));
}

TEST_F(TheoryWindow, NearTheSignalSpeedTheFormulaValueIsShownNotAnEarlierOne) {
    // (4-2) v = v0·G/(1 − V12'/Vs): the relativistic √((1 + β)/(1 − β)).
    tick("Option1");
    tick("Check2");
    auto ratioAt = [this](const char* X) {
        typeInto(form(), "Text25", QString::fromLatin1(X));
        click(form(), "Command17");
        return numberOf(control<QLineEdit>(form(), "Text26"));
    };
    auto doppler = [](double b) { return std::sqrt((1 + b) / (1 - b)); };
    EXPECT_NEAR(ratioAt("0,25"), doppler(0.25), 1e-12);
    EXPECT_NEAR(ratioAt("0,999999") / doppler(0.999999), 1, 1e-9); // about 1414
    EXPECT_NEAR(ratioAt("0,999999") / doppler(0.999999), 1, 1e-9);
    // In wavelength mode L/L0 is the inverse, press after press.
    tick("Check7");
    for (int press = 0; press < 3; ++press)
        EXPECT_NEAR(ratioAt("0,999999") * doppler(0.999999), 1, 1e-9) << press;
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TheoryWindow, SpeedAtTheSignalSpeedIsRefusedAloud) {
    typeInto(form(), "Text25", "1");
    click(form(), "Command17");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              QStringLiteral("Скорости V1, V2 и V12 должны быть меньше скорости сигнала.\n"
                             "Проверьте заданные для выбранной формулы скорости VX1 и VX2."));
    // A refused calculation has no answer to show.
    EXPECT_EQ(textOf(form(), "Text26"), "");
    EXPECT_EQ(textOf(form(), "Text13"), "");

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
    EXPECT_EQ(app->state.frontIndex, 0); // the sweep counts on its own index
    // The last point: V1 = 0,9996·Vs against the source's 10 m/s along the line of sight.
    EXPECT_NEAR(numberOf(control<QLineEdit>(form(), "Text26")), 2 * (1 - 0.9996), 1e-12);
    // Lorentz (2) points are black; with VX1 = 10 m/s the ratio is 1 at x = 10.
    EXPECT_EQ(form()->picture().pixelAt(10, 10), qRgb(1, 0, 0));

    typeInto(form(), "Text27", "0");
    click(form(), "Command12");
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка решения"));
}

namespace {
// v1(i)/v0 of the report line of point i, or -1 when there is none.
double sweepRatio(const QString& report, int i) {
    const QString head = QStringLiteral("  i= %1 ").arg(i);
    for (const QString& line : report.split('\n')) {
        if (!line.startsWith(head)) continue;
        const QString key = QStringLiteral("v1(i)/v0 = ");
        return readNumber(line.mid(line.indexOf(key) + key.size()).trimmed().toStdString());
    }
    return -1;
}
} // namespace

TEST_F(TheoryWindow, ASecondSweepTableReplacesTheFirstInTheReport) {
    // Angle sweeps with the default VX1 = 6, VX2 = 10, Vs = 20: at Q = 0
    // Lorentz (2) gives (1 − 6/20)/(1 − 10/20) = 1,4 and КТО (4-4)
    // 1 − (6 − 10)/20 = 1,2; at Q = 90° both give 1.
    tick("Option8");
    click(form(), "Command14");
    click(form(), "Command12");
    tick("Option4");
    click(form(), "Command12");
    form()->Check5->setChecked(true);
    const QString text = static_cast<Form4*>(app->windows.get(4))->plainText();
    EXPECT_EQ(text.count(QStringLiteral("     №                      Q(i)")), 1);
    EXPECT_NEAR(sweepRatio(text, 0), 1.2, 2e-6);
    EXPECT_NEAR(sweepRatio(text, 2500), 1, 2e-6);
    EXPECT_EQ(text.count(QStringLiteral("  i= 0 ")), 1);

    // With the report window shown the same holds.
    tick("Option3");
    click(form(), "Command12");
    const QString again = static_cast<Form4*>(app->windows.get(4))->plainText();
    EXPECT_EQ(again.count(QStringLiteral("  i= 0 ")), 1);
    EXPECT_NEAR(sweepRatio(again, 0), 1.4, 2e-6);
    EXPECT_TRUE(boxes.shown.empty());
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

namespace {
// Everything a run has recorded and will continue from.
std::vector<double> runRecord(const SharedState& s) {
    std::vector<double> r = {
        s.T,    s.frontRadius, double(s.frontIndex), double(s.stepCount), double(s.NC0), s.Vs, s.v0,
        s.V(1), s.V(2)};
    for (int k = 1; k <= 2; ++k)
        for (double v : {s.X(k), s.Y(k), s.VX(k), s.VY(k)})
            r.push_back(v);
    for (const PeriodArray* a : {&s.Tk1, &s.Xk1, &s.Yk1, &s.Xk2, &s.Yk2, &s.Q3, &s.QV1, &s.QV2})
        for (int j = 0; j <= 20; ++j)
            r.push_back((*a)(j));
    return r;
}
} // namespace

TEST_F(TheoryWindow, ACalculationBetweenPauseAndContinueChangesNothingInTheRun) {
    // Manual mode, paused by No at the third arrival; then continued with Yes
    // to the end of the record, once as it is and once after the sweep and
    // both single calculations (in the source's relativistic frame, with the
    // delay, and a typed speed that differs from the run's).
    auto run = [this](bool calculateInBetween) {
        typeInto(form(), "Text9", "0,01");
        control<QCheckBox>(form(), "Check1")->setChecked(false);
        click(form(), "Command13");
        boxes.answers = {QMessageBox::Yes, QMessageBox::Yes, QMessageBox::No};
        click(form(), "Command1");
        EXPECT_EQ(app->state.frontIndex, 3);
        if (calculateInBetween) {
            tick("Option1");
            tick("Check3");
            typeInto(form(), "Text12", "30");
            typeInto(form(), "Text25", "0,4");
            click(form(), "Command12");
            click(form(), "Command17");
            click(form(), "Command18");
            typeInto(form(), "Text12", "20");
        }
        boxes.answers.clear();
        boxes.defaultAnswer = QMessageBox::Yes;
        click(form(), "Command3");
        // The run ends at the twentieth front, as any full run does.
        EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка решения"));
        EXPECT_EQ(app->state.frontIndex, 20);
        return runRecord(app->state);
    };
    const std::vector<double> plain = run(false);
    EXPECT_EQ(run(true), plain);
}

TEST_F(TheoryWindow, ExperimentalPointsLandOnTheSamePixelsBeforeAndAfterASweep) {
    typeInto(form(), "Text9", "0,01");
    click(form(), "Command13");
    boxes.defaultAnswer = QMessageBox::Ok;
    click(form(), "Command1");
    // The points' pixels, blue with "учесть запаздывание по координатам".
    auto pointPixels = [this] {
        std::vector<std::pair<int, int>> at;
        const QImage& img = form()->picture().image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) == qRgb(0, 0, 250)) at.emplace_back(x, y);
        return at;
    };
    click(form(), "Command14");
    click(form(), "Command7");
    const auto first = pointPixels();
    ASSERT_GT(first.size(), 19u);
    // Curves drawn before the points, then the points again over them.
    click(form(), "Command14");
    click(form(), "Command12");
    click(form(), "Command18");
    click(form(), "Command14");
    click(form(), "Command12");
    click(form(), "Command7");
    EXPECT_EQ(pointPixels(), first);
}
