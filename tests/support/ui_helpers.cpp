#include "support/ui_helpers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace sonrel::testing {

void typeInto(QWidget* form, const char* name, const QString& text) {
    QLineEdit* f = control<QLineEdit>(form, name);
    if (f) f->setText(text);
}

void click(QWidget* form, const char* name) {
    auto* b = control<QAbstractButton>(form, name);
    if (b) b->click();
}

MessageBoxAnswerer::MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(5);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    timer_.stop();
}

void MessageBoxAnswerer::poll() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box || !box->isVisible()) continue;
        shown.push_back({box->windowTitle(), box->text()});
        QMessageBox::StandardButton answer = QMessageBox::NoButton;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        QAbstractButton* b = answer != QMessageBox::NoButton ? box->button(answer) : nullptr;
        if (!b) b = box->button(defaultAnswer);
        if (!b) b = box->button(QMessageBox::Yes);
        if (!b) b = box->button(QMessageBox::Ok);
        if (b) b->click();
        return;
    }
}

bool MessageBoxAnswerer::sawText(const QString& text) const {
    for (const auto& m : shown)
        if (m.text == text) return true;
    return false;
}

void WindowTest::SetUp() {
    static int counter = 0;
    oldDir = QDir::currentPath();
    tempDir =
        QDir::tempPath() +
        QStringLiteral("/sonrel_ui_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    QDir().mkpath(tempDir);
    QDir::setCurrent(tempDir);
    app = new AppContext; // kept alive past window destruction, as in the program
    app->windows.show(1);
}

void WindowTest::TearDown() {
    app->state.stopFlag = 1;
    app->windows.unloadAll();
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // Windows still alive (none should be) go before the state they refer to.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<FormBase*>(w)) delete form;
    delete app;
    app = nullptr;
    QDir::setCurrent(oldDir);
    QDir(tempDir).removeRecursively();
}

bool waitFor(const std::function<bool()>& pred, int ms) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace sonrel::testing
