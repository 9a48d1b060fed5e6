#include "calculators/field_texts.h"
#include "calculators/form5.h"
#include "canvas/recording_canvas.h"
#include "support/ui_helpers.h"

#include <QApplication>
#include <QRadioButton>
#include <cmath>

using namespace sonrel;
using namespace sonrel::testing;

class AuxWindow : public WindowTest {
protected:
    Form5* openFromMain() {
        click(app->windows.get(1), "Command9");
        return static_cast<Form5*>(app->windows.get(5));
    }
};

TEST_F(AuxWindow, OpensFromTheMainWindowWithItsDefaults) {
    Form5* f = openFromMain();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(),
              QStringLiteral("Sonrel6  Эксперименты с мессбауэровскими центрифугами и встречными "
                             "лазерами"));
    const std::pair<const char*, const char*> fields[] = {
        {"Text9", "546,467"},   {"Text10", "0,338"},  {"Text11", ""},
        {"Text12", ""},         {"Text14", "150"},    {"Text15", "3,344556E-27"},
        {"Text16", "0,012645"}, {"Text17", "656,28"}, {"Text18", "10"},
        {"Text19", "0"},        {"Text20", ""},       {"Text1", "3E2"},
        {"Text3", "1,5E1"},     {"Text2", "1E-12"},   {"Text4", "1E-13"},
        {"Text5", "0,5"},       {"Text7", "150"},     {"Text8", "1E-13"},
        {"Text6", "20"}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(textOf(f, name), QString::fromUtf8(value)) << name;
    for (const char* on : {"Option6", "Option8", "Option1", "Option3"})
        EXPECT_TRUE(control<QRadioButton>(f, on)->isChecked()) << on;
    // The graph picture is 21 × 21 cm for the default geometry.
    EXPECT_EQ(f->Picture4->width(), std::lround(21 * 567.0 / 15));
}

TEST_F(AuxWindow, MeasuredLasersOnlyForTheExactListedSpeed) {
    Form5* f = openFromMain();
    typeInto(f, "Text11", "600");
    typeInto(f, "Text12", "500");
    f->Check2->setChecked(true);
    typeInto(f, "Text10", "0,3380");
    click(f, "Command5");
    ASSERT_TRUE(f->beamSearch().lastSpeed().has_value());
    // (1 - b)·777,21 = (1 + b)·384,226
    EXPECT_NEAR(*f->beamSearch().lastSpeed(), (777.21 - 384.226) / (777.21 + 384.226), 1e-4);
    typeInto(f, "Text10", "0,3381");
    click(f, "Command5");
    EXPECT_NEAR(*f->beamSearch().lastSpeed(), 100.0 / 1100, 1e-4);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AuxWindow, LaserFrequenciesThenTheSearchFindsTheBeamSpeed) {
    Form5* f = openFromMain();
    click(f, "Command4");
    const double vp = numberOf(f->Text11), va = numberOf(f->Text12);
    EXPECT_NEAR(vp * va, 546.467 * 546.467, 1e-9);
    click(f, "Command5");
    EXPECT_NEAR(*f->beamSearch().lastSpeed(), 0.338, 1e-4);
    // The crossing is marked by a vertical line in colour value 1.
    const double x = 20 * *f->beamSearch().lastSpeed();
    EXPECT_EQ(f->graph().pixelAt(x, 1), qRgb(1, 0, 0));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AuxWindow, IonsAndSpeedFromAShift) {
    Form5* f = openFromMain();
    click(f, "Command6");
    EXPECT_NEAR(numberOf(f->Text14), 150, 0.05);
    typeInto(f, "Text17", "100");
    typeInto(f, "Text18", "0");
    f->Option7->setChecked(true);
    click(f, "Command9");
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("0"));
    typeInto(f, "Text18", "1");
    f->Option9->setChecked(true);
    click(f, "Command9");
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("-0,01"));
    typeInto(f, "Text19", "90");
    click(f, "Command9");
    typeInto(f, "Text16", "x");
    click(f, "Command7");
    typeInto(f, "Text10", "1");
    click(f, "Command4");
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Ошибка решения"));
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(boxes.shown[2].text, QStringLiteral("Ошибка решения"));
    EXPECT_EQ(textOf(f, "Text20"), QStringLiteral("-0,01"));
}

TEST_F(AuxWindow, CurvePointsScrollingAndSaving) {
    Form5* f = openFromMain();
    click(f, "Command1");
    // "СТО=" with K = 0,5 at 150 m/s: 0,5·(150/c)² in units of 1E-13.
    const double y = 0.5 * std::pow(150 / 299790000.0, 2) / 1e-13;
    EXPECT_EQ(f->graph().pixelAt(10, y), qRgb(255, 0, 0));
    click(f, "Command3");
    // The circle's right edge, give or take a pixel of rounding.
    const QPointF edge = f->graph().toPixels(10.08, 1);
    bool marked = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            marked |=
                f->graph().image().pixel(int(edge.x()) + dx, int(edge.y()) + dy) == qRgb(1, 0, 0);
    EXPECT_TRUE(marked);
    typeInto(f, "Text5", "k");
    click(f, "Command1");
    typeInto(f, "Text3", "0");
    click(f, "Command16");
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Введите правильно данные"));
    EXPECT_EQ(boxes.shown[1].text, QStringLiteral("Ошибка расчета"));

    // Scrolled to the end, the picture's far corner meets the frame's.
    f->HScroll1->setValue(100);
    f->VScroll1->setValue(100);
    EXPECT_EQ(f->Picture4->x() + f->Picture4->width(), f->Picture2->width());
    EXPECT_EQ(f->Picture4->y() + f->Picture4->height(), f->Picture2->height() - 4);
    f->HScroll1->setValue(0);
    EXPECT_EQ(f->Picture4->x(), 0);

    typeInto(f, "Text6", "a/b");
    click(f, "Command2");
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[2].text, QStringLiteral("Ошибка сохранения изображения"));
    click(f, "Command10");
    EXPECT_EQ(app->windows.get(5), nullptr);
}

// The default calculations fill the same fields whatever the interface
// language; in English nothing Russian is left in the window, its messages or
// the texts of the beam-search picture.
TEST_F(EnglishWindowTest, AuxCalculationsAreTheSameInEnglish) {
    const auto calculate = [this] {
        auto* f = static_cast<Form5*>(open(5));
        for (const char* button :
             {"Command4", "Command5", "Command6", "Command9", "Command1", "Command3"})
            click(f, button);
        return f;
    };
    const auto searchTexts = [] {
        RecordingCanvas picture;
        BeamSpeedSearch().run(picture, 546.467e12, 777.21e12, 384.226e12, 299790000.0);
        return QString::fromStdString(picture.printedText());
    };
    applyLanguage(Language::Russian);
    Form5* f = calculate();
    // (4-1): the lasers along and against the beam multiply to v0².
    EXPECT_NEAR(numberOf(f->Text11) * numberOf(f->Text12), 546.467 * 546.467, 1e-6);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(hasCyrillic(searchTexts()));
    const QMap<QString, QString> russian = fieldTexts(f);
    app->windows.unload(5);
    QApplication::processEvents();

    applyLanguage(Language::English);
    f = calculate();
    EXPECT_EQ(fieldTexts(f), russian);
    // A zero speed scale: the graph's own failure message.
    typeInto(f, "Text3", "0");
    click(f, "Command16");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Calculation error"));
    const QStringList left = russianLeft(f, boxes.shown);
    EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char('\n')).toStdString();
    const QString texts = searchTexts();
    EXPECT_FALSE(hasCyrillic(texts)) << texts.toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("scheme")));
}
