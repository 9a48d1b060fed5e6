#include "canvas/form4.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QClipboard>

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
