#include "ui/window_registry_qt.h"

#include "ui/app_context_qt.h"
#include "ui/form_base_window.h"

#include <QCoreApplication>
#include <algorithm>

namespace sonrel {

namespace {
FormFactory factoryOf(int n) {
    switch (n) {
    case 1:
        return form1Factory();
    case 2:
        return form2Factory();
    case 3:
        return form3Factory();
    case 4:
        return form4Factory();
    case 5:
        return form5Factory();
    case 6:
        return form6Factory();
    case 7:
        return form7Factory();
    case 8:
        return form8Factory();
    case 9:
        return form9Factory();
    case 10:
        return form10Factory();
    default:
        return {};
    }
}
} // namespace

bool WindowRegistry::available(int n) const {
    return factoryOf(n).create != nullptr;
}

FormBase* WindowRegistry::ensure(int n) {
    if (n < 1 || n > 10) return nullptr;
    if (forms_[n] && !forms_[n]->closeRequested()) return forms_[n];
    const FormFactory f = factoryOf(n);
    if (!f.create) return nullptr;
    forms_[n] = f.create(app_);
    return forms_[n];
}

FormBase* WindowRegistry::show(int n) {
    FormBase* form = ensure(n);
    if (!form) return nullptr;
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

FormBase* WindowRegistry::get(int n) const {
    if (n < 1 || n > 10) return nullptr;
    FormBase* f = forms_[n];
    return f && !f->closeRequested() ? f : nullptr;
}

void WindowRegistry::unload(int n) {
    if (n < 1 || n > 10 || !forms_[n]) return;
    forms_[n]->unload();
}

void WindowRegistry::unloadAll() {
    for (int n = 1; n <= 10; ++n)
        unload(n);
    endProgramIfNothingLeft();
}

void WindowRegistry::forget(int n, FormBase* form) {
    if (n >= 1 && n <= 10 && forms_[n] == form) forms_[n] = nullptr;
}

void WindowRegistry::attach(FormBase* form) {
    living_.push_back(form);
}

void WindowRegistry::detach(FormBase* form) {
    living_.erase(std::remove(living_.begin(), living_.end(), form), living_.end());
    endProgramIfNothingLeft();
}

void WindowRegistry::endProgramIfNothingLeft() {
    if (!endsProgram_) return;
    for (FormBase* f : living_)
        if (f->busy() || (f->isVisible() && !f->closeRequested())) return;
    QCoreApplication::exit(0);
}

} // namespace sonrel
