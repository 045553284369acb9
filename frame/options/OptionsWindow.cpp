#include "frame/options/OptionsWindow.h"

#include "artwork/Artwork.h"
#include "engine/Calc.h"
#include "engine/Texts.h"
#include "frame/AppState.h"
#include "frame/Language.h"
#include "frame/Pictures.h"
#include "platform/Screen.h"

#include <QSize>

platform::FormRef<OptionsWindow> frmOptions;

namespace {

// The layout, in twips: the Moslem variants across the top; below them the
// first-week-day rows on the left, language and startup window on the right; the
// tooltip switch and the two picture buttons along the bottom.
constexpr int Margin = 180;
constexpr int InnerWidth = 7560;
constexpr int InnerHeight = 5640;
constexpr int FullWidth = InnerWidth - 2 * Margin;
constexpr int Inset = 150;
constexpr int FrameCaption = 300;
constexpr int ListHeight = 330;

constexpr int MoslemTop = 120;
constexpr int MoslemHeight = 2460;
constexpr int ExplanationHeight = 540;
constexpr int OptionHeight = 720;

constexpr int LowerTop = MoslemTop + MoslemHeight + 120;
constexpr int WeekFrameWidth = 4080;
constexpr int RowStep = 450;
constexpr int NameWidth = 2460;
constexpr int WeekListWidth = 1200;
constexpr int WeekFrameHeight = FrameCaption + 4 * RowStep + 90;

constexpr int RightLeft = Margin + WeekFrameWidth + 120;
constexpr int RightWidth = InnerWidth - Margin - RightLeft;
constexpr int ListFrameHeight = FrameCaption + ListHeight + 240;

constexpr int BottomTop = LowerTop + WeekFrameHeight + 150;
constexpr int ButtonWidth = 900;
constexpr int ButtonHeight = 540;

const QString CrLf = QStringLiteral("\r\n");

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

QString Label(Texts::LabelText entry) {
    return Text(Texts::LabelTexts[entry]);
}

// Two lines, or the second alone when the first is empty.
QString TwoLines(Texts::LabelText first, Texts::LabelText second) {
    return Label(first).isEmpty() ? Label(second) : Label(first) + CrLf + Label(second);
}

QIcon Picture(Artwork::ButtonKind kind) {
    const QSize side(platform::TwipsToPixels(ButtonHeight - 120),
                     platform::TwipsToPixels(ButtonHeight - 120));
    return Start::SharpPicture(
        [kind, side](qreal ratio) { return Artwork::ButtonPicture(kind, side, ratio); });
}

} // namespace

OptionsWindow::OptionsWindow()
    : Form(QStringLiteral("frmOptions")), Frame1(this, QStringLiteral("Frame1")),
      Label1(&Frame1, QStringLiteral("Label1")), Option1(&Frame1, QStringLiteral("Option1")),
      Option2(&Frame1, QStringLiteral("Option2")), Frame2(this, QStringLiteral("Frame2")),
      Label2(&Frame2, QStringLiteral("Label2")), Combo1(&Frame2, QStringLiteral("Combo1")),
      Frame3(this, QStringLiteral("Frame3")), Combo3(&Frame3, QStringLiteral("Combo3")),
      Frame4(this, QStringLiteral("Frame4")), Combo2(&Frame4, QStringLiteral("Combo2")),
      Check1(this, QStringLiteral("Check1")), Command1(this, QStringLiteral("Command1")) {
    SetWidth(InnerWidth);
    SetHeight(InnerHeight);

    Frame1.Move(Margin, MoslemTop, FullWidth, MoslemHeight);
    Label1.Move(Inset, FrameCaption, FullWidth - 2 * Inset, ExplanationHeight);
    Option1.Move(Inset + 120, FrameCaption + ExplanationHeight + 60, FullWidth - 2 * Inset - 120,
                 OptionHeight);
    Option2.Move(Inset + 120, Option1.Top() + OptionHeight + 60, FullWidth - 2 * Inset - 120,
                 OptionHeight);

    Frame2.Move(Margin, LowerTop, WeekFrameWidth, WeekFrameHeight);
    for (int row = 1; row <= 4; ++row) {
        const int top = FrameCaption + (row - 1) * RowStep + 30;
        Label2[row].Move(Inset, top + 30, NameWidth, ListHeight - 30);
        Label2[row].SetBuddy(&Combo1[row]);
        Combo1[row].Move(WeekFrameWidth - Inset - WeekListWidth, top, WeekListWidth, ListHeight);
        connect(&Combo1[row], &platform::ComboBox::Click, this, [this, row] { Combo1_Click(row); });
    }

    Frame3.Move(RightLeft, LowerTop, RightWidth, ListFrameHeight);
    Combo3.Move(Inset, FrameCaption + 60, RightWidth - 2 * Inset, ListHeight);
    Frame4.Move(RightLeft, LowerTop + ListFrameHeight + 90, RightWidth, ListFrameHeight);
    Combo2.Move(Inset, FrameCaption + 60, RightWidth - 2 * Inset, ListHeight);

    Check1.Move(Margin + Inset, BottomTop + 105, WeekFrameWidth, ListHeight);
    Command1[2].Move(InnerWidth - Margin - ButtonWidth, BottomTop, ButtonWidth, ButtonHeight);
    Command1[1].Move(Command1[2].Left() - 120 - ButtonWidth, BottomTop, ButtonWidth, ButtonHeight);
    Command1[1].SetPicture(Picture(Artwork::ButtonKind::Apply));
    Command1[2].SetPicture(Picture(Artwork::ButtonKind::Close));

    connect(&Option1, &platform::OptionButton::Click, this, [this] { NewMoslemType = 1; });
    connect(&Option2, &platform::OptionButton::Click, this, [this] { NewMoslemType = 2; });
    for (int index = 1; index <= 2; ++index)
        connect(&Command1[index], &platform::CommandButton::Click, this,
                [this, index] { Command1_Click(index); });
}

void OptionsWindow::Form_Load() {
    using namespace Texts;
    SetCaption(Label(LabelOptionsCaption));
    Frame1.SetCaption(Label(LabelMoslemFrame));
    Label1.SetCaption(Label(LabelMoslemExplanation));
    Option1.SetCaption(TwoLines(LabelMoslemType1Line1, LabelMoslemType1Line2));
    Option2.SetCaption(TwoLines(LabelMoslemType2Line1, LabelMoslemType2Line2));
    Frame2.SetCaption(Label(LabelFirstWeekDayFrame));
    Frame3.SetCaption(Label(LabelLanguageFrame));
    Frame4.SetCaption(Label(LabelStartupFrame));
    Check1.SetCaption(Label(LabelShowTips));
    Command1[1].SetAccessibleName(Text(StringTexts[TextApply]));
    Command1[2].SetAccessibleName(Text(StringTexts[TextClose]));

    NewMoslemType = Calc::MoslemType;
    NewLanguage = Start::LanguageName;

    for (int row = 1; row <= 4; ++row) {
        const int16_t cal = Start::ColumnCals[row];
        Label2[row].SetCaption(Text(CalendarNames[cal]));
        for (int day = 1; day <= 7; ++day)
            Combo1[row].AddItem(Text(WeekDayAbbrs[day]));
        Combo1[row].SetItemData(0, cal);
        Combo1[row].SetListIndex(Calc::FirstWeekDay[cal] - 1);
    }

    Combo2.AddItem(Text(CalendarNames[5]));
    for (int cal = 1; cal <= 4; ++cal)
        Combo2.AddItem(Text(CalendarNames[cal]));

    if (Calc::MoslemType != 1)
        Option2.SetValue(true);
    else
        Option1.SetValue(true);

    for (const QString &language : Start::LanguageNames())
        Combo3.AddItem(language);

    Combo2.SetListIndex(Start::StartupWindow);
    Check1.SetValue(Start::ShowTips);

    SetTop((platform::ScreenHeight() - Height()) / 3);
    SetLeft((platform::ScreenWidth() - Width()) / 2);

    Combo3.SetText(Start::LanguageName);
}

void OptionsWindow::Combo1_Click(int row) {
    const int32_t cal = Combo1[row].ItemData(0);
    if (cal >= 1 && cal <= 4)
        NewFirstWeekDay[cal] = static_cast<int16_t>(Combo1[row].ListIndex() + 1);
}

// Inside the class its name is the class; the instance is the global of that name.
void OptionsWindow::Command1_Click(int index) {
    if (index == 1 && !ApplyOptions()) return;
    frmOptions.Destroy();
}

namespace Start {

void ShowOptions() {
    frmOptions->Show();
}

} // namespace Start
