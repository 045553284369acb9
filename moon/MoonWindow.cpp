#include "moon/MoonWindow.h"

#include "artwork/Artwork.h"
#include "engine/ChangeCals.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/MoonAgeText.h"
#include "frame/Start.h"
#include "frame/WindowManagement.h"
#include "moon/Shadow.h"
#include "platform/Input.h"
#include "platform/Units.h"
#include "platform/core/Alerts.h"
#include "platform/core/Program.h"

#include <QDir>
#include <cstdint>

namespace {

// The sky around the moon in the bitmap: the shadow must vanish into it.
constexpr int32_t Sky = platform::Packed(Artwork::MoonBackground);
// Moonlight: readable on the sky, which is all the label's corner ever shows.
constexpr int32_t AgeInk = platform::Rgb(200, 214, 236);
constexpr int32_t SubstituteRim = platform::Rgb(200, 188, 120);

// The picture box is as large as the bitmap drawn for it.
constexpr int PictureSide = Artwork::MoonBitmapSide * platform::TwipsPerPixel;

QString Text(const std::string &utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

MoonWindow::MoonWindow()
    : MoonForm(QStringLiteral("frmMoon")), Picture1(this, QStringLiteral("Picture1")),
      Shape2(&Picture1, QStringLiteral("Shape2")), Shape1(&Picture1, QStringLiteral("Shape1")),
      Label2(&Picture1, QStringLiteral("Label2")), Label1(&Picture1, QStringLiteral("Label1")) {
    SetBackColor(Sky);
    Picture1.Move(0, 0, PictureSide, PictureSide);
    Picture1.SetBackColor(Sky);

    Shape1.SetFillColor(Sky);
    Shape1.SetBorderColor(Sky);
    Shape1.SetFillStyle(platform::FillSolid);

    Shape2.SetVisible(false);
    Shape2.SetBorderColor(SubstituteRim);

    // Bottom left, where the sky shows at every phase, so the age stays readable.
    Label1.Move(90, 0, 600, 240);
    Label1.SetAlignment(0);
    Label1.SetFontBold(true);
    Label1.SetForeColor(AgeInk);

    Label2.Move(0, 0, PictureSide, PictureSide);

    connect(&Picture1, &platform::PictureBox::DblClick, this, [this] { Picture1_DblClick(); });
    connect(&Picture1, &platform::PictureBox::KeyPress, this,
            [this](int &charCode) { Picture1_KeyPress(charCode); });
    Picture1.SetFocus();
}

void MoonWindow::Form_Load() {
    SetCaption(Text(Texts::LabelTexts[Texts::LabelMoonCaption]));
    const QDir folder(platform::ProgramFolder());
    const QString file = folder.filePath(QStringLiteral("Moon.bmp"));
    if (!Picture1.LoadPicture(file)) {
        platform::MsgBox(file + QStringLiteral("\n\n") +
                             Text(Texts::StringTexts[Texts::TextFileNotFound]),
                         platform::ProgramTitle());
        ShowSubstituteDisc();
    } else {
        // Only a finer copy of the same moon: without it the moon is merely blurrier.
        Picture1.LoadSharpPicture(folder.filePath(QStringLiteral("Moon@2x.bmp")));
    }
    SetHeight(Height() - ScaleHeight() + Picture1.Top() + Picture1.Height());
    SetWidth(Width() - ScaleWidth() + Picture1.Left() + Picture1.Width());
    Label2.SetHeight(Picture1.Height() + 60);
    Label2.SetWidth(Picture1.Width() + 60);
    Label1.SetTop(Picture1.Height() - Label1.Height() - 60);
    Start::PlaceWindow(*this, Start::MoonWindowIndex);
}

void MoonWindow::ShowSubstituteDisc() {
    Shape2.SetShape(platform::ShapeCircle);
    Shape2.SetFillStyle(platform::FillSolid);
    Shape2.SetFillColor(Start::BackColors[3]);
    Shape2.SetBorderWidth(1);
    Shape2.SetHeight(static_cast<float>(Picture1.Height() - 60));
    Shape2.SetWidth(static_cast<float>(Picture1.Width() - 60));
    Shape2.SetTop(30);
    Shape2.SetLeft(30);
    Shape2.SetVisible(true);
}

void MoonWindow::ReSetForm() {
    const float age = ChangeCals::MoonAge;
    const Moon::Shadow shadow = Moon::ShadowOf(age, static_cast<float>(Picture1.Width()),
                                               static_cast<float>(Picture1.Height()));
    // Nothing is painted before the next pass of the event loop, so the picture needs no
    // hiding while the shadow changes; hidden and shown, all of it would be painted again
    // where only the shadow's old and new places change.
    Shape1.SetShape(shadow.Kind);
    if (shadow.FillStyle) Shape1.SetFillStyle(*shadow.FillStyle);
    Shape1.SetBorderWidth(shadow.BorderWidth);
    // A circle's box is squared from its height.
    const float width = shadow.Kind == platform::ShapeCircle ? shadow.Height : shadow.Width;
    Shape1.Move(shadow.Left, shadow.Top, width, shadow.Height);
    Label1.SetCaption(Frame::MoonAgeTenths(age));
}

void MoonWindow::Picture1_DblClick() {
    Frame::ShowMonthlyWindow();
}

void MoonWindow::Picture1_KeyPress(int &charCode) {
    if (charCode == platform::KeyEscape) Hide();
}
