#pragma once
// Helpers for window tests: find controls by design name, click, type, and
// answer the message boxes a handler shows.
#include "ui/app_context_qt.h"
#include "ui/form_base_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace sonrel::testing {

template <typename T> T* control(QWidget* form, const char* name) {
    T* w = form->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

inline QString textOf(QWidget* form, const char* name) {
    return control<QLineEdit>(form, name)->text();
}

void typeInto(QWidget* form, const char* name, const QString& text);
void click(QWidget* form, const char* name);

struct ShownMessage {
    QString title, text;
};

// While alive, answers every message box that appears: with the next queued
// answer (QMessageBox::Yes / No / Ok), or Yes / Ok when the queue is empty.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    std::deque<QMessageBox::StandardButton> answers;
    // Answer for a Yes/No box when the queue is empty.
    QMessageBox::StandardButton defaultAnswer = QMessageBox::Yes;
    std::vector<ShownMessage> shown;
    bool sawText(const QString& text) const;

private:
    QTimer timer_;
    void poll();
};

// A fresh shared state and registry per test; every window is unloaded after.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    FormBase* open(int n) { return app->windows.show(n); }
    AppContext* app = nullptr;
    MessageBoxAnswerer boxes;
    QString oldDir, tempDir;
};

// Runs the event loop until pred() holds or the time is up.
bool waitFor(const std::function<bool()>& pred, int ms = 5000);

} // namespace sonrel::testing
