// Form: the base of every window, a top-level widget in the windows' vocabulary.
//  - handlers to override: Form_Load (after construction, when the window is first
//    used), Form_Unload (when it is destroyed), Form_Resize (its size or its window
//    state changed), Form_TitleBarClose (the title bar's close button; by default the
//    window is destroyed, as the program's windows expect)
//  - Show (without blocking; the window comes to the front and is activated; once
//    Left or Top has been set, a window hidden before reopens where it was, wherever
//    the user or the window manager had moved it; a window manager places a window
//    the program never placed anew each time), Hide, EverShown (shown at least once),
//    Visible (shown, minimised or not), Refresh (repaint now, handling no other
//    event), Exposed (the window system shows the window: mapped and not hidden)
//  - WindowState WindowNormal, WindowMinimised, WindowMaximised (0, 1, 2; read and
//    written, hidden too)
//  - Caption; Left/Top/Width/Height: the outer frame, in twips; ScaleWidth /
//    ScaleHeight: the inner area. Outer minus inner is whatever the window manager
//    adds around the window: 0 before the window is first shown and on platforms
//    without decorations, so "outer - inner + wanted inner" always sizes the inner
//    area right.
//  - SetBackColor (packed colour)
//
// Windows are not resizable by the user: their size comes from the code. A window
// is reached through its FormRef, which creates it on first use; window code never
// creates or deletes a Form itself.
#pragma once

#include <QWidget>
#include <cstdint>

namespace platform {

constexpr int WindowNormal = 0;
constexpr int WindowMinimised = 1;
constexpr int WindowMaximised = 2;

class FormRefBase;

class Form : public QWidget {
    Q_OBJECT

  public:
    explicit Form(const QString &name);

    void Show();
    void Hide() { hide(); }
    bool Visible() const { return isVisible(); }
    void Refresh();
    bool Exposed() const;
    bool EverShown() const { return everShown_; }

    int WindowState() const;
    void SetWindowState(int state);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString &caption) { setWindowTitle(caption); }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int twips);
    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    int ScaleWidth() const;
    int ScaleHeight() const;

    void SetBackColor(int32_t packed);

  signals:
    // Asks the window's FormRef to destroy it.
    void UnloadRequested();

  protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}
    virtual void Form_TitleBarClose() { emit UnloadRequested(); }

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    friend class FormRefBase;
    void SetInnerSize(int width, int height);
    QSize FrameExtra() const;

    bool everShown_ = false;
};

} // namespace platform
