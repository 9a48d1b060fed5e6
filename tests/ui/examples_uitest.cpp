// The ready-made examples: each one opens into its window from the menu
// "Примеры" with its title and paragraph and starts nothing, then runs to its
// end at "макс." without an error; in "все фронты" every front arrives when
// the exact meeting of that front with the receiver says.
#include "canvas/form4.h"
#include "support/english.h"
#include "support/exact_arrival.h"
#include "support/plain_number.h"
#include "support/ui_helpers.h"
#include "ui/experiment_file_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

struct WindowExamples {
    int window;
    qsizetype count;                // the files under examples/Form<n>/
    std::vector<const char*> start; // the buttons a user presses, in order
    QString notice = {};            // a note the window gives at every such run's start
    bool straightRays = true;       // a uniform medium: fronts meet the receiver as exact spheres
};

void PrintTo(const WindowExamples& w, std::ostream* os) {
    *os << "Form" << w.window;
}

class Examples : public WindowTest, public ::testing::WithParamInterface<WindowExamples> {};

// Whether the control named `name` shows the file's value.
bool shows(QWidget* form, const QString& name, const QJsonValue& value) {
    QWidget* w = form->findChild<QWidget*>(name);
    if (auto* field = qobject_cast<QLineEdit*>(w)) return field->text() == value.toString();
    if (auto* box = qobject_cast<QAbstractButton*>(w)) return box->isChecked() == value.toBool();
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText() == value.toString();
    return false;
}

double number(QWidget* form, const char* name) {
    return plainNumber(textOf(form, name).toStdString());
}

} // namespace

TEST_P(Examples, OpenShowTheirStoryAndRunToTheEnd) {
    const WindowExamples& w = GetParam();
    const QStringList paths = examplesOf(w.window);
    ASSERT_EQ(paths.size(), w.count);
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        FormBase* f = open(w.window);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonObject doc = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject values = doc[QStringLiteral("values")].toObject();
        const QString title = doc[QStringLiteral("title")].toString();
        ASSERT_FALSE(title.isEmpty());

        // Chosen from the menu: the window shows every value of the file and
        // the example's story, and nothing has run.
        auto* status = control<QLabel>(f, "StatusLine");
        const QString statusBefore = status->text();
        const double timeBefore = f->state().T;
        QAction* entry = nullptr;
        for (QAction* a : control<QMenu>(f, "MenuExamples")->actions())
            if (a->text() == title) entry = a;
        ASSERT_NE(entry, nullptr);
        boxes.shown.clear();
        entry->trigger();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].title, title);
        EXPECT_EQ(boxes.shown[0].text, doc[QStringLiteral("description")].toString());
        for (auto it = values.begin(); it != values.end(); ++it)
            EXPECT_TRUE(shows(f, it.key(), it.value().toObject()[QStringLiteral("value")]))
                << it.key().toStdString();
        EXPECT_EQ(status->text(), statusBefore);
        EXPECT_EQ(f->state().T, timeBefore);
        EXPECT_FALSE(f->running());

        // Run to the end with the report.
        control<QCheckBox>(f, "Check5")->setChecked(true);
        control<QComboBox>(f, "ComboPace")->setCurrentText(QStringLiteral("макс."));
        boxes.shown.clear();
        for (const char* button : w.start)
            click(f, button);
        ASSERT_TRUE(waitFor([f] { return !f->running(); }, 120000));
        for (const ShownMessage& m : boxes.shown)
            if (w.notice.isEmpty() || m.text != w.notice)
                ADD_FAILURE() << "message: " << m.text.toStdString();
        auto* report = static_cast<Form4*>(app->windows.get(4));
        ASSERT_NE(report, nullptr);
        EXPECT_FALSE(report->plainText().isEmpty());
        EXPECT_FALSE(report->plainText().contains(QStringLiteral("Ошибка")));

        if (w.straightRays &&
            values[QStringLiteral("CheckAllFronts")].toObject()[QStringLiteral("value")].toBool()) {
            // The main window's fields hold the bodies one period after the start.
            const double T00 = number(f, "Text18"), dt = number(f, "Text9");
            const double back = w.window == 1 ? T00 : 0;
            const double vx1 = number(f, "Text3"), vy1 = number(f, "Text7");
            const double vx2 = number(f, "Text4"), vy2 = number(f, "Text8");
            const double x1 = number(f, "Text1") - back * vx1, y1 = number(f, "Text5") - back * vy1;
            const double x2 = number(f, "Text2") - back * vx2, y2 = number(f, "Text6") - back * vy2;
            const SharedState& s = f->state();
            auto arrival = [&](int k) { return w.window == 1 ? s.Tk1(k - 1) : s.Tn1(k); };
            for (int k = 1; k <= 20; ++k) {
                const double exact = exactFrontArrival(k, T00, x1, y1, vx1, vy1, x2, y2, vx2, vy2,
                                                       number(f, "Text12"));
                EXPECT_NEAR(arrival(k), exact, 2 * dt) << "front " << k;
            }
        }
        app->windows.unload(4);
        app->windows.unload(w.window);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Examples,
    ::testing::Values(
        WindowExamples{1, 8, {"Command13", "Command1"}},
        WindowExamples{8,
                       2,
                       {"Command13", "Command1"},
                       QStringLiteral("Внимание. В этом эксперименте углы отражения рисуются "
                                      "\nкорректно только при задании угла А1 вблизи 90 градусов")},
        WindowExamples{9, 2, {"Command1"}},
        // The medium's rays bend in its layers: its runs are checked for ending well.
        WindowExamples{3, 3, {"Command1"}, {}, false}),
    [](const auto& info) { return "Form" + std::to_string(info.param.window); });

// In the English interface the menu lists the English titles, and the chosen
// example tells its English paragraph.
TEST_F(EnglishWindowTest, ExamplesSpeakTheInterfaceLanguage) {
    for (int n : {1, 3, 8, 9}) {
        FormBase* f = open(n);
        QMenu* menu = control<QMenu>(f, "MenuExamples");
        EXPECT_EQ(menu->title(), QStringLiteral("Examples"));
        const QStringList paths = examplesOf(n);
        ASSERT_EQ(menu->actions().size(), paths.size());
        for (qsizetype k = 0; k < paths.size(); ++k) {
            QFile file(paths[k]);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QJsonObject doc = QJsonDocument::fromJson(file.readAll()).object();
            EXPECT_EQ(menu->actions()[k]->text(), doc[QStringLiteral("titleEn")].toString());
            if (k > 0) continue;
            boxes.shown.clear();
            menu->actions()[k]->trigger();
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text, doc[QStringLiteral("descriptionEn")].toString());
        }
    }
}
