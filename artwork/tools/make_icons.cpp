// Writes the program's icon for the desktop's icon theme during the build:
// orvanta-make-icons <folder> <side>... writes <folder>/<side>x<side>/apps/orvanta.png for
// each side, the layout of a hicolor theme.
#include "Artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <icon folder> <side>...\n", argv[0]);
        return 2;
    }
    // The picture is a pixmap, which needs an application; the offscreen one needs no
    // display, so the build runs anywhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side < 1) {
            std::fprintf(stderr, "%s: not an icon size\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        const QString file = theme.filePath(folder + QStringLiteral("/orvanta.png"));
        QImageWriter writer(file, "png");
        if (!theme.mkpath(folder) ||
            !writer.write(Artwork::ProgramPicture(QSize(side, side), 1).toImage())) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
