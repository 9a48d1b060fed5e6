// Windows on real screen sizes: each opens within the screen's available
// area, shows every control of its design on a 1920×1080 screen without
// scrolling, and keeps its navigation and run buttons in view on 1366×768.
// The screens are offscreen screens of a child run of this test program.
#include "app/form1.h"
#include "canvas/picture_file_qt.h"
#include "support/ui_helpers.h"
#include "ui/window_fit_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

// The part of `w` that can be seen: its rectangle cut by every parent
// (a scroll area's viewport among them), as a size.
QSize visibleSize(const QWidget* w) {
    QRect r = w->rect();
    const QWidget* p = w;
    while (!p->isWindow() && p->parentWidget()) {
        r = r.translated(p->pos()) & p->parentWidget()->rect();
        p = p->parentWidget();
    }
    return r.size();
}

bool fullyVisible(const QWidget* w) {
    return w->isVisible() && visibleSize(w) == w->size();
}

// The design's named controls of a window (fields, buttons, labels, frames, pictures).
std::vector<QWidget*> namedControls(QWidget* form) {
    std::vector<QWidget*> out;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const QString n = w->objectName();
        static const QRegularExpression design(
            QStringLiteral("^(Text|Command|Check|Option|Label|Frame|Picture|Combo)\\d+$"));
        // Form5's graph canvas is larger than its frame and scrolled within
        // it by the graph's own scroll bars.
        if (n == QStringLiteral("Picture4")) continue;
        if (design.match(n).hasMatch() && w->isVisibleTo(form)) out.push_back(w);
    }
    return out;
}

struct WindowButtons {
    int form;
    std::vector<const char*> keep; // navigation and run buttons
};

const WindowButtons kWindows[] = {
    {1,
     {"Command20", "Command11", "Command10", "Command19", "Command9", "Command8", "Command16",
      "Command13", "Command1", "Command2", "Command3", "Command4"}},
    {3, {"Command13", "Command1", "Command2", "Command3", "Command4", "Command16"}},
    {4, {}},
    {5, {"Command10"}},
    {6, {"Command1", "Command7", "Command2"}},
    {8, {"Command13", "Command1", "Command2", "Command3", "Command4", "Command16"}},
    {9, {"Command13", "Command1", "Command2", "Command3", "Command4", "Command16"}},
    {10, {"Command13", "Command1", "Command16"}},
    {2, {"Command1"}},
    {7, {}},
};

// Runs the child tests `filter` of this program on an offscreen screen of
// the given size (and scale factor); true when they pass.
bool passesOnScreen(const char* filter, int width, int height, const char* scale = nullptr) {
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(QStringLiteral("{\"screens\": [{\"name\": \"S\", \"x\": 0, \"y\": 0, \"width\": %1, "
                           "\"height\": %2, \"logicalDpi\": 96}]}")
                .arg(width)
                .arg(height)
                .toUtf8());
    f.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    env.insert(QStringLiteral("SONREL_TEST_SCREEN"),
               QStringLiteral("%1x%2").arg(width).arg(height));
    if (scale) env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=") + QString::fromLatin1(filter)});
    if (!child.waitForFinished(240000)) return false;
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

QSize screenUnderTest() {
    const QByteArray s = qgetenv("SONREL_TEST_SCREEN");
    const int x = s.indexOf('x');
    if (x < 0) return {};
    return {s.left(x).toInt(), s.mid(x + 1).toInt()};
}

class OnScreen : public WindowTest {
protected:
    void SetUp() override {
        screen_ = screenUnderTest();
        if (!screen_.isValid()) GTEST_SKIP() << "run by WindowFit on a screen of its own";
        WindowTest::SetUp();
    }
    void TearDown() override {
        if (app) WindowTest::TearDown();
    }
    FormBase* show(int n) {
        FormBase* f = app->windows.show(n);
        if (f) {
            f->show();
            QCoreApplication::processEvents();
        }
        return f;
    }
    QSize screen_;
};

} // namespace

TEST(WindowSize, ContentThatFitsGivesAWindowOfItsSize) {
    const QRect screen(0, 0, 1920, 1080);
    const QMargins frame(4, 32, 4, 4);
    EXPECT_EQ(fittedWindowSize({1300, 700}, 30, screen, frame, 15), QSize(1300, 730));
    // Exactly filling the room still needs no scroll bar.
    EXPECT_EQ(fittedWindowSize({1912, 1014}, 30, screen, frame, 15), QSize(1912, 1044));
}

TEST(WindowSize, ContentTooLargeIsCutToTheScreenWithRoomForScrollBars) {
    const QRect screen(0, 0, 1366, 768);
    const QMargins frame(4, 32, 4, 4);
    // Too tall: the height is the screen's, the width gains a vertical bar.
    EXPECT_EQ(fittedWindowSize({1000, 900}, 30, screen, frame, 15), QSize(1015, 732));
    // Too wide: the height gains the horizontal bar.
    EXPECT_EQ(fittedWindowSize({1400, 500}, 30, screen, frame, 15), QSize(1358, 545));
    // The vertical bar pushes a content just narrow enough over the width.
    EXPECT_EQ(fittedWindowSize({1350, 900}, 0, screen, frame, 15), QSize(1358, 732));
    // A horizontal bar that pushes the height over adds a vertical bar.
    EXPECT_EQ(fittedWindowSize({1400, 720}, 0, screen, frame, 15), QSize(1358, 732));
}

TEST(WindowFit, EveryWindowShowsAllItsControlsOnAFullHdScreen) {
    EXPECT_TRUE(passesOnScreen("OnScreen.*", 1920, 1080));
}

TEST(WindowFit, EveryWindowFitsALaptopScreenWithItsButtonsInView) {
    EXPECT_TRUE(passesOnScreen("OnScreen.*", 1366, 768));
}

TEST(WindowFit, PicturesRenderAtTheScreensDensityAtDoubleScaling) {
    EXPECT_TRUE(passesOnScreen("OnScreen.CanvasAtScreenDensity", 1920, 1080, "2"));
}

TEST_F(OnScreen, WindowsFitAndShowTheirControls) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const bool fullHd = screen_.width() >= 1920 && screen_.height() >= 1080;
    for (const WindowButtons& wb : kWindows) {
        if (!app->windows.available(wb.form)) continue;
        FormBase* f = show(wb.form);
        ASSERT_NE(f, nullptr) << "Form" << wb.form;
        SCOPED_TRACE(QStringLiteral("Form%1 on %2x%3")
                         .arg(wb.form)
                         .arg(screen_.width())
                         .arg(screen_.height())
                         .toStdString());
        EXPECT_TRUE(available.contains(f->frameGeometry()))
            << f->frameGeometry().width() << "x" << f->frameGeometry().height();
        if (fullHd && qgetenv("QT_SCALE_FACTOR").isEmpty()) {
            for (QWidget* w : namedControls(f))
                EXPECT_TRUE(fullyVisible(w))
                    << w->objectName().toStdString() << " shows " << visibleSize(w).width() << "x"
                    << visibleSize(w).height() << " of " << w->width() << "x" << w->height();
        }
        for (const char* name : wb.keep) {
            auto* b = f->findChild<QAbstractButton*>(QString::fromLatin1(name));
            ASSERT_NE(b, nullptr) << name;
            EXPECT_TRUE(fullyVisible(b)) << name;
        }
        f->unload();
        QCoreApplication::processEvents();
    }
}

TEST_F(OnScreen, CanvasAtScreenDensity) {
    auto* f = static_cast<Form1*>(show(1));
    const double dpr = f->Picture1->devicePixelRatioF();
    if (!qgetenv("QT_SCALE_FACTOR").isEmpty()) {
        EXPECT_DOUBLE_EQ(dpr, qgetenv("QT_SCALE_FACTOR").toDouble());
    }
    RasterCanvas& pic = f->picture();
    EXPECT_EQ(pic.image().width(), qRound(pic.widthPx() * dpr));
    EXPECT_EQ(pic.image().height(), qRound(pic.heightPx() * dpr));
    EXPECT_EQ(pic.widthPx(), twips(11805)); // the design's size in logical pixels
    // The grid is where it is at any density, and a saved picture has the design's size.
    EXPECT_EQ(pic.pixelAt(10.5, 0), qRgb(1, 0, 0));
    ASSERT_FALSE(savePicture(pic, QStringLiteral("Sonrel"), QStringLiteral("7")).isEmpty());
    QImage saved(QDir::current().filePath(QStringLiteral("Sonrel7.bmp")));
    EXPECT_EQ(saved.size(), QSize(twips(11805), twips(5130)));
}

namespace {
// The button that a run key presses, by the key named in its description.
QAbstractButton* buttonOfKey(QWidget* form, const char* key) {
    for (auto* b : form->findChildren<QAbstractButton*>())
        if (b->property("shortcutText").toString() == QStringLiteral(" (%1)").arg(key)) return b;
    return nullptr;
}
} // namespace

TEST_F(OnScreen, PictureFillsAMaximisedWindowAndF11ShowsItFullScreen) {
    auto* f = static_cast<Form1*>(show(1));
    CanvasWidget* pic = f->Picture1;
    const QSize design(twips(11805), twips(5130));
    EXPECT_EQ(pic->size(), design); // the window at its own size: the design
    f->showMaximized();
    QCoreApplication::processEvents();
    const QSize grown = pic->size();
    const double zoom = double(grown.width()) / design.width();
    if (screen_.width() >= 1920 && screen_.height() >= 1080) {
        EXPECT_GE(zoom, 1.6);
    }
    EXPECT_NEAR(grown.height(), design.height() * zoom, 1.0); // its shape kept
    EXPECT_TRUE(fullyVisible(pic));
    EXPECT_EQ(f->picture().widthPx(), design.width());
    // The grid's scale is x -1..40 over 787 pixels: a circle of radius 5
    // about (20, 5) has its right edge 5·787/41 = 96 logical pixels from the
    // centre at x (21/41)·787 = 403.1, y 171 (9/18 of 342).
    RasterCanvas& c = f->picture();
    c.circle(20, 5, 5, 255);
    const QImage& img = c.image();
    const double k = img.width() / double(design.width()); // device pixels per logical one
    int right = 0;
    for (int x = int(403.1 * k) + 2; x < img.width() && !right; ++x)
        if (img.pixel(x, int(171.5 * k)) == qRgb(255, 0, 0)) right = x;
    EXPECT_NEAR(right - 403.1 * k, 96.0 * k, 2.0);

    f->activateWindow();
    QTest::keyClick(f, Qt::Key_F11);
    QCoreApplication::processEvents();
    auto* view = f->findChild<QWidget*>(QStringLiteral("pictureFullScreen"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible() && view->isFullScreen());
    EXPECT_EQ(pic->window(), view);
    EXPECT_EQ(f->findChild<QLabel*>(QStringLiteral("StatusLine"))->window(), view);
    EXPECT_GE(pic->width(), grown.width());
    // The run keys act on the window's buttons; Esc comes back.
    QAbstractButton* steps = buttonOfKey(f, "F7");
    ASSERT_NE(steps, nullptr);
    QSignalSpy pressed(steps, &QAbstractButton::clicked);
    QTest::keyClick(view, Qt::Key_F7);
    EXPECT_EQ(pressed.count(), 1);
    QTest::keyClick(view, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(pic->window(), f);
    EXPECT_EQ(f->findChild<QLabel*>(QStringLiteral("StatusLine"))->window(), f);
    EXPECT_EQ(pic->size(), grown);
    EXPECT_EQ(f->picture().widthPx(), design.width());
    EXPECT_TRUE(fullyVisible(pic));
}
