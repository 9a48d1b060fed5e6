#include "ui/form_base_window.h"

#include "ui/window_fit_qt.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

namespace sonrel {

FormBase::FormBase(AppContext& app, int number) : app_(app), number_(number) {
    setObjectName(QStringLiteral("Form%1").arg(number));
    setAttribute(Qt::WA_DeleteOnClose);
    sinceYield_.start();
}

FormBase::~FormBase() {
    app_.windows.forget(number_, this);
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
    if (form_.runDepth_++ == 0) form_.sinceYield_.restart();
}

FormBase::RunScope::~RunScope() {
    if (--form_.runDepth_ == 0 && form_.closeRequested_) {
        QPointer<FormBase> self(&form_);
        QTimer::singleShot(0, &form_, [self] {
            if (self) self->deleteLater();
        });
    }
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
    if (runDepth_ > 0) {
        // A loop of this window is on the stack: stop it and go once it returns.
        closeRequested_ = true;
        app_.state.stopFlag = 1;
        app_.windows.forget(number_, this);
        hide();
        e->ignore();
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
