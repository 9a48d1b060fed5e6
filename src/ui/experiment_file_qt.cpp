#include "ui/experiment_file_qt.h"

#include "base/language.h"
#include "base/text_file.h"
#include "base/version.h"
#include "canvas/canvas_widget.h"
#include "canvas/export_qt.h"
#include "ui/form_base_window.h"
#include "ui/message_box_qt.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QTimer>
#include <QUrl>

namespace sonrel {

namespace {

const QString kSuffix = QStringLiteral(".sonrel");

// The controls a file keeps, by design name, in the order the window made
// them; a name used twice counts once (the first, as findChild finds it).
std::vector<QWidget*> designControls(FormBase& form) {
    std::vector<QWidget*> controls;
    QSet<QString> seen;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (w->window() != &form) continue; // a dialog over the window
        const QString name = w->objectName();
        bool fits = false;
        switch (controlKindOf(name.toStdString())) {
        case ControlKind::Field:
            fits = qobject_cast<QLineEdit*>(w) && !static_cast<QLineEdit*>(w)->isReadOnly();
            break;
        case ControlKind::Box:
            fits = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
            break;
        case ControlKind::List:
            fits = qobject_cast<QComboBox*>(w);
            break;
        case ControlKind::None:
            break;
        }
        if (fits && !seen.contains(name)) {
            seen.insert(name);
            controls.push_back(w);
        }
    }
    return controls;
}

QString plainCaption(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

QString captionText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return plainCaption(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return plainCaption(button->text());
    return {};
}

// The widget just before w in the layout that holds it: the cell to its left
// in a grid, the item before it in a row or column.
QWidget* layoutNeighbour(QLayout* layout, QWidget* w) {
    if (!layout) return nullptr;
    const int index = layout->indexOf(w);
    if (index >= 0) {
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row, column, rows, columns;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            QLayoutItem* left = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
            return left ? left->widget() : nullptr;
        }
        QLayoutItem* before = index > 0 ? layout->itemAt(index - 1) : nullptr;
        return before ? before->widget() : nullptr;
    }
    for (int k = 0; k < layout->count(); ++k)
        if (QWidget* found = layoutNeighbour(layout->itemAt(k)->layout(), w)) return found;
    return nullptr;
}

// The caption the user sees for a control: its own text, the label that is
// its buddy, or the label (or button) beside it; else its design name.
QString captionOf(QWidget* w) {
    if (qobject_cast<QAbstractButton*>(w)) return captionText(w);
    for (QLabel* label : w->window()->findChildren<QLabel*>())
        if (label->buddy() == w) return captionText(label);
    if (w->parentWidget()) {
        const QString beside = captionText(layoutNeighbour(w->parentWidget()->layout(), w));
        if (!beside.isEmpty()) return beside;
    }
    return w->objectName();
}

QString qs8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string localName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString askFileToOpen(QWidget* parent) {
    QFileDialog dialog(parent, ExperimentFiles::openEntry(), QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(ExperimentFiles::filters());
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

// The local *.sonrel file a drag carries, if any.
QString droppedExperiment(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(kSuffix, Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

// Takes a *.sonrel file dropped anywhere on the window, fields included
// (which would otherwise take the file's name as text).
class ExperimentDrop : public QObject {
public:
    explicit ExperimentDrop(FormBase& form) : QObject(&form), form_(&form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::DragEnter && e->type() != QEvent::DragMove &&
            e->type() != QEvent::Drop)
            return QObject::eventFilter(watched, e);
        auto* drop = static_cast<QDropEvent*>(e);
        const QString path = droppedExperiment(drop->mimeData());
        if (path.isEmpty()) return QObject::eventFilter(watched, e);
        drop->acceptProposedAction();
        if (e->type() == QEvent::Drop) {
            // Opened once the drag is over: a message box must not open inside it.
            QTimer::singleShot(0, form_, [form = form_, path] {
                if (form) openExperiment(*form, path);
            });
        }
        return true;
    }

private:
    QPointer<FormBase> form_;
};

} // namespace

ExperimentSetup collectExperiment(FormBase& form) {
    ExperimentSetup e;
    e.window = form.number();
    for (QWidget* w : designControls(form)) {
        ExperimentValue v;
        v.name = w->objectName().toStdString();
        v.caption = captionOf(w).toStdString();
        if (auto* field = qobject_cast<QLineEdit*>(w))
            v.text = field->text().toStdString();
        else if (auto* box = qobject_cast<QAbstractButton*>(w))
            v.on = box->isChecked();
        else if (auto* list = qobject_cast<QComboBox*>(w))
            v.text = list->currentText().toStdString();
        e.values.push_back(std::move(v));
    }
    return e;
}

QString applyExperiment(FormBase& form, const ExperimentSetup& experiment,
                        const QString& fileName) {
    struct Change {
        QWidget* control;
        const ExperimentValue* value;
        int entry; // a list's entry
    };
    std::vector<Change> changes;
    const std::vector<QWidget*> controls = designControls(form);
    for (const ExperimentValue& v : experiment.values) {
        const QString name = QString::fromStdString(v.name);
        const auto it = std::find_if(controls.begin(), controls.end(),
                                     [&](QWidget* w) { return w->objectName() == name; });
        if (it == controls.end()) continue;
        int entry = -1;
        if (auto* list = qobject_cast<QComboBox*>(*it)) {
            entry = list->findText(qs8(v.text), Qt::MatchExactly);
            if (entry < 0)
                return qs8(experimentRefusal(
                    localName(fileName),
                    ExperimentFiles::noEntry().arg(name, qs8(v.text)).toStdString()));
        }
        changes.push_back({*it, &v, entry});
    }
    for (const Change& c : changes) {
        if (auto* field = qobject_cast<QLineEdit*>(c.control))
            field->setText(qs8(c.value->text));
        else if (auto* box = qobject_cast<QAbstractButton*>(c.control))
            box->setChecked(c.value->on); // an option is cleared by the one chosen in its group
        else if (auto* list = qobject_cast<QComboBox*>(c.control))
            list->setCurrentIndex(c.entry);
    }
    return {};
}

FormBase* openExperiment(FormBase& from, const QString& path) {
    ExperimentSetup e;
    try {
        e = readExperimentFile(localName(path));
    } catch (const FileError& error) {
        showMessage(&from, qs8(error.what()));
        return nullptr;
    }
    QPointer<FormBase> target = e.window == from.number() ? &from : from.windows().show(e.window);
    if (!target) return nullptr;
    if (target->running()) {
        showMessage(target, ExperimentFiles::running());
        return nullptr;
    }
    const QString refused = applyExperiment(*target, e, path);
    if (!refused.isEmpty()) {
        showMessage(target, refused);
        return nullptr;
    }
    if (e.runOnOpen) {
        // Pressed once the opening handler has returned, as a user would.
        QTimer::singleShot(0, target, [target] {
            for (QAbstractButton* start : target->startButtons())
                if (target && !target->closeRequested()) start->click();
        });
    }
    return target;
}

QStringList examplesOf(int window) {
    const QDir folder(QStringLiteral(":/examples/") + qs8(windowKey(window)));
    QStringList paths;
    for (const QString& name :
         folder.entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

namespace {

// The example's title and paragraph in the interface's language (Russian
// where the file has no English).
QString exampleTitle(const ExperimentSetup& e) {
    const bool english = interfaceLanguage() == Language::English && !e.titleEn.empty();
    return qs8(english ? e.titleEn : e.title);
}

QString exampleDescription(const ExperimentSetup& e) {
    const bool english = interfaceLanguage() == Language::English && !e.descriptionEn.empty();
    return qs8(english ? e.descriptionEn : e.description);
}

} // namespace

bool openExample(FormBase& form, const QString& path) {
    QFile file(path);
    ExperimentSetup e;
    try {
        if (!file.open(QIODevice::ReadOnly)) throw FileError(localName(path));
        const QByteArray text = file.read(kMaxExperimentBytes);
        e = parseExperiment(text.toStdString(), localName(QFileInfo(path).fileName()),
                            form.number());
    } catch (const FileError& error) {
        showMessage(&form, qs8(error.what()));
        return false;
    }
    if (form.running()) {
        showMessage(&form, ExperimentFiles::running());
        return false;
    }
    const QString refused = applyExperiment(form, e, QFileInfo(path).fileName());
    if (!refused.isEmpty()) {
        showMessage(&form, refused);
        return false;
    }
    showMessage(&form, exampleDescription(e), exampleTitle(e));
    return true;
}

bool saveExperiment(FormBase& form, const QString& path) {
    const bool ok = writeExperimentFile(localName(path), collectExperiment(form),
                                        std::string("Sonrel6 ") + SONREL_VERSION);
    tellSaved(&form, ok ? ExperimentFiles::saved(QFileInfo(path).absoluteFilePath()) : QString(),
              kFileWriteError);
    return ok;
}

void installExperimentFileActions(FormBase& form) {
    QPointer<FormBase> window(&form);
    auto* open = new QAction(ExperimentFiles::openEntry(), &form);
    open->setObjectName(QStringLiteral("actionOpenExperiment"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(open, &QAction::triggered, &form, [window] {
        const QString path = askFileToOpen(window);
        if (window && !path.isEmpty()) openExperiment(*window, path);
    });
    auto* save = new QAction(ExperimentFiles::saveEntry(), &form);
    save->setObjectName(QStringLiteral("actionSaveExperiment"));
    QObject::connect(save, &QAction::triggered, &form, [window] {
        QString path =
            askFileToSave(window, ExperimentFiles::saveEntry(), ExperimentFiles::filters());
        if (!window || path.isEmpty()) return;
        if (!path.endsWith(kSuffix, Qt::CaseInsensitive)) path += kSuffix;
        saveExperiment(*window, path);
    });
    // The ready-made examples, each under its title.
    auto* examples = new QMenu(ExperimentFiles::examplesEntry(), &form);
    examples->setObjectName(QStringLiteral("MenuExamples"));
    for (const QString& path : examplesOf(form.number())) {
        QString title = QFileInfo(path).completeBaseName();
        try {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                title = exampleTitle(
                    parseExperiment(file.read(kMaxExperimentBytes).toStdString(), localName(path)));
        } catch (const FileError&) {
        }
        QObject::connect(examples->addAction(title), &QAction::triggered, &form, [window, path] {
            if (window) openExample(*window, path);
        });
    }
    examples->menuAction()->setEnabled(!examples->isEmpty());
    // On the window's own menu (a click beside the controls, or the menu key),
    // and after the entries of every picture's menu.
    form.addAction(open);
    form.addAction(save);
    form.addAction(examples->menuAction());
    form.setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* separator = new QAction(&form);
    separator->setSeparator(true);
    for (CanvasWidget* picture : form.findChildren<CanvasWidget*>())
        picture->addActions({separator, open, save, examples->menuAction()});

    auto* drop = new ExperimentDrop(form);
    form.setAcceptDrops(true);
    form.installEventFilter(drop);
    for (QLineEdit* field : form.findChildren<QLineEdit*>())
        field->installEventFilter(drop);
}

} // namespace sonrel
