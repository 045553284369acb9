// Writes the moon window's "Moon.bmp" during the build: orvanta-make-moon <output file>.
// Raster painting needs no application object, so this runs without any display.
#include "Artwork.h"

#include <QImageWriter>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Moon.bmp>\n", argv[0]);
        return 2;
    }
    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "bmp");
    if (!writer.write(Artwork::MoonBitmap(Artwork::MoonBitmapSide))) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
