#include "ui/form_base_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace sonrel {

FormBase::FormBase(AppContext& app, int number) : app_(app), number_(number) {
    setObjectName(QStringLiteral("Form%1").arg(number));
    setAttribute(Qt::WA_DeleteOnClose);
    sinceYield_.start();
}

FormBase::~FormBase() { app_.windows.forget(number_, this); }

void FormBase::unload() { close(); }

FormBase::RunScope::RunScope(FormBase& f) : form_(f) { ++form_.runDepth_; }

FormBase::RunScope::~RunScope() {
    if (--form_.runDepth_ == 0 && form_.closeRequested_) {
        QPointer<FormBase> self(&form_);
        QTimer::singleShot(0, &form_, [self] {
            if (self) self->deleteLater();
        });
    }
}

void FormBase::pumpEvents() {
    if (sinceYield_.elapsed() < 8) return;
    pumpEventsNow();
}

void FormBase::pumpEventsNow() {
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

void FormBase::setScrollableContent(QWidget* content) {
    auto* area = new QScrollArea(this);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(area);
}

} // namespace sonrel
