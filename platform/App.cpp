#include "App.h"

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
    QApplication::setApplicationName(AppTitle());
    QApplication::setOrganizationName(AppTitle());
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(AppMajor()).arg(AppMinor()).arg(AppRevision()));
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

QString AppTitle() {
    return QStringLiteral("Orvanta");
}
int AppMajor() {
    return ORVANTA_VERSION_MAJOR;
}
int AppMinor() {
    return ORVANTA_VERSION_MINOR;
}
int AppRevision() {
    return ORVANTA_VERSION_PATCH;
}

} // namespace platform
