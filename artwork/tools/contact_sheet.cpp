// Draws every picture at 100 % and 200 % on one sheet, on a button-face grey, so the set
// can be looked over as a whole: orvanta-artwork-sheet <file.png>.
#include "Artwork.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Picture = std::function<QPixmap(QSize, qreal)>;

struct Row {
    QString title;
    std::vector<Picture> pictures;
    std::vector<int> sides;
};

// Lays rows out top to bottom; each picture appears at every side, first at 100 % and
// then at 200 %, the latter shown pixel for pixel.
class Sheet {
  public:
    explicit Sheet(QPainter &painter) : p(painter) {}

    void Add(const Row &row) {
        p.setPen(QColor(60, 60, 60));
        p.drawText(QPointF(12, y + 14), row.title);
        y += 22;
        int rowHeight = 0;
        for (qreal dpr : {1.0, 2.0}) {
            int x = 12;
            for (int side : row.sides) {
                for (const Picture &picture : row.pictures) {
                    QPixmap pixmap = picture(QSize(side, side), dpr);
                    pixmap.setDevicePixelRatio(1);
                    p.drawPixmap(x, y, pixmap);
                    x += pixmap.width() + 8;
                    rowHeight = std::max(rowHeight, pixmap.height());
                }
                x += 16;
            }
            y += rowHeight + 10;
            rowHeight = 0;
        }
        y += 8;
    }

    int y = 10;

  private:
    QPainter &p;
};

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <sheet.png>\n", argv[0]);
        return 2;
    }
    int qtArgc = 3;
    char platformOption[] = "-platform", offscreen[] = "offscreen";
    char *qtArgv[] = {argv[0], platformOption, offscreen, nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    QImage image(1900, 2300, QImage::Format_RGB32);
    image.fill(QColor(239, 239, 239));
    QPainter painter(&image);
    Sheet sheet(painter);

    painter.drawImage(12, 10, Artwork::MoonBitmap(Artwork::MoonBitmapSide));
    sheet.y += Artwork::MoonBitmapSide + 12;

    Row phases{"Moon phases 0..8", {}, {17, 56}};
    for (int phase = 0; phase <= 8; ++phase)
        phases.pictures.push_back(
            [phase](QSize s, qreal dpr) { return Artwork::MoonPhaseButton(phase, s, dpr); });
    sheet.Add(phases);

    Row buttons{"Buttons", {}, {16, 24, 48}};
    using Artwork::ButtonKind;
    for (ButtonKind kind :
         {ButtonKind::PreviousYear, ButtonKind::NextYear, ButtonKind::Today,
          ButtonKind::YearCalendars, ButtonKind::Options, ButtonKind::About, ButtonKind::Exit})
        buttons.pictures.push_back(
            [kind](QSize s, qreal dpr) { return Artwork::ButtonPicture(kind, s, dpr); });
    sheet.Add(buttons);

    Row calendars{"Calendars", {}, {121}};
    for (int id = 1; id <= 4; ++id)
        calendars.pictures.push_back(
            [id](QSize s, qreal dpr) { return Artwork::CalendarPicture(id, s, dpr); });
    sheet.Add(calendars);
    sheet.Add({"Calendars, year windows", {calendars.pictures}, {200}});

    sheet.Add({"Program", {&Artwork::ProgramPicture}, {16, 24, 32, 48, 96}});

    painter.end();
    if (!image.copy(0, 0, image.width(), sheet.y).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
