// Writes the moon window's "Moon.bmp" during the build: orvanta-make-moon <output file>
// [<times>], the moon drawn <times> (default 1) as large for high-density screens.
// Raster painting needs no application object, so this runs without any display.
#include "Artwork.h"

#include <QImageWriter>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    const int times = argc == 3 ? std::atoi(argv[2]) : 1;
    if (argc < 2 || argc > 3 || times < 1 || times > 8) {
        std::fprintf(stderr, "usage: %s <Moon.bmp> [<times 1..8>]\n", argv[0]);
        return 2;
    }
    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "bmp");
    if (!writer.write(Artwork::MoonBitmap(Artwork::MoonBitmapSide * times))) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
