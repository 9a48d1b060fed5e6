#include "ui/form_base_window.h"

#include "ui/window_fit_qt.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

namespace sonrel {

FormBase::FormBase(AppContext& app, int number) : app_(app), number_(number) {
    setObjectName(QStringLiteral("Form%1").arg(number));
    setAttribute(Qt::WA_DeleteOnClose);
    sinceYield_.start();
    app_.windows.attach(this);
}

FormBase::~FormBase() {
    app_.windows.forget(number_, this);
    app_.windows.detach(this);
}

void FormBase::unload() {
    close();
}

void FormBase::untickWhenReportCloses(QAbstractButton* box) {
    connect(&app_.reportNotice, &ReportNotice::closed, box, [box] { box->setChecked(false); });
}

namespace {
qint64 longestYieldGapNs = 0;
} // namespace

double FormBase::maxYieldGapMs() {
    return static_cast<double>(longestYieldGapNs) / 1e6;
}

void FormBase::resetYieldStats() {
    longestYieldGapNs = 0;
}

FormBase::RunScope::RunScope(FormBase& f) : form_(f) {
    if (form_.runDepth_++ == 0) {
        form_.sinceYield_.restart();
        emit form_.runningChanged(true);
    }
}

FormBase::RunScope::~RunScope() {
    if (--form_.runDepth_ == 0) emit form_.runningChanged(false);
    form_.deleteWhenFree();
}

FormBase::QuestionScope::~QuestionScope() {
    --form_.questionDepth_;
    form_.deleteWhenFree();
}

void FormBase::deleteWhenFree() {
    if (busy() || !closeRequested_) return;
    // Later, so that the handler that held the window has returned first.
    QPointer<FormBase> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self && !self->busy()) self->deleteLater();
    });
}

void FormBase::pumpEvents() {
    if (!yieldDue()) return;
    pumpEventsNow();
}

void FormBase::pumpEventsNow() {
    if (runDepth_ > 0) longestYieldGapNs = std::max(longestYieldGapNs, sinceYield_.nsecsElapsed());
    sinceYield_.restart();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void FormBase::closeEvent(QCloseEvent* e) {
    if (busy()) {
        // A handler of this window is on the stack: stop its loop, close the
        // message box it waits on, and go once it has returned.
        closeRequested_ = true;
        if (runDepth_ > 0) app_.state.stopFlag = 1;
        app_.windows.forget(number_, this);
        hide();
        e->ignore();
        for (QMessageBox* box : findChildren<QMessageBox*>())
            if (box->isVisible()) box->reject();
        return;
    }
    closeRequested_ = true;
    app_.windows.forget(number_, this);
    e->accept();
}

void FormBase::setScrollableContent(QWidget* content, QWidget* fixedRow) {
    arrangeScrolling(this, content, fixedRow);
    fitToScreen(this);
}

} // namespace sonrel
