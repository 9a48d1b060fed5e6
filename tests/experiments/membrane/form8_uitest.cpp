#include "canvas/form4.h"
#include "experiments/classic/animation.h"
#include "experiments/membrane/form8.h"
#include "support/english.h"
#include "support/report_columns.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

class MembraneWindow : public WindowTest {
protected:
    Form8* openForm8() {
        click(app->windows.get(1), "Command19");
        return static_cast<Form8*>(app->windows.get(8));
    }
    double number(Form8* f, const char* name) {
        return textOf(f, name).replace(',', '.').toDouble();
    }
};

TEST_F(MembraneWindow, OpensFromTheMainWindowWithDesignDefaults) {
    Form8* f = openForm8();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sonrel6         form8          Мембраны"));
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "56,6"}, {"Text2", "0"},     {"Text5", "50"},  {"Text6", "0"},
        {"Text3", "6"},    {"Text4", "10"},    {"Text7", "0"},   {"Text8", "0"},
        {"Text18", "2,5"}, {"Text12", "20"},   {"Text25", "40"}, {"Text26", "20"},
        {"Text22", "90"},  {"Text23", "90"},   {"Text10", "20"}, {"Text9", "1E-3"},
        {"Text19", "10"},  {"Text27", "0,25"}, {"Text21", "1"},  {"Text20", "0"}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value)) << name;
    for (const char* on : {"Check3", "Check2", "Check4", "Check1", "Check9"})
        EXPECT_TRUE(control<QCheckBox>(f, on)->isChecked()) << on;
    EXPECT_FALSE(control<QCheckBox>(f, "Check5")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(f, "Option5")->isChecked());
    EXPECT_EQ(control<QAbstractButton>(f, "Command4")->text(), QStringLiteral("Сделать NC0 шагов"));
    EXPECT_EQ(control<QAbstractButton>(f, "Command7")->text(),
              QStringLiteral("Вывести на график экспериментальные точки"));
    EXPECT_EQ(f->picture().pixelAt(10.5, 0), qRgb(1, 0, 0)); // the animation grid's axis
}

TEST_F(MembraneWindow, AimingTiltsBothMembranesTowardsTheReceiver) {
    Form8* f = openForm8();
    click(f, "Command13");
    EXPECT_NEAR(number(f, "Text23"), 120, 0.01);
    EXPECT_NEAR(number(f, "Text22"), 120, 0.01);
    EXPECT_NEAR(number(f, "Text17"), 5, 0.01);

    control<QCheckBox>(f, "Check3")->setChecked(false);
    typeInto(f, "Text22", "90");
    click(f, "Command13");
    EXPECT_EQ(textOf(f, "Text22"), QStringLiteral("90"));

    typeInto(f, "Text19", "0"); // a picture scale of zero cannot be drawn
    click(f, "Command13");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка рассчета"));

    typeInto(f, "Text12", "abc");
    click(f, "Command13");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(boxes.shown.back().title, QStringLiteral("Sonrel6"));
}

TEST_F(MembraneWindow, RunToTheLimitWritesTheReportOfNineteenPeriods) {
    Form8* f = openForm8();
    click(f, "Command13");
    control<QCheckBox>(f, "Check5")->setChecked(true);
    ASSERT_NE(app->windows.get(4), nullptr);
    click(f, "Command1");
    EXPECT_EQ(f->state().frontIndex, 21);
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("19"));
    EXPECT_EQ(textOf(f, "Text49"), QStringLiteral("20"));
    EXPECT_EQ(textOf(f, "Text11"), QStringLiteral("0,4"));
    const QString report = reportWindow(*app)->plainText(false);
    EXPECT_TRUE(report.contains(QStringLiteral("1- приемник  2- источник")));
    EXPECT_TRUE(report.contains(QStringLiteral("обрабатываем сигналы периода № 19 из 19")));
    EXPECT_FALSE(report.contains(QStringLiteral("из 20")));
    EXPECT_TRUE(report.contains(QStringLiteral("№ периода      средний угол")));
    EXPECT_TRUE(boxes.shown.empty());
    // The fields show the last period: observed and calculated frequency agree.
    EXPECT_NEAR(number(f, "Text41"), number(f, "Text48"), 0.002);

    control<QCheckBox>(f, "Check5")->setChecked(false);
    waitFor([&] { return app->windows.get(4) == nullptr; }, 500);
    EXPECT_EQ(app->windows.get(4), nullptr);
}

TEST_F(MembraneWindow, UntickingTheReportDuringARunLeavesNoReport) {
    Form8* f = openForm8();
    click(f, "Command13");
    control<QCheckBox>(f, "Check5")->setChecked(true);
    QTimer::singleShot(0, f, [f] { f->Check5->setChecked(false); });
    click(f, "Command1");
    EXPECT_EQ(f->state().frontIndex, 21);
    EXPECT_EQ(app->windows.get(4), nullptr);
}

TEST_F(MembraneWindow, StopContinueAndNc0Steps) {
    Form8* f = openForm8();
    click(f, "Command13");
    QTimer::singleShot(0, f, [f] { f->Command2->click(); });
    click(f, "Command1");
    EXPECT_LT(f->state().frontIndex, 21);
    const double t = f->state().T;
    click(f, "Command4");
    EXPECT_NEAR(f->state().T - t, 20 * 1e-3, 1e-9);
    EXPECT_NEAR(number(f, "Text17"), f->state().T, 1e-9);

    // With a step counter left beyond NC0, or with NC0 = 0, "Остановить"
    // still ends a continued run.
    for (const char* nc0 : {"20", "0"}) {
        typeInto(f, "Text10", QString::fromLatin1(nc0));
        f->state().stepCount = 50;
        QTimer::singleShot(30, f, [f] { f->Command2->click(); });
        click(f, "Command3");
        EXPECT_EQ(f->state().stopFlag, 1) << nc0;
    }
    typeInto(f, "Text10", "20");
    click(f, "Command3");
    EXPECT_EQ(f->state().frontIndex, 21);
    EXPECT_TRUE(boxes.shown.empty());

    // Front 21 lies outside the record: going on ends at once with the error.
    const double end = f->state().T;
    for (const char* button : {"Command3", "Command4"}) {
        click(f, button);
        ASSERT_FALSE(boxes.shown.empty()) << button;
        EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка решения"));
        EXPECT_EQ(boxes.shown.back().title, QStringLiteral("Sonrel6"));
        EXPECT_EQ(f->state().T, end);
    }
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(MembraneWindow, MirrorWarnsStopsAfterOneFrontAndDrawsTheReflection) {
    Form8* f = openForm8();
    click(f, "Command13");
    control<QRadioButton>(f, "Option1")->setChecked(true);
    click(f, "Command1");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel5m"));
    EXPECT_TRUE(boxes.shown[0].text.startsWith(QStringLiteral("Внимание. В этом эксперименте")));
    const MirrorResult& mirror = f->model().mirror;
    ASSERT_TRUE(mirror.done);
    EXPECT_EQ(f->model().emittedCount, 1);
    EXPECT_EQ(f->state().stopFlag, 1);
    EXPECT_NEAR(number(f, "Text28"), std::fmod(mirror.angle * f->state().degPerRad + 360, 360),
                1e-6);
    // The reflected ray leaves the reflection point in green.
    const double s = f->state().pictureScale;
    const double x = (mirror.reflection.x + 0.25 * (mirror.rayEnd.x - mirror.reflection.x)) / s;
    const double y = (mirror.reflection.y + 0.25 * (mirror.rayEnd.y - mirror.reflection.y)) / s;
    bool green = false;
    for (double dy = -0.1; dy <= 0.1; dy += 0.02)
        green |= f->picture().pixelAt(x, y + dy) == qRgb(0, 250, 0);
    EXPECT_TRUE(green);
}

TEST_F(MembraneWindow, DefaultMirrorReflectsAtEqualAnglesAndContinuesForOneStep) {
    Form8* f = openForm8();
    control<QRadioButton>(f, "Option1")->setChecked(true);
    click(f, "Command1");
    const MirrorResult& mirror = f->model().mirror;
    ASSERT_TRUE(mirror.done);
    // The front aimed from the origin comes in at 30° and meets the upright
    // mirror (A1 = 90°) at (86,6; 50) after 5 s. It leaves at 150° and meets
    // the picture's left edge x = −10 at y = 50 + 96,6·tan 30° = 105,773.
    EXPECT_NEAR(mirror.reflection.x, 86.6, 0.02);
    EXPECT_NEAR(mirror.reflection.y, 50, 1e-9);
    EXPECT_NEAR(mirror.rayEnd.x, -10, 1e-12);
    EXPECT_NEAR(mirror.rayEnd.y, 105.773, 0.02);
    EXPECT_NEAR(number(f, "Text28"), 90, 1e-9);
    // Halfway along each ray (picture scale 10 m/cm): the incident ray stays
    // blue, the reflected one is green.
    auto colourNear = [f](double x, double y, QRgb c) {
        bool found = false;
        for (double dy = -0.1; dy <= 0.1; dy += 0.02)
            found |= f->picture().pixelAt(x, y + dy) == c;
        return found;
    };
    EXPECT_TRUE(colourNear(4.33, 2.5, qRgb(0, 0, 250)));
    EXPECT_TRUE(colourNear(4.33, 7.5, qRgb(0, 250, 0)));

    // The arrival stays recorded: "Продолжить" stops again after one step.
    const double T = f->state().T;
    click(f, "Command3");
    EXPECT_NEAR(f->state().T - T, 1e-3, 1e-12);
    EXPECT_EQ(f->state().stopFlag, 1);
    EXPECT_NEAR(mirror.rayEnd.y, 105.773, 0.02);

    // At A1 = 50° the ray goes up and to the right, at 2·37,92° − 30° =
    // 45,83°: green a quarter of the way from (8,66; 5) to the top edge.
    typeInto(f, "Text22", "50");
    click(f, "Command1");
    ASSERT_TRUE(mirror.done);
    EXPECT_TRUE(
        colourNear(8.66 + 0.25 * 9 / std::tan(45.83 / 57.29578), 5 + 0.25 * 9, qRgb(0, 250, 0)));

    // At A1 = 45° the front's lower end starts beyond the mirror's line,
    // moving away: the run ends by itself with nothing reflected.
    typeInto(f, "Text22", "45");
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, f, [f] { f->Command2->click(); });
    guard.start(5000);
    click(f, "Command1");
    EXPECT_TRUE(guard.isActive());
    EXPECT_FALSE(mirror.done);
    EXPECT_TRUE(f->model().nothingToReceive);
    EXPECT_EQ(f->state().stopFlag, 1);
    EXPECT_LT(f->state().T, 0.1);
}

// Erasing the fronts, membranes and markers of a run restores the grid
// beneath them: no pixel of the grid, its axes or its labels turns white.
TEST_F(MembraneWindow, ErasingWhatMovesLeavesTheGridAndItsLabels) {
    Form8* f = openForm8();
    click(f, "Command13");
    click(f, "Command1");
    ASSERT_EQ(f->state().frontIndex, 21);
    const QImage run = f->picture().logicalImage();
    RasterCanvas bare(run.width(), run.height());
    bare.setFontPixelSize(12);
    drawAnimationGrid(bare, true);
    const QImage grid = bare.logicalImage();
    const QRgb white = qRgb(255, 255, 255);
    int gridPixels = 0, wiped = 0;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            if (grid.pixel(x, y) != white) {
                ++gridPixels;
                wiped += run.pixel(x, y) == white;
            }
    EXPECT_GT(gridPixels, 10000);
    EXPECT_EQ(wiped, 0);
}

TEST_F(MembraneWindow, ResultFieldsStartEmptyAndContinuingWithoutARunDoesNothing) {
    Form8* f = openForm8();
    const char* results[] = {"Text11", "Text13", "Text14", "Text15", "Text16", "Text17", "Text24",
                             "Text28", "Text29", "Text38", "Text39", "Text41", "Text42", "Text43",
                             "Text44", "Text45", "Text46", "Text47", "Text48", "Text49", "Text59"};
    for (const char* name : results)
        EXPECT_EQ(textOf(f, name), QString()) << name;

    // After aiming, "Продолжить" and "Сделать NC0 шагов" have no run to go on with.
    click(f, "Command13");
    QStringList before;
    for (QLineEdit* e : f->findChildren<QLineEdit*>())
        before << e->objectName() + "=" + e->text();
    const double T = f->state().T;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, f, [f] { f->Command2->click(); });
    for (const char* button : {"Command3", "Command4"}) {
        guard.start(3000);
        click(f, button);
        EXPECT_TRUE(guard.isActive()) << button;
    }
    QStringList after;
    for (QLineEdit* e : f->findChildren<QLineEdit*>())
        after << e->objectName() + "=" + e->text();
    EXPECT_EQ(after, before);
    EXPECT_EQ(f->state().T, T);
    EXPECT_TRUE(boxes.shown.empty());
}

// A period, a time step or a picture scale at or below zero cannot make a
// run: the start refuses it as it refuses T00 = 0, and changes no field.
TEST_F(MembraneWindow, NonPositivePeriodStepOrScaleIsRefused) {
    Form8* f = openForm8();
    const std::pair<const char*, const char*> cases[] = {{"Text18", "0"}, {"Text18", "-5"},
                                                         {"Text9", "0"},  {"Text9", "-1E-3"},
                                                         {"Text19", "0"}, {"Text19", "-10"}};
    for (const auto& [field, value] : cases) {
        const QString old = textOf(f, field);
        typeInto(f, field, QString::fromLatin1(value));
        boxes.shown.clear();
        click(f, "Command1");
        ASSERT_EQ(boxes.shown.size(), 1u) << field << value;
        EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка решения"));
        EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
        EXPECT_EQ(textOf(f, "Text11"), QString()) << field << value;
        EXPECT_EQ(textOf(f, "Text49"), QString()) << field << value;
        typeInto(f, field, old);
    }
    // Aiming draws on the picture: a scale at or below zero is refused there.
    typeInto(f, "Text19", "-10");
    boxes.shown.clear();
    click(f, "Command13");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка рассчета"));
    EXPECT_EQ(textOf(f, "Text17"), QString());
}

TEST_F(MembraneWindow, GraphButtonsPlotPeriodsAndStoreTheMeanAngles) {
    Form8* f = openForm8();
    click(f, "Command13");
    click(f, "Command1");
    click(f, "Command14");
    EXPECT_EQ(f->picture().pixelAt(0, 10), qRgb(1, 0, 0)); // vertical axis of the graph
    click(f, "Command7");
    const double asr = (f->model().Q3r(1) + f->model().Q3r(2)) * f->state().degPerRad / 2;
    EXPECT_TRUE(QString::fromStdString(f->state().reportText)
                    .startsWith(QStringLiteral("i= 1      Asr = ")));
    click(f, "Command12");
    EXPECT_DOUBLE_EQ(f->state().Q3(1), asr);
    EXPECT_TRUE(boxes.shown.empty());

    typeInto(f, "Text27", "x");
    click(f, "Command14");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Введите правильно данные"));
}

TEST_F(MembraneWindow, SavesThePictureUnderItsNumber) {
    Form8* f = openForm8();
    typeInto(f, "Text21", "7");
    click(f, "Command6");
    EXPECT_TRUE(QFile::exists(QStringLiteral("Sonrel7.bmp")));
    typeInto(f, "Text21", "a/b");
    click(f, "Command6");
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("Ошибка сохранения изображения"));
}

TEST_F(MembraneWindow, ClosingDuringARunEndsItCleanly) {
    Form8* f = openForm8();
    click(f, "Command13");
    control<QCheckBox>(f, "Check5")->setChecked(true);
    QTimer::singleShot(0, f, [f] { f->Command16->click(); });
    click(f, "Command1");
    EXPECT_LT(f->state().frontIndex, 21);
    EXPECT_EQ(app->windows.get(8), nullptr);
    // The report window keeps the legend; no report is written for the closed window.
    const QString report = reportWindow(*app)->plainText(false);
    EXPECT_TRUE(report.contains(QStringLiteral("1- приемник")));
    EXPECT_FALSE(report.contains(QStringLiteral("обрабатываем")));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MembraneWindow, MainWindowExitDuringARunEndsTheProgramsWindows) {
    Form8* f = openForm8();
    click(f, "Command13");
    control<QCheckBox>(f, "Check5")->setChecked(true);
    QTimer::singleShot(0, f, [this] { click(app->windows.get(1), "Command16"); });
    click(f, "Command1");
    EXPECT_LT(f->state().frontIndex, 21);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(app->windows.get(n), nullptr) << n;
}

namespace {
// What a membrane run leaves behind: its period record, the result fields,
// the boxes it showed and the report.
struct MembraneRunRecord {
    std::vector<double> record;
    QStringList fields;
    QString report;
    std::vector<ShownMessage> mirrorBoxes;
};

// The default run (aim, then start, report on), then the mirror's start.
MembraneRunRecord defaultMembraneRun(AppContext& app, MessageBoxAnswerer& boxes) {
    auto* f = static_cast<Form8*>(app.windows.show(8));
    click(f, "Command13");
    f->Check5->setChecked(true);
    boxes.shown.clear();
    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    MembraneRunRecord r;
    const SharedState& st = f->state();
    for (int i = 0; i <= 20; ++i)
        for (double x : {st.Tn2(i), st.Xn2(i), st.Yn2(i), st.Tk1(i), st.Xk1(i), st.Yk1(i),
                         st.QV1(i), st.QV2(i), f->model().Q3r(i)})
            r.record.push_back(x);
    for (const char* name : {"Text11", "Text17", "Text20", "Text49", "Text22", "Text23", "Text24",
                             "Text59", "Text38", "Text39", "Text41", "Text46", "Text48"})
        r.fields << textOf(f, name);
    r.report = reportWindow(app)->plainText(false);
    f->Check5->setChecked(false);
    f->Option1->setChecked(true);
    click(f, "Command1");
    r.mirrorBoxes = boxes.shown;
    app.windows.unload(8);
    app.windows.unload(4);
    QApplication::processEvents();
    return r;
}
} // namespace

TEST_F(EnglishWindowTest, MembraneDefaultRunIsTheSameInEnglish) {
    applyLanguage(Language::Russian);
    const MembraneRunRecord ru = defaultMembraneRun(*app, boxes);
    applyLanguage(Language::English);
    const MembraneRunRecord en = defaultMembraneRun(*app, boxes);
    EXPECT_EQ(en.record, ru.record);
    EXPECT_EQ(en.fields, ru.fields);
    EXPECT_EQ(en.fields[2], QStringLiteral("19"));

    ASSERT_EQ(en.mirrorBoxes.size(), 1u);
    EXPECT_EQ(en.mirrorBoxes[0].title, QStringLiteral("Sonrel5m"));
    EXPECT_TRUE(en.mirrorBoxes[0].text.startsWith(QStringLiteral("Attention.")));
    EXPECT_FALSE(hasCyrillic(en.mirrorBoxes[0].text));

    EXPECT_TRUE(ru.report.contains(QStringLiteral("обрабатываем сигналы периода № 19 из 19")));
    EXPECT_FALSE(hasCyrillic(en.report)) << en.report.toStdString();
    EXPECT_TRUE(
        en.report.contains(QStringLiteral("processing the signals of period No. 19 of 19")));
    const QString ruHeader = lineStartingWith(ru.report, QStringLiteral("№ периода"));
    const QString enHeader = lineStartingWith(en.report, QStringLiteral("period No."));
    ASSERT_EQ(columnStarts(ruHeader).size(), 4u);
    EXPECT_EQ(columnStarts(enHeader), columnStarts(ruHeader));
    EXPECT_FALSE(lineStartingWith(ru.report, QStringLiteral("   12 ")).isEmpty());
    EXPECT_EQ(lineStartingWith(en.report, QStringLiteral("   12 ")),
              lineStartingWith(ru.report, QStringLiteral("   12 ")));
}
