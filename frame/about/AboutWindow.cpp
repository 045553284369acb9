#include "frame/about/AboutWindow.h"

#include "artwork/Artwork.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/Pictures.h"
#include "platform/Screen.h"
#include "platform/core/Program.h"

#include <QIcon>
#include <QSize>

platform::FormRef<AboutWindow> frmAbout;

namespace {

// The designed layout, in twips: the picture on the left, the texts beside it, the
// button at the bottom right.
constexpr int InnerWidth = 5520;
constexpr int InnerHeight = 3480;
constexpr int Margin = 300;
constexpr int PictureSide = 1200;
constexpr int TextLeft = Margin + PictureSide + Margin;
constexpr int TextWidth = InnerWidth - TextLeft - Margin;
constexpr int ButtonWidth = 1200;
constexpr int ButtonHeight = 375;
constexpr int ButtonBottomMargin = 240;

const QString CrLf = QStringLiteral("\r\n");

// The maker's lines are neutral examples: they name no real person or address.
const QString FreeText = QStringLiteral("One day in four calendars.");
const QString EMail = QStringLiteral("orvanta@example.org");
const QString WebSite = QStringLiteral("https://orvanta.example.org");

QIcon ProgramPicture() {
    const QSize side(platform::TwipsToPixels(PictureSide), platform::TwipsToPixels(PictureSide));
    return Start::SharpPicture(
        [side](qreal ratio) { return Artwork::ProgramPicture(side, ratio); });
}

} // namespace

AboutWindow::AboutWindow()
    : Form(QStringLiteral("frmAbout")), Label1(this, QStringLiteral("Label1")),
      cmdOK(this, QStringLiteral("cmdOK")), Image1(this, QStringLiteral("Image1")) {
    SetWidth(InnerWidth);
    SetHeight(InnerHeight);
    Image1.Move(Margin, Margin, PictureSide, PictureSide);
    Image1.SetStretch(true);
    Image1.SetPicture(ProgramPicture());
    Label1[1].Move(TextLeft, Margin, TextWidth, 480);
    Label1[1].SetFontBold(true);
    Label1[1].SetFontSize(14);
    Label1[2].Move(TextLeft, 800, TextWidth, 285);
    Label1[3].Move(TextLeft, 1200, TextWidth, 1560);
    cmdOK.Move(InnerWidth - Margin - ButtonWidth, InnerHeight - ButtonBottomMargin - ButtonHeight,
               ButtonWidth, ButtonHeight);
    cmdOK.SetCaption(QStringLiteral("OK"));
    cmdOK.SetTabIndex(0);
    connect(&cmdOK, &platform::CommandButton::Click, this, [this] { cmdOK_Click(); });
}

void AboutWindow::Form_Load() {
    SetCaption(QStringLiteral("About ") + platform::ProgramTitle());
    Label1[1].SetCaption(platform::ProgramTitle());
    Label1[2].SetCaption(QStringLiteral("Version "));
    Label1[3].SetCaption(QStringLiteral("Calendar exercise") + CrLf + CrLf + CrLf + FreeText +
                         CrLf + CrLf + QStringLiteral("E-mail: ") + EMail + CrLf +
                         QStringLiteral("Web site: ") + WebSite);
    Label1[2].SetCaption(Label1[2].Caption() + platform::ProgramVersion());
    if (Start::ShowTips != 0)
        cmdOK.SetToolTipText(QString::fromStdString(Texts::StringTexts[Texts::TextClose]));
    SetTop((platform::ScreenHeight() - Height()) / 3);
    SetLeft((platform::ScreenWidth() - Width()) / 2);
}

// Inside the class its name is the class; the instance is the global of that name.
void AboutWindow::cmdOK_Click() {
    frmAbout.Destroy();
}
