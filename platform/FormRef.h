// FormRef: the one instance of a window, reached by name and created on first use.
//  - FormRef<T>: any use (operator->, operator*, Get; a visibility test included)
//    creates the window hidden and runs its Form_Load first, when it does not exist
//  - Exists: tells without creating
//  - Destroy: runs Form_Unload, hides the window and deletes it (from the event loop,
//    so that a window may destroy itself from inside one of its own event handlers);
//    the next use creates a new one. Nothing happens when the window does not exist.
//  - DestroyAllForms: deletes every window that exists, at once and without running
//    unload handlers (which could bring other windows back to life): for the end
//    of a test case and for after the event loop has returned, never from inside a
//    window's event handler
//
// Usage, one global per window:
//   inline platform::FormRef<AboutWindow> frmAbout;   ...   frmAbout->Show();
// While Form_Load or Form_Unload runs, the FormRef gives the window being loaded or
// unloaded, so handlers may use their own window by name.
#pragma once

#include "Form.h"

#include <QPointer>

namespace platform {

class FormRefBase {
  public:
    FormRefBase(const FormRefBase &) = delete;
    FormRefBase &operator=(const FormRefBase &) = delete;

    bool Exists() const { return !form_.isNull(); }
    void Destroy();
    // Forgets the window without unloading it; it is deleted from the event loop.
    void Discard();

  protected:
    FormRefBase();
    ~FormRefBase();
    Form &Instance();

  private:
    virtual Form *Create() const = 0;

    QPointer<Form> form_;
    bool unloading_ = false;
};

template <class T> class FormRef final : public FormRefBase {
  public:
    FormRef() = default;

    T &Get() { return static_cast<T &>(Instance()); }
    T &operator*() { return Get(); }
    T *operator->() { return &Get(); }

  private:
    Form *Create() const override { return new T(); }
};

void DestroyAllForms();

} // namespace platform
