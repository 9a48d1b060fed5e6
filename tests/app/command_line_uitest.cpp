// The real program started as a child: its answers to the command line, and
// its start without a display.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTranslator>
#include <gtest/gtest.h>

#ifndef SONREL_EXIT_DRIVER
#error "SONREL_EXIT_DRIVER names the driver program"
#endif
#ifndef SONREL_PROGRAM
#error "SONREL_PROGRAM names the program"
#endif

namespace {

struct Outcome {
    bool ended = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString out, err;
};

// Runs the program with `args` in the environment without any display and
// with no platform chosen, as from a text console or an ssh session.
Outcome runWithoutDisplay(const QStringList& args, const QString& display = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SONREL_LANG"})
        env.remove(QString::fromLatin1(name));
    if (!display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), display);
    // A core dump of a failing start would only slow the test down.
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("disable_coredump=1"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SONREL_PROGRAM), args);
    Outcome o;
    if (!p.waitForStarted(30000)) return o;
    o.ended = p.waitForFinished(60000);
    if (!o.ended) {
        p.kill();
        p.waitForFinished(5000);
    }
    o.status = p.exitStatus();
    o.code = p.exitCode();
    o.out = QString::fromUtf8(p.readAllStandardOutput());
    o.err = QString::fromUtf8(p.readAllStandardError());
    return o;
}

const char* const kNoDisplay = "sonrel6: нет экрана: запустите программу в графическом сеансе";
const char* const kRefused = "неизвестный параметр «%1» (список: sonrel6 --help)";

// `english` once the catalogue translates `russian` (context "CommandLine"),
// else the Russian text the program falls back on.
QString inEnglish(const char* russian, const char* english) {
    QTranslator catalogue;
    if (!catalogue.load(QStringLiteral(":/i18n/sonrel6_en.qm")) ||
        catalogue.translate("CommandLine", russian).isEmpty())
        return QString::fromUtf8(russian);
    return QString::fromUtf8(english);
}

} // namespace

// No display: one line saying so in the chosen language and exit code 1, not
// Qt's abort with a core dump; a display that cannot be reached is the same.
TEST(CommandLine, WithoutADisplaySaysSoAndEndsWithOne) {
    const QString english =
        inEnglish(kNoDisplay, "sonrel6: no display: start it in a desktop session") + '\n';
    const struct {
        QStringList args;
        QString display;
        QString says;
    } starts[] = {
        {{QStringLiteral("--lang"), QStringLiteral("en")}, {}, english},
        {{QStringLiteral("--lang=en")}, QStringLiteral(":4711"), english},
        {{}, {}, QString::fromUtf8(kNoDisplay) + '\n'},
    };
    for (const auto& s : starts) {
        const Outcome o = runWithoutDisplay(s.args, s.display);
        const std::string what =
            s.args.join(' ').toStdString() + " DISPLAY=" + s.display.toStdString();
        ASSERT_TRUE(o.ended) << what;
        EXPECT_EQ(o.status, QProcess::NormalExit) << what;
        EXPECT_EQ(o.code, 1) << what;
        EXPECT_EQ(o.err.toStdString(), s.says.toStdString()) << what;
        EXPECT_TRUE(o.out.isEmpty()) << what;
    }
}

// --help and -h print the usage and --version the version, with no display;
// an unknown option or a stray word is named and ends with exit code 2 before
// any window opens.
TEST(CommandLine, HelpVersionAndUnknownArguments) {
    const QString unknownWord =
        inEnglish(kRefused, "unknown option \"%1\" (sonrel6 --help lists the options)")
            .arg(QStringLiteral("hello"));
    // The usage is translated with the other texts of the command line.
    const bool translated =
        !inEnglish(kNoDisplay, "no display").startsWith(QStringLiteral("sonrel6"));
    const QString environment = translated ? QStringLiteral("Environment variables")
                                           : QStringLiteral("Переменные окружения");
    const struct {
        QStringList args;
        int code;
        QString outHas; // in stdout
        QString errHas; // in stderr
    } cases[] = {
        {{QStringLiteral("--help")}, 0, "--lang ru|en", {}},
        {{QStringLiteral("-h")}, 0, "SONREL_LANG", {}},
        {{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("-h")},
         0,
         environment,
         {}},
        {{QStringLiteral("--help")}, 0, "Sonrel_<N>.txt", {}},
        {{QStringLiteral("--version")}, 0, "Sonrel6 ", {}},
        {{QStringLiteral("--foo")}, 2, {}, "«--foo»"},
        {{QStringLiteral("-v")}, 2, {}, "«-v»"},
        {{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("hello")},
         2,
         {},
         unknownWord},
        // Qt's own options are Qt's: with one the program goes on to start.
        {{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--bar")},
         2,
         {},
         "«--bar»"},
    };
    for (const auto& c : cases) {
        const Outcome o = runWithoutDisplay(c.args);
        const std::string what = c.args.join(' ').toStdString();
        ASSERT_TRUE(o.ended) << what;
        EXPECT_EQ(o.status, QProcess::NormalExit) << what;
        EXPECT_EQ(o.code, c.code) << what << "\n" << o.err.toStdString();
        if (!c.outHas.isEmpty()) {
            EXPECT_TRUE(o.out.contains(c.outHas)) << what << "\n" << o.out.toStdString();
        }
        if (!c.errHas.isEmpty()) {
            EXPECT_TRUE(o.out.isEmpty()) << what;
            EXPECT_TRUE(o.err.startsWith(QStringLiteral("sonrel6: "))) << o.err.toStdString();
            EXPECT_TRUE(o.err.contains(c.errHas)) << what << "\n" << o.err.toStdString();
        } else {
            EXPECT_TRUE(o.err.isEmpty()) << what << "\n" << o.err.toStdString();
        }
    }
}

// Experiment files named at the start open in their windows, filled in, once
// the main window is up; one that cannot be read is told, the rest still open.
TEST(CommandLine, ExperimentFilesOpenInTheirWindows) {
    const QString good = QDir::temp().filePath("calc.sonrel"),
                  bad = QDir::temp().filePath("bad.sonrel");
    QFile g(good), b(bad);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly));
    g.write(R"({"format": "sonrel6-experiment", "version": 1, "window": "Form5",
                "values": {"Text9": {"caption": "v0", "value": 7.5}}})");
    b.write("Sonrel6");
    g.close(), b.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               QStringLiteral("detect_leaks=0")); // the shared record
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SONREL_EXIT_DRIVER), {bad, good, QStringLiteral("opened")});
    ASSERT_TRUE(p.waitForFinished(60000));
    g.remove(), b.remove();
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(
        out.contains(QStringLiteral("message: Файл «%1» не является файлом опыта").arg(bad)));
    EXPECT_TRUE(out.contains(QStringLiteral("Form5 1 Text9=7,5\n"))) << out.toStdString();
}
