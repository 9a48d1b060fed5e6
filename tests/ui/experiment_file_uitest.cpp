// Experiment files through the windows: every input of every window that has
// the entries survives saving, a reset to its defaults and opening again; a
// bad file leaves the window as it was.
#include "support/file_dialogs.h"
#include "support/ui_helpers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMap>
#include <QMimeData>
#include <QRadioButton>
#include <QRegularExpression>
#include <QUrl>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

// What the user can set in a window, by design name: the text of every field
// that takes input, the tick of every check box and option, a list's entry.
QMap<QString, QString> inputsOf(QWidget* form) {
    static const QRegularExpression design(
        QStringLiteral("^(Text[0-9]+|Check\\w+|Option[0-9]+|Combo\\w+)$"));
    QMap<QString, QString> inputs;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!design.match(w->objectName()).hasMatch() || inputs.contains(w->objectName())) continue;
        if (auto* field = qobject_cast<QLineEdit*>(w); field && !field->isReadOnly())
            inputs[w->objectName()] = field->text();
        else if (auto* box = qobject_cast<QAbstractButton*>(w))
            inputs[w->objectName()] = box->isChecked() ? "on" : "off";
        else if (auto* list = qobject_cast<QComboBox*>(w))
            inputs[w->objectName()] = list->currentText();
    }
    return inputs;
}

// Types a new text into every field, flips every check box, picks the last
// option of each group and the next entry of each list.
void changeEverything(QWidget* form) {
    int k = 0;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (auto* field = qobject_cast<QLineEdit*>(w);
            field && !field->isReadOnly() && w->objectName().startsWith("Text"))
            field->setText(QStringLiteral("-%1,25E-3").arg(++k));
        else if (auto* box = qobject_cast<QCheckBox*>(w);
                 box && w->objectName().startsWith("Check"))
            box->setChecked(!box->isChecked());
        else if (auto* option = qobject_cast<QRadioButton*>(w))
            option->setChecked(true);
        else if (auto* list = qobject_cast<QComboBox*>(w))
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
    }
}

QAction* entry(QWidget* form, const char* name) {
    auto* action = form->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

void writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

class ExperimentFileWindows : public WindowTest, public ::testing::WithParamInterface<int> {};

} // namespace

// Saved, reset to its defaults and opened again (from the main window, which
// shows the window the file belongs to): every input is as it was changed.
TEST_P(ExperimentFileWindows, EveryInputSurvivesSaveResetAndOpen) {
    const int n = GetParam();
    FormBase* form = open(n);
    QAction* save = entry(form, "actionSaveExperiment");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), QStringLiteral("Сохранить опыт…"));
    const QMap<QString, QString> defaults = inputsOf(form);
    changeEverything(form);
    const QMap<QString, QString> changed = inputsOf(form);
    ASSERT_NE(changed, defaults);
    {
        FileDialogAnswerer dialog(QStringLiteral("lesson"));
        save->trigger();
        ASSERT_EQ(dialog.answered, 1);
        EXPECT_EQ(dialog.filters, QStringList{QStringLiteral("Опыт Sonrel6 (*.sonrel)")});
    }
    ASSERT_TRUE(QFile::exists(QStringLiteral("lesson.sonrel")));

    app->windows.unload(n);
    if (n != 1) app->windows.unload(1);
    FormBase* main = open(1);
    ASSERT_EQ(inputsOf(app->windows.show(n)), defaults);
    if (n != 1) app->windows.unload(n); // opened by the file
    QAction* openEntry = entry(main, "actionOpenExperiment");
    ASSERT_NE(openEntry, nullptr);
    EXPECT_EQ(openEntry->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    {
        FileDialogAnswerer dialog(QStringLiteral("lesson.sonrel"));
        openEntry->trigger();
        ASSERT_EQ(dialog.answered, 1);
    }
    EXPECT_TRUE(boxes.shown.empty());
    FormBase* again = app->windows.get(n);
    ASSERT_NE(again, nullptr);
    const QMap<QString, QString> opened = inputsOf(again);
    for (auto it = changed.begin(); it != changed.end(); ++it)
        EXPECT_EQ(opened.value(it.key()).toStdString(), it.value().toStdString())
            << "Form" << n << " " << it.key().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Windows, ExperimentFileWindows, ::testing::Values(1, 3, 5, 6, 8, 9, 10));

// A file that cannot be opened, opened from its menu or dropped on a field,
// is named in a message and changes nothing, not even the values before the
// one at fault.
TEST_F(ExperimentFileWindows, BadFileLeavesTheWindowAsItWas) {
    FormBase* form = open(1);
    const QByteArray head = R"({"format": "sonrel6-experiment", "version": 1, "window": "Form1", )";
    const struct {
        const char* name;
        QByteArray text;
        const char* says;
    } files[] = {
        {"png.sonrel", QByteArray("\x89PNG\r\n\x1a\n", 8), "не является файлом опыта"},
        {"pace.sonrel", head + R"("values": {"Text1": "99", "ComboPace": "7×"}})",
         "в списке «ComboPace» нет пункта «7×»"},
        {"tick.sonrel", head + R"("values": {"Text1": "99", "Check5": "да"}})",
         "«Check5» должно быть true или false"},
    };
    const QMap<QString, QString> before = inputsOf(form);
    for (const auto& f : files) {
        writeText(f.name, f.text);
        FileDialogAnswerer dialog(QString::fromLatin1(f.name));
        entry(form, "actionOpenExperiment")->trigger();
        ASSERT_EQ(boxes.shown.size(), 1u) << f.name;
        EXPECT_TRUE(boxes.shown[0].text.contains(QString::fromLatin1(f.name))) << f.name;
        EXPECT_TRUE(boxes.shown[0].text.contains(QString::fromUtf8(f.says)))
            << boxes.shown[0].text.toStdString();
        boxes.shown.clear();
        EXPECT_EQ(inputsOf(form), before) << f.name;
    }
    // Dropped on a field, the file is opened, not typed in as its name.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QDir::current().absoluteFilePath("tick.sonrel"))});
    QLineEdit* field = control<QLineEdit>(form, "Text1");
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    ASSERT_TRUE(waitFor([this] { return !boxes.shown.empty(); }));
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("tick.sonrel")));
    EXPECT_EQ(inputsOf(form), before);
}
