// Pacing of the experiment windows: the "Темп" choice holds the model to the
// wall clock without changing what a run computes, the status line tells the
// progress and the end of a run, and the run keys act on the buttons.
#include "app/form1.h"
#include "support/english.h"
#include "ui/run_pacer_qt.h"
#include "ui/tone_player_qt.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <map>
#include <sys/resource.h>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// What a run of the main window leaves in the shared state: the period
// record and the model time.
std::vector<double> periodRecord(const SharedState& s) {
    std::vector<double> r;
    for (int j = 0; j <= 20; ++j)
        for (double v : {s.Tn1(j), s.Tk1(j), s.Xk1(j), s.Yk1(j), s.Tn2(j), s.Xn2(j), s.Q3(j)})
            r.push_back(v);
    r.push_back(s.T);
    return r;
}

class RunPace : public WindowTest {
protected:
    Form1* form() { return static_cast<Form1*>(app->windows.get(1)); }
    void choosePace(QWidget* f, const char* caption) {
        auto* box = control<QComboBox>(f, "ComboPace");
        const int i = box->findText(QString::fromUtf8(caption));
        ASSERT_GE(i, 0) << caption;
        box->setCurrentIndex(i);
    }
    QString status(QWidget* f) { return control<QLabel>(f, "StatusLine")->text(); }
    // Presses the stop button once the model time has reached `T` seconds.
    void stopAt(double T) {
        stopper_.disconnect();
        connect(&stopper_, &QTimer::timeout, [this, T] {
            if (app->state.T >= T) {
                stopper_.stop();
                click(form(), "Command2");
            }
        });
        stopper_.start(2);
    }
    // The default run from "1-Задать T00, с" and "2-Начать эксперимент";
    // returns its wall time in seconds.
    double defaultRun() {
        click(form(), "Command13");
        QElapsedTimer wall;
        wall.start();
        click(form(), "Command1");
        return static_cast<double>(wall.nsecsElapsed()) / 1e9;
    }
    static void connect(QTimer* t, decltype(&QTimer::timeout), std::function<void()> f) {
        QObject::connect(t, &QTimer::timeout, f);
    }
    QTimer stopper_;
};

} // namespace

TEST_F(RunPace, EveryExperimentWindowOffersThePacesAndKeys) {
    const QStringList captions = {QStringLiteral("0,5×"), QStringLiteral("1×"),
                                  QStringLiteral("2×"),   QStringLiteral("5×"),
                                  QStringLiteral("10×"),  QStringLiteral("20×"),
                                  QStringLiteral("50×"),  QStringLiteral("макс.")};
    for (int n : {1, 3, 8, 9}) {
        SCOPED_TRACE(n);
        QWidget* f = open(n);
        auto* box = control<QComboBox>(f, "ComboPace");
        ASSERT_NE(box, nullptr);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i);
        EXPECT_EQ(shown, captions);
        EXPECT_NE(control<QLabel>(f, "StatusLine"), nullptr);
        EXPECT_TRUE(control<QPushButton>(f, "Command2")->toolTip().endsWith("(Esc)"));
        EXPECT_TRUE(control<QPushButton>(f, "Command1")->toolTip().endsWith("(F5)"));
        EXPECT_TRUE(control<QPushButton>(f, "Command3")->toolTip().endsWith("(F6)"));
        EXPECT_TRUE(control<QPushButton>(f, "Command4")->toolTip().endsWith("(F7)"));
    }
}

TEST_F(RunPace, WindowsStartAtAPaceThatShowsTheDefaultRunInSeconds) {
    // The tests run at "макс."; windows built with the program's defaults:
    RunPacer::setStartingChoice(-1);
    app->windows.unload(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const std::pair<int, const char*> defaults[] = {{1, "5×"}, {3, "2×"}, {8, "2×"}, {9, "2×"}};
    std::map<int, double> pace;
    for (const auto& [n, caption] : defaults) {
        auto* box = control<QComboBox>(open(n), "ComboPace");
        EXPECT_EQ(box->currentText(), QString::fromUtf8(caption)) << n;
        pace[n] = kPaceChoices[static_cast<std::size_t>(box->currentIndex())].modelPerWall;
        box->setCurrentIndex(kPaceMax);
    }
    RunPacer::setStartingChoice(kPaceMax);
    // Each window's default run, made at full speed, lasts 20 to 40 s (the
    // main window) or 15 to 40 s (the others) at its default pace.
    auto modelTime = [this](int n, const std::vector<const char*>& buttons) {
        for (const char* b : buttons)
            click(app->windows.get(n), b);
        return app->windows.get(n)->state().T;
    };
    const double t1 = modelTime(1, {"Command13", "Command1"});
    EXPECT_GE(t1 / pace[1], 20.0);
    EXPECT_LE(t1 / pace[1], 40.0);
    for (const auto& [n, buttons] : std::vector<std::pair<int, std::vector<const char*>>>{
             {3, {"Command1"}}, {8, {"Command13", "Command1"}}, {9, {"Command1"}}}) {
        const double T = modelTime(n, buttons);
        const QString line = status(app->windows.get(n));
        // A run that ends by itself has finished (with the fronts received, when counted).
        EXPECT_TRUE(line.startsWith("T = ") &&
                    line.contains(QStringLiteral(" из 20\nэксперимент завершен")))
            << line.toStdString();
        EXPECT_GE(T / pace[n], 15.0) << n;
        EXPECT_LE(T / pace[n], 40.0) << n;
    }
}

TEST_F(RunPace, OneTimesHoldsTheModelToTheWallClockAndIdles) {
    choosePace(form(), "1×");
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { seen << status(form()); });
    watch.start(50);
    stopAt(2.0);
    const double cpu0 = cpuSeconds();
    const double wall = defaultRun();
    const double cpu = cpuSeconds() - cpu0;
    watch.stop();
    EXPECT_GE(app->state.T, 2.0);
    EXPECT_LT(app->state.T, 2.1);
    EXPECT_GE(wall, 1.8);
    EXPECT_LE(wall, 3.0);
    // Waiting runs the event loop: the process is nearly idle.
    EXPECT_LT(cpu, 0.3 * wall) << "cpu " << cpu << " s of " << wall << " s";
    // Progress while running: the model time and the period.
    bool progress = false;
    for (const QString& s : seen)
        progress =
            progress || (s.startsWith("T = 1,") && s.contains(QStringLiteral("период 0 из 20")));
    EXPECT_TRUE(progress) << seen.join(" | ").toStdString();
    EXPECT_TRUE(status(form()).endsWith(QStringLiteral("остановлен пользователем")))
        << status(form()).toStdString();

    // The same run at "макс." takes a small part of that.
    choosePace(form(), "макс.");
    stopAt(2.0);
    EXPECT_LT(defaultRun(), 0.9);
    EXPECT_GE(app->state.T, 2.0);
}

TEST_F(RunPace, ResultsDoNotDependOnThePaceOrTheSound) {
    // A short run to its end: fronts every 0,4 s at 200 m/s.
    typeInto(form(), "Text12", "200");
    typeInto(form(), "Text18", "0,4");
    auto record = [this] { return periodRecord(app->state); };
    choosePace(form(), "макс.");
    defaultRun();
    const std::vector<double> fast = record();
    const QImage fastPicture = form()->picture().image();
    form()->clearPicture();
    choosePace(form(), "5×");
    // The tone asked for: without a sound device the status line says so and
    // the run goes on silent; with one, the tone changes nothing either.
    control<QCheckBox>(form(), "CheckSound")->setChecked(true);
    control<QCheckBox>(form(), "CheckClicks")->setChecked(true);
    if (!TonePlayer::deviceAvailable()) {
        EXPECT_EQ(status(form()), "Звук: нет устройства вывода звука, опыт идет без звука");
    }
    const double wall = defaultRun();
    // Paced: the run's model time divided by 5, within the clock's slack.
    EXPECT_GT(wall, 0.9 * fast.back() / 5);
    EXPECT_EQ(record(), fast);
    EXPECT_EQ(form()->picture().image(), fastPicture);
}

TEST_F(RunPace, ANewPaceActsAtOnce) {
    typeInto(form(), "Text9", "0,01"); // coarser steps keep the run short
    choosePace(form(), "0,5×");
    QTimer::singleShot(300, [this] { choosePace(form(), "макс."); });
    // At 0,5× the whole run would take four minutes.
    EXPECT_LT(defaultRun(), 5.0);
    EXPECT_GT(app->state.T, 100.0);
}

TEST_F(RunPace, EscapeStopsARunningRunAndTheOtherKeysPressTheirButtons) {
    form()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form()));
    choosePace(form(), "1×");
    QTimer::singleShot(300, [this] { QTest::keyClick(form(), Qt::Key_Escape); });
    const double wall = defaultRun();
    EXPECT_LT(wall, 1.0);
    EXPECT_EQ(app->state.stopFlag, 1);
    EXPECT_TRUE(status(form()).endsWith(QStringLiteral("остановлен пользователем")));

    // F7: exactly NC0 steps from where the run stopped.
    const double T = app->state.T;
    QTest::keyClick(form(), Qt::Key_F7);
    EXPECT_NEAR(app->state.T, T + 20 * 1e-3, 1e-9);
    EXPECT_TRUE(status(form()).endsWith(QStringLiteral("сделано NC0 шагов")));

    // F6 continues; Esc ends it again.
    QTimer::singleShot(200, [this] { QTest::keyClick(form(), Qt::Key_Escape); });
    QTest::keyClick(form(), Qt::Key_F6);
    EXPECT_GT(app->state.T, T + 0.1);
    EXPECT_LT(app->state.T, T + 1.0);

    // F5 starts anew from T = 0.
    QTimer::singleShot(200, [this] { QTest::keyClick(form(), Qt::Key_Escape); });
    QTest::keyClick(form(), Qt::Key_F5);
    EXPECT_LT(app->state.T, 1.0);
}

TEST_F(RunPace, TheStatusLineTellsARunStoppedAtAQuestion) {
    click(form(), "Command13");
    form()->Check1->setChecked(false);
    // Front 1 received and gone on; front 2 received and stopped: period 1
    // was being received.
    boxes.answers = {QMessageBox::Yes, QMessageBox::No};
    click(form(), "Command1");
    EXPECT_TRUE(status(form()).contains(QStringLiteral("период 1 из 20")))
        << status(form()).toStdString();
    EXPECT_TRUE(status(form()).endsWith(QStringLiteral("остановлен на вопросе")));
}

class RunPaceInEnglish : public EnglishWindowTest {
protected:
    // The main window anew, set for a short run to its end (fronts every
    // 0,4 s at 200 m/s).
    Form1* freshForm() {
        app->windows.unload(1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* f = static_cast<Form1*>(open(1));
        typeInto(f, "Text12", "200");
        typeInto(f, "Text18", "0,4");
        return f;
    }
    static QString status(QWidget* f) { return control<QLabel>(f, "StatusLine")->text(); }
};

// The same run at "макс." in Russian and then in English: the same record,
// and the English status line tells the same time and period.
TEST_F(RunPaceInEnglish, TheStatusLineTellsTheRunInEnglishWithTheSameNumbers) {
    applyLanguage(Language::Russian);
    Form1* f = freshForm();
    click(f, "Command13");
    click(f, "Command1");
    const std::vector<double> russianRecord = periodRecord(app->state);
    const QString russian = status(f);

    applyLanguage(Language::English);
    boxes.shown.clear();
    f = freshForm();
    click(f, "Command13");
    click(f, "Command1");
    EXPECT_EQ(periodRecord(app->state), russianRecord);
    const QString english = status(f);
    EXPECT_FALSE(hasCyrillic(english)) << english.toStdString();
    for (const ShownMessage& m : boxes.shown)
        EXPECT_FALSE(hasCyrillic(m.title + m.text)) << m.text.toStdString();

    const QRegularExpression ru(QStringLiteral("^T = (\\S+) с   период (\\d+) из (\\d+)\n(.+)$"));
    const QRegularExpression en(QStringLiteral("^T = (\\S+) s   period (\\d+) of (\\d+)\n(.+)$"));
    const auto r = ru.match(russian), e = en.match(english);
    ASSERT_TRUE(r.hasMatch()) << russian.toStdString();
    ASSERT_TRUE(e.hasMatch()) << english.toStdString();
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(e.captured(i), r.captured(i)) << i;
    EXPECT_EQ(r.captured(3), QStringLiteral("20"));

    // A paced run shows its progress in English while it runs, and stops on Esc.
    auto* box = control<QComboBox>(f, "ComboPace");
    EXPECT_EQ(box->count(), static_cast<int>(kPaceChoices.size()));
    box->setCurrentIndex(box->findText(QStringLiteral("1×")));
    ASSERT_EQ(box->currentText(), QStringLiteral("1×"));
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { seen << status(f); });
    watch.start(50);
    QTimer::singleShot(400, [f] { click(f, "Command2"); });
    click(f, "Command13");
    click(f, "Command1");
    watch.stop();
    EXPECT_LT(app->state.T, 1.0);
    ASSERT_FALSE(seen.isEmpty());
    for (const QString& s : seen)
        EXPECT_TRUE(s.startsWith(QStringLiteral("T = ")) && !hasCyrillic(s)) << s.toStdString();
    EXPECT_TRUE(seen.join(QChar(' ')).contains(QStringLiteral(" s   period 0 of 20")))
        << seen.join(QStringLiteral(" | ")).toStdString();
    const QString stopped = status(f);
    EXPECT_TRUE(stopped.contains(QChar('\n')) && !hasCyrillic(stopped)) << stopped.toStdString();
    EXPECT_NE(stopped.section(QChar('\n'), 1), english.section(QChar('\n'), 1));
}
