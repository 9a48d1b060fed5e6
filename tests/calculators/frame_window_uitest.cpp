#include "calculators/field_texts.h"
#include "calculators/form6.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

const QString kEnterData = QStringLiteral("Введите правильно данные");

class FrameWindow : public WindowTest {
protected:
    Form6* form() { return static_cast<Form6*>(open(6)); }

    // No field of the window may show a non-number after a failure.
    static void expectNoNonNumbers(QWidget* f) {
        for (QLineEdit* e : f->findChildren<QLineEdit*>()) {
            EXPECT_FALSE(e->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive))
                << e->objectName().toStdString();
            EXPECT_FALSE(e->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive))
                << e->objectName().toStdString();
        }
    }
};

} // namespace

TEST_F(FrameWindow, OpensWithItsDesignAndTheShortPi) {
    EXPECT_EQ(app->state.pi, 3.14159265358979);
    click(app->windows.get(1), "Command11"); // "АСО -> ИСО" on the main window
    auto* f = static_cast<Form6*>(app->windows.get(6));
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Sonrel6    form6      ASO -> ISO"));
    EXPECT_EQ(app->state.pi, 3.141592654);
    EXPECT_DOUBLE_EQ(app->state.degPerRad, 180 / 3.141592654);
    const std::pair<const char*, const char*> fields[] = {
        {"Text22", "6"},  {"Text24", "6"},  {"Text23", "1"}, {"Text25", "1"}, {"Text14", "16"},
        {"Text18", "0"},  {"Text15", "12"}, {"Text19", "0"}, {"Text3", "0"},  {"Text65", "0"},
        {"Text47", "0"},  {"Text8", "20"},  {"Text70", "1"}, {"Text6", "1"},  {"Text35", "4"},
        {"Text30", "30"}, {"Text60", "1"},  {"Text31", ""},  {"Text33", ""},  {"Text69", ""},
        {"Text48", ""}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value)) << name;
    EXPECT_EQ(control<QAbstractButton>(f, "Command1")->text(),
              QStringLiteral("Выполнить расчет для VXiso="));
    EXPECT_EQ(control<QAbstractButton>(f, "Option2")->text(),
              QStringLiteral("нет (классическая формула 2)"));
    EXPECT_TRUE(control<QRadioButton>(f, "Option2")->isChecked());
    // The picture shows its grid and axes.
    EXPECT_EQ(f->picture().pixelAt(0.5, 0), qRgb(1, 0, 0));
    EXPECT_EQ(f->picture().pixelAt(3, 2.5), qRgb(200, 200, 200));
}

TEST_F(FrameWindow, CalculationsFillTheFieldsTruncated) {
    Form6* f = form();
    typeInto(f, "Text3", QStringLiteral("12"));
    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text16"), QStringLiteral("4"));
    EXPECT_EQ(textOf(f, "Text17"), QStringLiteral("0"));
    EXPECT_EQ(textOf(f, "Text1"), QStringLiteral("16"));
    EXPECT_EQ(textOf(f, "Text57"), QStringLiteral("20"));
    EXPECT_EQ(textOf(f, "Text69"), QStringLiteral("0,858578")); // 1 − cos 45°·0,2, truncated
    EXPECT_EQ(textOf(f, "Text40"), QStringLiteral("0"));        // no Lorentz step

    // The quick formula with the line-of-sight angle typed back to 30 degrees.
    typeInto(f, "Text30", QStringLiteral("30"));
    click(f, "Command7");
    EXPECT_EQ(textOf(f, "Text69"), QStringLiteral("0,639445"));
    EXPECT_EQ(textOf(f, "Text68"), QStringLiteral("0,639445"));

    // Lorentz: the time fields and the factors on the picture.
    control<QRadioButton>(f, "Option10")->setChecked(true);
    typeInto(f, "Text3", QStringLiteral("10"));
    click(f, "Command1");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(textOf(f, "Text42"), QStringLiteral("-0,144337")); // −10·(6 − 1)/400/√0,75
    EXPECT_NE(textOf(f, "Text69"), QStringLiteral("0,639445"));
}

TEST_F(FrameWindow, BadInputAndFloatingPointFaultsShowTheMessage) {
    Form6* f = form();
    typeInto(f, "Text14", QStringLiteral("abc"));
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kEnterData);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Sonrel6"));
    click(f, "Command7");
    EXPECT_EQ(boxes.shown.size(), 2u);

    // ИСО as fast as the signal: the Lorentz factor divides by zero.
    typeInto(f, "Text14", QStringLiteral("16"));
    control<QRadioButton>(f, "Option9")->setChecked(true);
    typeInto(f, "Text3", QStringLiteral("20"));
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[2].text, kEnterData);
    expectNoNonNumbers(f);

    // The quick (4-5) with the receiver faster than the signal.
    control<QRadioButton>(f, "Option10")->setChecked(true);
    typeInto(f, "Text14", QStringLiteral("25"));
    const QString before = textOf(f, "Text69");
    click(f, "Command7");
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[3].text, kEnterData);
    EXPECT_EQ(textOf(f, "Text69"), before);

    // A zero drawing scale fails after the fields are written.
    typeInto(f, "Text14", QStringLiteral("16"));
    typeInto(f, "Text3", QStringLiteral("0"));
    typeInto(f, "Text6", QStringLiteral("0"));
    click(f, "Command1");
    EXPECT_EQ(boxes.shown.size(), 5u);
    EXPECT_EQ(textOf(f, "Text16"), QStringLiteral("16"));
    expectNoNonNumbers(f);
}

TEST_F(FrameWindow, SavesWithItsOwnPrefix) {
    Form6* f = form();
    typeInto(f, "Text60", QStringLiteral("7"));
    click(f, "Command5");
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(QFile::exists(QStringLiteral("Sonrel_7.bmp")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Sonrel7.bmp")));
    typeInto(f, "Text60", QStringLiteral("a/b"));
    click(f, "Command5");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка сохранения изображения"));
}

TEST_F(FrameWindow, ShowsTheSchemeAndCloses) {
    Form6* f = form();
    click(f, "Command4");
    FormBase* scheme = app->windows.get(7);
    ASSERT_NE(scheme, nullptr);
    EXPECT_TRUE(scheme->isVisible());
    EXPECT_EQ(scheme->windowTitle(), QStringLiteral("ASO_ISO  Схема   Sonrel6   Form7"));
    auto* picture = control<CanvasWidget>(scheme, "Picture1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->canvas().widthPx(), 581);
    EXPECT_EQ(picture->canvas().heightPx(), 376);
    const QImage& img = picture->canvas().image();
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 255, 255));
    click(f, "Command2");
    waitFor([&] { return app->windows.get(6) == nullptr; }, 500);
    EXPECT_EQ(app->windows.get(6), nullptr);
}

// The default calculation and the quick formula fill the same fields whatever
// the interface language; in English nothing Russian is left.
TEST_F(EnglishWindowTest, FrameCalculationIsTheSameInEnglish) {
    const auto calculate = [this] {
        auto* f = static_cast<Form6*>(open(6));
        click(f, "Command1");
        click(f, "Command7");
        return f;
    };
    applyLanguage(Language::Russian);
    Form6* f = calculate();
    // Classical Doppler effect along the 45° line of sight, signal speed 20:
    // the receiver recedes at 16, the source follows at 12.
    const double c45 = std::sqrt(0.5);
    EXPECT_NEAR(numberOf(f->Text69), (1 - 16 * c45 / 20) / (1 - 12 * c45 / 20), 1e-6);
    const QMap<QString, QString> russian = fieldTexts(f);
    app->windows.unload(6);
    QApplication::processEvents();

    applyLanguage(Language::English);
    f = calculate();
    EXPECT_EQ(fieldTexts(f), russian);
    typeInto(f, "Text14", QStringLiteral("abc"));
    click(f, "Command1");
    ASSERT_EQ(boxes.shown.size(), 1u);
    const QStringList left = russianLeft(f, boxes.shown);
    EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char('\n')).toStdString();
}
