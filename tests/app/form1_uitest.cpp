#include "app/form1.h"
#include "support/ui_helpers.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace sonrel;
using namespace sonrel::testing;

class MainWindow : public WindowTest {};

TEST_F(MainWindow, OpensWithDesignDefaults) {
    auto* f = app->windows.get(1);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(),
              QStringLiteral("Sonrel6         form1       Распространение фронтов волн с периодом "
                             "Т00 и расчеты по разным формулам"));
    const std::pair<const char*, const char*> fields[] = {
        {"Text1", "86,60254"},
        {"Text2", "50"},
        {"Text5", "50"},
        {"Text6", "0"},
        {"Text3", "6"},
        {"Text4", "10"},
        {"Text7", "0"},
        {"Text8", "0"},
        {"Text12", "20"},
        {"Text18", "5"},
        {"Text9", "1E-3"},
        {"Text10", "20"},
        {"Text19", "5"},
        {"Text21", "1"},
        {"Text29", "656,28"},
        {"Text23", "0"},
        {"Text25", "0"},
        {"Text26", "1"},
        {"Text27", "0,2"},
        {"Text28", "0"},
        // Fields with no default of their own start empty.
        {"Text24", ""},
        {"Text13", ""},
        {"Text14", ""},
        {"Text15", ""},
        {"Text16", ""},
        {"Text17", ""},
        {"Text11", ""}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value)) << name;
    for (const char* on : {"Check1", "Check9", "Check11", "Check13"})
        EXPECT_TRUE(control<QCheckBox>(f, on)->isChecked()) << on;
    for (const char* off : {"Check5", "Check2", "Check3", "Check6", "Check8", "Check7"})
        EXPECT_FALSE(control<QCheckBox>(f, off)->isChecked()) << off;
    for (const char* on : {"Option3", "Option12", "Option6"})
        EXPECT_TRUE(control<QRadioButton>(f, on)->isChecked()) << on;
    EXPECT_EQ(control<QAbstractButton>(f, "Command13")->text(), QStringLiteral("1-Задать T00, с"));
    EXPECT_EQ(control<QAbstractButton>(f, "Command16")->text(), QStringLiteral("Выход"));
}

TEST_F(MainWindow, PictureShowsTheGridAtStartUp) {
    auto* f = static_cast<Form1*>(app->windows.get(1));
    EXPECT_EQ(f->picture().pixelAt(10, 5.5), qRgb(200, 200, 200));
    EXPECT_EQ(f->picture().pixelAt(10.5, 0), qRgb(1, 0, 0));
}

TEST_F(MainWindow, ReportCheckShowsAndUnloadsTheReportWindow) {
    auto* f = app->windows.get(1);
    control<QCheckBox>(f, "Check5")->setChecked(true);
    ASSERT_NE(app->windows.get(4), nullptr);
    EXPECT_TRUE(app->windows.get(4)->isVisible());
    control<QCheckBox>(f, "Check5")->setChecked(false);
    waitFor([&] { return app->windows.get(4) == nullptr; }, 500);
    EXPECT_EQ(app->windows.get(4), nullptr);
}

TEST_F(MainWindow, ExitOrTheCloseBoxUnloadsEveryWindow) {
    app->windows.show(4);
    click(app->windows.get(1), "Command16");
    EXPECT_EQ(app->windows.get(1), nullptr);
    EXPECT_EQ(app->windows.get(4), nullptr);

    // Closing the main window leaves no window behind without a way back to it.
    for (int n : {1, 4, 5, 6, 9, 10})
        app->windows.show(n);
    app->windows.get(1)->close();
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(app->windows.get(n), nullptr) << n;
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(MainWindow, ShowingAWindowTwiceGivesOneInstance) {
    FormBase* a = app->windows.show(4);
    FormBase* b = app->windows.show(4);
    EXPECT_EQ(a, b);
}
