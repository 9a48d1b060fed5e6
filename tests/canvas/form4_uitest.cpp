#include "canvas/form4.h"
#include "support/file_dialogs.h"
#include "support/ui_helpers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QLabel>

using namespace sonrel;
using namespace sonrel::testing;

class ReportWindow : public WindowTest {};

TEST_F(ReportWindow, KeepsPrintedTextAndCopiesItInOrder) {
    Form4* r = reportWindow(*app);
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(r->isVisible()); // created hidden by a writer
    r->reportClear();
    r->reportPrint(599.9, "Заголовок\r\n");
    r->reportPrint(591, "блок 1\r\nстрока 2\r\n");
    EXPECT_EQ(r->plainText(), QStringLiteral("Заголовок\nблок 1\nстрока 2\n"));
    r->copyReport();
    EXPECT_EQ(QApplication::clipboard()->text(), r->plainText());
    // Text landed on the canvas near the top of the report scale.
    bool inked = false;
    const QImage& img = r->canvas().image();
    for (int y = 0; y < 40 && !inked; ++y)
        for (int x = 0; x < 100 && !inked; ++x)
            inked = img.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(inked);
    r->reportClear();
    EXPECT_TRUE(r->plainText().isEmpty());
}

TEST_F(ReportWindow, ScrollBarReachesTheBottomOfTheCanvas) {
    Form4* r = static_cast<Form4*>(app->windows.show(4));
    r->vsbScroll->setValue(2000);
    EXPECT_EQ(r->picMain->y(), -(r->picMain->height() - r->picBox->height()));
    EXPECT_EQ(r->vsbScroll->singleStep(), 2);
    EXPECT_EQ(r->vsbScroll->pageStep(), 20);
}

// Closing the report window by its close box unticks every check box that
// shows it, so no later report goes into a window nobody can see.
TEST_F(ReportWindow, ClosingItUnticksTheReportBoxOfEveryExperimentWindow) {
    const int windowsWithReport[] = {1, 3, 8, 9};
    auto reportBox = [this](int n) { return control<QCheckBox>(app->windows.show(n), "Check5"); };
    for (int n : windowsWithReport)
        reportBox(n)->setChecked(true);
    Form4* r = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    r->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(app->windows.get(4), nullptr);
    for (int n : windowsWithReport)
        EXPECT_FALSE(reportBox(n)->isChecked()) << "Form" << n;

    // A main run now prints no report anywhere.
    FormBase* f1 = app->windows.get(1);
    typeInto(f1, "Text9", QStringLiteral("0,01"));
    click(f1, "Command13");
    click(f1, "Command1");
    EXPECT_EQ(app->windows.get(4), nullptr);

    // Ticking again shows an empty report window; unticking in one window
    // closes it for the others too.
    reportBox(1)->setChecked(true);
    reportBox(9)->setChecked(true);
    r = static_cast<Form4*>(app->windows.get(4));
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->isVisible());
    EXPECT_TRUE(r->plainText().isEmpty());
    reportBox(9)->setChecked(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(app->windows.get(4), nullptr);
    EXPECT_FALSE(reportBox(1)->isChecked());
}

// "Сохранить как…" saves the report's picture only as tall as its text: the
// lowest line printed and a few blank rows, not the whole tall canvas.
TEST_F(ReportWindow, SavedPictureIsOnlyAsTallAsItsText) {
    Form4* r = static_cast<Form4*>(app->windows.show(4));
    r->reportPrint(599.9, "Заголовок\r\n");
    r->reportPrint(591 - 11 * 4, "блок 5\r\nстрока 2\r\nстрока 3\r\n");
    // The lowest row holding ink, found on the whole canvas.
    const QImage whole = r->canvas().logicalImage();
    int lowest = -1;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width() && lowest < y; ++x)
            if ((whole.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) lowest = y;
    ASSERT_GT(lowest, 0);
    QAction* saveAs = r->findChild<QAction*>("actionSaveAs");
    ASSERT_NE(saveAs, nullptr);
    FileDialogAnswerer dialog(QStringLiteral("report.png"));
    saveAs->trigger();
    ASSERT_EQ(dialog.answered, 1);
    const QImage saved = QImageReader(QStringLiteral("report.png")).read();
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.width(), whole.width());
    EXPECT_GT(saved.height(), lowest);
    EXPECT_LE(saved.height(), lowest + 1 + 20); // the text and a margin
    for (int y = 0; y < saved.height(); y += 7)
        for (int x = 0; x < saved.width(); x += 5)
            ASSERT_EQ(saved.pixel(x, y) & 0xFFFFFF, whole.pixel(x, y) & 0xFFFFFF) << x << "," << y;
    EXPECT_EQ(control<QLabel>(r, "StatusLine")->text(),
              QStringLiteral("Рисунок сохранен: ") +
                  QDir::current().absoluteFilePath("report.png"));
    EXPECT_TRUE(boxes.shown.empty());
}
