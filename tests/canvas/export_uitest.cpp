#include "app/form1.h"
#include "calculators/form10.h"
#include "calculators/form6.h"
#include "canvas/form4.h"
#include "canvas/period_table_export_qt.h"
#include "support/file_dialogs.h"
#include "support/ui_helpers.h"
#include "ui/message_box_qt.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QThreadPool>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

class PictureExport : public WindowTest {
protected:
    Form1* form1() { return static_cast<Form1*>(app->windows.get(1)); }
    QString statusOf(QWidget* w) { return control<QLabel>(w, "StatusLine")->text(); }
    QString here(const QString& name) { return QDir::currentPath() + QStringLiteral("/") + name; }
    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeBytes(const QString& path, const QByteArray& b) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    // Draws a red and a blue bar on the main picture, rendered at twice the
    // logical pixels, with one user unit per logical pixel.
    void drawBars() {
        RasterCanvas& c = form1()->picture();
        c.setDevicePixelRatio(2);
        c.scale(0, 0, 787, 342);
        c.clear();
        c.setDrawWidth(7);
        c.line(100, 100, 300, 100, rgb(250, 0, 0));
        c.line(100, 250, 300, 250, rgb(0, 0, 250));
        c.setDrawWidth(1);
    }
};

} // namespace

// The main picture is 11805 × 5130 twips: 787 × 342 logical pixels,
// whatever the screen's density.
TEST_F(PictureExport, SaveAsWritesPngOrBmpAtThePicturesLogicalSize) {
    drawBars();
    QAction* saveAs = form1()->Picture1->findChild<QAction*>("actionSaveAs");
    ASSERT_NE(saveAs, nullptr);
    EXPECT_EQ(saveAs->text(), QStringLiteral("Сохранить как…"));
    EXPECT_EQ(form1()->Picture1->actions().value(0), saveAs); // first entry of the menu

    const struct {
        QString typed, written;
        QByteArray format;
    } cases[] = {{QStringLiteral("pic.png"), QStringLiteral("pic.png"), "png"},
                 {QStringLiteral("pic.bmp"), QStringLiteral("pic.bmp"), "bmp"},
                 {QStringLiteral("plain"), QStringLiteral("plain.png"), "png"}};
    for (const auto& c : cases) {
        FileDialogAnswerer dialog(c.typed);
        saveAs->trigger();
        ASSERT_EQ(dialog.answered, 1) << c.typed.toStdString();
        EXPECT_TRUE(dialog.nonNative);
        EXPECT_EQ(dialog.folder, QDir::currentPath());
        EXPECT_EQ(dialog.filters,
                  QStringList({QStringLiteral("PNG (*.png)"), QStringLiteral("BMP (*.bmp)")}));
        QImageReader reader(c.written);
        EXPECT_EQ(reader.format(), c.format) << c.typed.toStdString();
        const QImage img = reader.read();
        ASSERT_EQ(img.size(), QSize(787, 342)) << c.typed.toStdString();
        EXPECT_EQ(img.pixel(200, 100) & 0xFFFFFF, qRgb(250, 0, 0) & 0xFFFFFF);
        EXPECT_EQ(img.pixel(200, 250) & 0xFFFFFF, qRgb(0, 0, 250) & 0xFFFFFF);
        EXPECT_EQ(img.pixel(600, 175) & 0xFFFFFF, qRgb(255, 255, 255) & 0xFFFFFF);
        EXPECT_EQ(statusOf(form1()), QStringLiteral("Рисунок сохранен: ") + here(c.written));
    }
    EXPECT_EQ(bytesOf(QStringLiteral("pic.bmp")).left(2), QByteArray("BM"));
    EXPECT_TRUE(boxes.shown.empty());

    // Cancelling the dialog writes nothing.
    FileDialogAnswerer cancel{QString()};
    saveAs->trigger();
    EXPECT_EQ(cancel.answered, 1);
    EXPECT_EQ(QDir::current().entryList(QDir::Files).size(), 3);
}

// Every save button names the file it wrote in its window's status line.
TEST_F(PictureExport, SaveButtonsNameTheFileInTheStatusLine) {
    const struct {
        int window;
        const char *button, *field;
        QString file;
    } saves[] = {{1, "Command6", "Text21", QStringLiteral("Sonrel4.bmp")},
                 {3, "Command6", "Text21", QStringLiteral("Sonrel4.bmp")},
                 {5, "Command2", "Text6", QStringLiteral("Sonrel4.bmp")},
                 {6, "Command5", "Text60", QStringLiteral("Sonrel_4.bmp")},
                 {8, "Command6", "Text21", QStringLiteral("Sonrel4.bmp")},
                 {9, "Command6", "Text21", QStringLiteral("Sonrel4.bmp")},
                 {10, "Command6", "Text21", QStringLiteral("Sonrel4.bmp")}};
    for (const auto& s : saves) {
        QFile::remove(s.file);
        FormBase* f = app->windows.show(s.window);
        typeInto(f, s.field, QStringLiteral("4"));
        click(f, s.button);
        EXPECT_TRUE(QImageReader(s.file).canRead()) << "Form" << s.window;
        EXPECT_EQ(statusOf(f), QStringLiteral("Рисунок сохранен: ") + here(s.file))
            << "Form" << s.window;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

// A write that cannot be done (the target is a folder, or its parent is a
// file, which stops root too) shows the message and leaves the old file.
TEST_F(PictureExport, AFailedWriteTellsTheUserAndKeepsTheOldFile) {
    const QByteArray old("old contents\n");
    writeBytes(QStringLiteral("old.txt"), old);
    QDir().mkdir(QStringLiteral("folder.png"));
    const QString underFile = here(QStringLiteral("old.txt/new.png"));

    Form4* report = static_cast<Form4*>(app->windows.show(4));
    report->reportPrint(599.9, "строка\r\n");
    const auto fails = [&](const QString& expected, const std::function<bool()>& write) {
        boxes.shown.clear();
        EXPECT_FALSE(write());
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, expected);
        EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
        EXPECT_EQ(bytesOf(QStringLiteral("old.txt")), old);
    };
    for (const QString& target : {here(QStringLiteral("folder.png")), underFile}) {
        fails(QStringLiteral("Ошибка сохранения изображения"),
              [&] { return !form1()->Picture1->savePictureTo(target).isEmpty(); });
        fails(QStringLiteral("Ошибка записи в файл"), [&] { return report->saveReportTo(target); });
    }
    form1()->tableExport->setTable("period\n1\n");
    fails(QStringLiteral("Ошибка записи в файл"),
          [&] { return form1()->tableExport->saveTo(underFile); });
    EXPECT_TRUE(QFileInfo(QStringLiteral("folder.png")).isDir());

    // A read-only folder stops everyone but root.
    if (geteuid() != 0) {
        QDir().mkdir(QStringLiteral("ro"));
        writeBytes(QStringLiteral("ro/kept.txt"), old);
        QFile::setPermissions(QStringLiteral("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        fails(QStringLiteral("Ошибка записи в файл"),
              [&] { return report->saveReportTo(here(QStringLiteral("ro/kept.txt"))); });
        EXPECT_EQ(bytesOf(QStringLiteral("ro/kept.txt")), old);
        QFile::setPermissions(QStringLiteral("ro"), QFileDevice::ReadOwner |
                                                        QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner);
    }
}

// A write that fails after the file is open (a full disk: here a file-size
// limit of 100 bytes in a child process, SIGXFSZ ignored, which binds root
// too) says so on every save path, whatever the file's size, clears the
// notice of an earlier save and leaves the existing file byte for byte.
TEST_F(PictureExport, AWriteCutShortByAFullDiskFailsOnEverySavePath) {
    const QByteArray old("old contents\n");
    const QStringList targets = {"t.csv",   "r.txt",        "r.csv",        "r.png",       "f6.png",
                                 "f10.png", "Sonrel_4.bmp", "Sonrel_4.txt", "Sonrel_5.txt"};
    for (const QString& t : targets)
        writeBytes(t, old);
    form1()->tableExport->setTable(std::string(3000, '1'));
    Form4* report = static_cast<Form4*>(app->windows.show(4));
    for (int j = 0; j < 30; ++j)
        report->reportPrint(591 - 11 * j, "блок периода, строка текста отчета\r\n");
    report->setReportTable(std::string(3000, '2'));
    auto* f6 = static_cast<Form6*>(app->windows.show(6));
    auto* f10 = static_cast<Form10*>(app->windows.show(10));
    FormBase* f9 = app->windows.show(9);
    FormBase* f3 = app->windows.show(3);
    typeInto(f6, "Text60", QStringLiteral("4"));
    typeInto(f9, "Text21", QStringLiteral("4"));
    typeInto(f3, "Text21", QStringLiteral("5"));
    control<QCheckBox>(f9, "Check3")->setChecked(true);
    control<QCheckBox>(f3, "Check3")->setChecked(true);
    // Notices of earlier saves that a failed save must take away.
    for (CanvasWidget* picture : {f6->Picture1, f10->Picture1})
        ASSERT_FALSE(picture->savePictureTo(here(QStringLiteral("ok.png"))).isEmpty());
    report->saveReportTo(here(QStringLiteral("ok.txt")));
    const QStringList before = QDir::current().entryList(QDir::Files);

    const struct {
        QWidget* window;
        QString message;
        std::function<void()> save;
    } saves[] = {
        {form1(), kFileWriteError, [&] { form1()->tableExport->saveTo(here("t.csv")); }},
        {report, kFileWriteError, [&] { report->saveReportTo(here("r.txt")); }},
        {report, kFileWriteError, [&] { report->saveTableTo(here("r.csv")); }},
        {report, kSaveImageError, [&] { report->savePictureTo(here("r.png")); }},
        {f6, kSaveImageError, [&] { f6->Picture1->savePictureTo(here("f6.png")); }},
        {f10, kSaveImageError, [&] { f10->Picture1->savePictureTo(here("f10.png")); }},
        {f6, kSaveImageError, [&] { click(f6, "Command5"); }},
        {f9, kFileWriteError, [&] { click(f9, "Command6"); }},
        {f3, kFileWriteError, [&] { click(f3, "Command6"); }},
    };
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    // Large pictures are converted by the global thread pool: let its threads
    // end now, since a child process has none of them and would wait for them.
    QThreadPool::globalInstance()->waitForDone();
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(30);
        close(pipeEnds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{};
        getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &r);
        // Per save: the message shown and what the status line says after it.
        QByteArray out;
        for (const auto& sv : saves) {
            boxes.shown.clear();
            sv.save();
            out += (boxes.shown.size() == 1 ? boxes.shown[0].text : QStringLiteral("?")).toUtf8() +
                   "|" + statusOf(sv.window).toUtf8() + "\n";
        }
        [[maybe_unused]] const auto n = write(pipeEnds[1], out.constData(), out.size());
        _exit(0);
    }
    close(pipeEnds[1]);
    QByteArray got;
    char buf[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buf, sizeof buf)) > 0;)
        got.append(buf, n);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const QList<QByteArray> lines = got.split('\n');
    ASSERT_GE(lines.size(), static_cast<qsizetype>(std::size(saves)));
    for (std::size_t k = 0; k < std::size(saves); ++k)
        EXPECT_EQ(QString::fromUtf8(lines[static_cast<qsizetype>(k)]), saves[k].message + "|")
            << "save " << k;
    for (const QString& t : targets)
        EXPECT_EQ(bytesOf(t), old) << t.toStdString();
    EXPECT_EQ(QDir::current().entryList(QDir::Files), before); // no temporary file left
}

// The report and table saves name the file they wrote in the status line.
TEST_F(PictureExport, ReportAndTableSavesNameTheFile) {
    Form4* report = static_cast<Form4*>(app->windows.show(4));
    report->reportPrint(599.9, "строка\r\n");
    report->setReportTable("period\n1\n");
    ASSERT_TRUE(report->saveReportTo(QStringLiteral("отчет.txt")));
    EXPECT_EQ(statusOf(report), QStringLiteral("Отчет сохранен: ") + here("отчет.txt"));
    ASSERT_TRUE(report->saveTableTo(QStringLiteral("t.csv")));
    EXPECT_EQ(statusOf(report), QStringLiteral("Таблица сохранена: ") + here("t.csv"));
    const struct {
        int window;
        QString file;
    } tables[] = {{9, QStringLiteral("Sonrel_4.txt")}, {3, QStringLiteral("Sonrel_5.txt")}};
    for (const auto& t : tables) {
        FormBase* f = app->windows.show(t.window);
        typeInto(f, "Text21", t.file.mid(7, 1));
        control<QCheckBox>(f, "Check3")->setChecked(true);
        click(f, "Command6");
        EXPECT_TRUE(QFileInfo(t.file).isFile()) << t.window;
        EXPECT_EQ(statusOf(f), QStringLiteral("Таблица сохранена: ") + here(t.file)) << t.window;
    }
    EXPECT_TRUE(boxes.shown.empty());
}
