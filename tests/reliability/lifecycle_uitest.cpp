// Windows come and go as a user opens and closes them: each opening gives a
// fresh single instance, closing unloads it, and "Выход" unloads them all.
#include "support/ui_helpers.h"

#include <QCoreApplication>

using namespace sonrel;
using namespace sonrel::testing;

namespace {
void flushDeletes() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
} // namespace

class Lifecycle : public WindowTest {};

TEST_F(Lifecycle, OpeningAndClosingEveryWindowManyTimes) {
    for (int round = 0; round < 15; ++round) {
        for (int n = 2; n <= 10; ++n) {
            if (!app->windows.available(n)) continue;
            FormBase* a = app->windows.show(n);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(app->windows.show(n), a) << "Form" << n << " opened twice";
            EXPECT_EQ(a->objectName(), QStringLiteral("Form%1").arg(n));
            a->close();
            flushDeletes();
            EXPECT_EQ(app->windows.get(n), nullptr) << "Form" << n << " still loaded";
        }
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Lifecycle, ExitUnloadsEveryOpenWindow) {
    for (int n = 2; n <= 10; ++n)
        if (app->windows.available(n)) app->windows.show(n);
    click(app->windows.get(1), "Command16");
    flushDeletes();
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(app->windows.get(n), nullptr) << "Form" << n;
}
