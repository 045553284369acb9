#include "App.h"

#include "platform/core/Program.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace platform {

namespace {

// The classic dialog font is 8.25 points; DejaVu Sans is the sans-serif every
// Debian desktop has, and the style hint finds a neighbour where it is missing.
constexpr char DialogFontFamily[] = "DejaVu Sans";
constexpr double DialogFontPoints = 8.25;

} // namespace

void InitApplication() {
    QApplication::setApplicationName(ProgramTitle());
    QApplication::setOrganizationName(ProgramTitle());
    QApplication::setApplicationVersion(ProgramVersion());
    // Fusion draws the same everywhere and honours the colours the windows give
    // their buttons and lists.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QString::fromLatin1(DialogFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(DialogFontPoints);
    QApplication::setFont(font);
    // The program ends when its own rules say so, not when a last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace platform
