// Experiment files through the windows: every input of every window survives
// saving, a reset to the defaults and opening again; a bad file changes nothing.
#include "support/file_dialogs.h"
#include "support/ui_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QMap>
#include <QMimeData>
#include <QRadioButton>
#include <QUrl>
#include <vector>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

// What the user can set in a window, by design name: the text of every field
// that takes input, the tick of every check box and option, a list's entry.
// With `change`, first types a new text into every field, flips every check
// box, picks the last option of each group and the next entry of each list.
QMap<QString, QString> inputsOf(QWidget* form, bool change = false) {
    int k = 0;
    for (QWidget* w : change ? form->findChildren<QWidget*>() : QList<QWidget*>()) {
        if (auto* field = qobject_cast<QLineEdit*>(w); field && !field->isReadOnly())
            field->setText(QStringLiteral("-%1,5E-3").arg(++k));
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            box->setChecked(!box->isChecked());
        else if (auto* option = qobject_cast<QRadioButton*>(w))
            option->setChecked(true);
        else if (auto* list = qobject_cast<QComboBox*>(w))
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
    }
    QMap<QString, QString> inputs;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (auto* field = qobject_cast<QLineEdit*>(w); field && name.startsWith("Text")) {
            if (!field->isReadOnly()) inputs[name] = field->text();
        } else if (auto* box = qobject_cast<QAbstractButton*>(w);
                   box && (name.startsWith("Check") || name.startsWith("Option"))) {
            inputs[name] = box->isChecked() ? "on" : "off";
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            inputs[name] = list->currentText();
        }
    }
    return inputs;
}

QAction* entry(QWidget* form, const char* name) {
    return form->findChild<QAction*>(QString::fromLatin1(name));
}

class ExperimentFileWindows : public WindowTest, public ::testing::WithParamInterface<int> {};

} // namespace

// Opened from the main window, the file shows the window it belongs to.
TEST_P(ExperimentFileWindows, EveryInputSurvivesSaveResetAndOpen) {
    const int n = GetParam();
    FormBase* form = open(n);
    ASSERT_EQ(entry(form, "actionSaveExperiment")->text(), QStringLiteral("Сохранить опыт…"));
    const QMap<QString, QString> defaults = inputsOf(form), changed = inputsOf(form, true);
    ASSERT_NE(changed, defaults);
    {
        FileDialogAnswerer save(QStringLiteral("lesson"));
        entry(form, "actionSaveExperiment")->trigger();
        EXPECT_EQ(save.filters, QStringList{QStringLiteral("Опыт Sonrel6 (*.sonrel)")});
    }
    ASSERT_TRUE(QFile::exists(QStringLiteral("lesson.sonrel")));

    app->windows.unload(n);
    ASSERT_EQ(inputsOf(open(n)), defaults);
    if (n != 1) app->windows.unload(n);
    QAction* openEntry = entry(open(1), "actionOpenExperiment");
    EXPECT_EQ(openEntry->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    FileDialogAnswerer dialog(QStringLiteral("lesson.sonrel"));
    openEntry->trigger();
    ASSERT_NE(app->windows.get(n), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
    const QMap<QString, QString> opened = inputsOf(app->windows.get(n));
    for (auto it = changed.begin(); it != changed.end(); ++it)
        EXPECT_EQ(opened.value(it.key()).toStdString(), it.value().toStdString())
            << "Form" << n << " " << it.key().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, ExperimentFileWindows, ::testing::Values(1, 3, 5, 6, 8, 9, 10));

// A bad file, opened from the menu or dropped on a field, is named in a
// message and changes nothing, not even the values before the one at fault.
TEST_F(ExperimentFileWindows, BadFileLeavesTheWindowAsItWas) {
    FormBase* form = open(1);
    const QByteArray head = R"({"format": "sonrel6-experiment", "version": 1, "window": "Form1", )";
    const struct {
        const char* name;
        QByteArray text;
        const char* says;
    } files[] = {
        {"pace.sonrel", head + R"("values": {"Text1": "99", "ComboPace": "7×"}})",
         "в списке «ComboPace» нет пункта «7×»"},
        {"tick.sonrel", head + R"("values": {"Text1": "99", "Check5": "да"}})", "«Check5»"},
    };
    const QMap<QString, QString> before = inputsOf(form);
    for (const auto& f : files) {
        QFile file(f.name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(f.text) == f.text.size());
        file.close();
        FileDialogAnswerer dialog(QString::fromLatin1(f.name));
        entry(form, "actionOpenExperiment")->trigger();
        ASSERT_EQ(boxes.shown.size(), 1u) << f.name;
        EXPECT_TRUE(boxes.shown[0].text.contains(f.name)) << f.name;
        EXPECT_TRUE(boxes.shown[0].text.contains(QString::fromUtf8(f.says))) << f.name;
        boxes.shown.clear();
        EXPECT_EQ(inputsOf(form), before) << f.name;
    }
    // Dropped on a field, the file is opened, not typed in as its name.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QDir::current().absoluteFilePath("tick.sonrel"))});
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control<QLineEdit>(form, "Text1"), &enter);
    QApplication::sendEvent(control<QLineEdit>(form, "Text1"), &drop);
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("tick.sonrel")));
    EXPECT_EQ(inputsOf(form), before);
}

// A file that asks for it starts its window's run or calculation once opened,
// pressing the window's buttons in their order; without the entry nothing runs.
TEST_F(ExperimentFileWindows, RunOnOpenPressesTheStartButtonsOnlyWhenAsked) {
    const QByteArray head = R"({"format": "sonrel6-experiment", "version": 1, )";
    const struct {
        int window;
        QByteArray values;
        const char* shows; // a field the run or calculation fills
    } cases[] = {
        {1, R"("window": "Form1", "values": {"Text9": "0,01", "ComboPace": "макс."})", "Text17"},
        {10, R"("window": "Form10", "values": {"Text9": "10", "Text32": "20"})", "Text5"},
    };
    FormBase* main = nullptr;
    for (const auto& c : cases) {
        for (const bool run : {false, true}) {
            QFile file(QStringLiteral("run.sonrel"));
            const QByteArray text = head + (run ? R"("runOnOpen": true, )" : "") + c.values + "}";
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
            file.close();
            app->windows.unload(c.window);
            main = open(1);
            FileDialogAnswerer dialog(QStringLiteral("run.sonrel"));
            entry(main, "actionOpenExperiment")->trigger();
            FormBase* f = app->windows.get(c.window);
            ASSERT_NE(f, nullptr);
            QApplication::processEvents(); // the buttons are pressed after the opening
            const QString shown = control<QLineEdit>(f, c.shows)->text();
            EXPECT_EQ(shown.isEmpty() || shown == QStringLiteral("0"), !run)
                << c.window << " " << shown.toStdString();
            if (c.window == 1) {
                EXPECT_EQ(f->state().T > 0, run);
            }
        }
    }
    EXPECT_TRUE(boxes.shown.empty() || boxes.shown[0].text.contains(QStringLiteral("ПРОГРАММА")));
}

namespace {

struct Rerun {
    int window;
    std::vector<const char*> start;
};

class SavedSetUp : public WindowTest, public ::testing::WithParamInterface<Rerun> {
protected:
    // Runs the window's experiment to its end and saves its period table.
    QByteArray runAndSaveTable(FormBase* f, const QString& name) {
        for (const char* b : GetParam().start)
            click(f, b);
        FileDialogAnswerer dialog(name);
        entry(f, "actionSaveTable")->trigger();
        // The head lists the fields as they stood at the start: those the run
        // fills itself (the comparison's ИСО coordinates) were blank before
        // the first run. The table proper begins with its column names.
        QFile table(name);
        const QByteArray text = table.open(QIODevice::ReadOnly) ? table.readAll() : QByteArray();
        return text.mid(text.indexOf("\nperiod,") + 1);
    }
};

} // namespace

// The set-up saved after a run gives, opened and run again, the very same
// period table.
TEST_P(SavedSetUp, ReopenedAndRunAgainGivesTheSameTable) {
    const int n = GetParam().window;
    FormBase* f = open(n);
    auto* pace = control<QComboBox>(f, "ComboPace");
    pace->setCurrentIndex(pace->findText(QStringLiteral("макс.")));
    typeInto(f, "Text9", "2E-3"); // not the default step: the file must carry it
    const QByteArray first = runAndSaveTable(f, QStringLiteral("first.csv"));
    ASSERT_TRUE(first.startsWith("period,") && first.contains("\n1,")) << first.toStdString();
    {
        FileDialogAnswerer save(QStringLiteral("again"));
        entry(f, "actionSaveExperiment")->trigger();
    }
    app->windows.unload(n);
    {
        FileDialogAnswerer dialog(QStringLiteral("again.sonrel"));
        entry(open(1), "actionOpenExperiment")->trigger();
    }
    f = app->windows.get(n);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(runAndSaveTable(f, QStringLiteral("second.csv")).toStdString(), first.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Windows, SavedSetUp,
                         ::testing::Values(Rerun{1, {"Command13", "Command1"}},
                                           Rerun{9, {"Command1"}}, Rerun{3, {"Command1"}},
                                           Rerun{8, {"Command13", "Command1"}}),
                         [](const ::testing::TestParamInfo<Rerun>& i) {
                             return "Form" + std::to_string(i.param.window);
                         });
