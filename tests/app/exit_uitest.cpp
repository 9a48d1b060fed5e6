// "Выход" ends the program: the real start-up runs in a child process that
// presses the button at a chosen moment, and the process must end by itself
// with exit code 0.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#ifndef SONREL_EXIT_DRIVER
#error "SONREL_EXIT_DRIVER names the driver program"
#endif

TEST(ExitButton, EndsTheProcessWhateverIsRunningOrAsked) {
    // idle; a warning open over the idle main window; a main-window run; its
    // question "ПРОДОЛЖИТЬ ЭКСПЕРИМЕНТ" open; a Form9 run; a Form9 T00 search
    // that never meets the receiver; a Form3 run; a Form9 run nested in a
    // main-window run; the main window's close box with other windows open,
    // idle and during its run.
    const QStringList moments = {"idle",      "idle-message", "main-run",  "main-question",
                                 "form9-run", "form9-search", "form3-run", "nested",
                                 "close-box", "close-box-run"};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The program keeps its shared record until the process ends, as the
    // windows may outlive each other; under the leak checker that record
    // would turn the exit code into a leak report.
    QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
    if (!asan.isEmpty()) asan += QLatin1Char(':');
    env.insert(QStringLiteral("ASAN_OPTIONS"), asan + QStringLiteral("detect_leaks=0"));
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const QString& m : moments) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(SONREL_EXIT_DRIVER), {m});
        runs.push_back(std::move(p));
    }
    for (std::size_t k = 0; k < runs.size(); ++k) {
        QProcess& p = *runs[k];
        const std::string moment = moments[static_cast<int>(k)].toStdString();
        ASSERT_TRUE(p.waitForStarted(30000)) << moment;
        const bool ended = p.waitForFinished(120000);
        if (!ended) {
            p.kill();
            p.waitForFinished(5000);
        }
        EXPECT_TRUE(ended) << "still running after exit: " << moment;
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << moment;
        EXPECT_EQ(p.exitCode(), 0) << moment;
    }
}

// A Russian or German desktop sets the process locale, whose decimal comma the
// C library would apply to every number: the default period must still give
// v0 = 1/5 = 0,2 there.
TEST(DesktopLocale, DefaultPeriodGivesItsFrequencyUnderEveryLocale) {
    for (const char* locale : {"ru_RU.UTF-8", "de_DE.UTF-8", "C.UTF-8"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANGUAGE", "SONREL_LANG"})
            env.remove(QString::fromLatin1(var));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        if (!asan.isEmpty()) asan += QLatin1Char(':');
        env.insert(QStringLiteral("ASAN_OPTIONS"), asan + QStringLiteral("detect_leaks=0"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.start(QStringLiteral(SONREL_EXIT_DRIVER), {QStringLiteral("t00")});
        ASSERT_TRUE(p.waitForFinished(120000)) << locale;
        EXPECT_EQ(p.exitCode(), 0) << locale;
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).trimmed().toStdString(), "v0=0,2")
            << locale;
    }
}
