#include "FormRef.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace platform {

namespace {

std::vector<FormRefBase *> &Registry() {
    static std::vector<FormRefBase *> refs;
    return refs;
}

} // namespace

FormRefBase::FormRefBase() {
    Registry().push_back(this);
}

FormRefBase::~FormRefBase() {
    std::erase(Registry(), this);
}

Form &FormRefBase::Instance() {
    if (form_.isNull()) {
        Form *form = Create();
        form_ = form;
        QObject::connect(form, &Form::UnloadRequested, form, [this] { Destroy(); });
        form->Form_Load();
    }
    return *form_;
}

void FormRefBase::Destroy() {
    if (form_.isNull() || unloading_) return;
    unloading_ = true;
    form_->Form_Unload();
    unloading_ = false;
    Discard();
}

void FormRefBase::Discard() {
    if (form_.isNull()) return;
    Form *form = form_;
    form_.clear();
    form->hide();
    // The window may be destroyed from inside one of its own event handlers.
    form->deleteLater();
}

void DestroyAllForms() {
    for (FormRefBase *ref : Registry())
        ref->Discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace platform
