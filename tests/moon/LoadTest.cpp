#include "MoonFixture.h"

#include "frame/AppState.h"

#include <QDir>

namespace MoonTest {
namespace {

constexpr int Circle = 3;
constexpr int Solid = 0;
constexpr QRgb LightYellow = qRgb(255, 255, 192);

TEST_F(MoonWindowTest, LoadsTheBitmapQuietly) {
    EXPECT_EQ(Moon().Caption(), QStringLiteral("Moon"));
    EXPECT_TRUE(alerts.Messages.empty());
    EXPECT_FALSE(Moon().Shape2.Visible());
}

TEST_F(MoonWindowTest, ClientAreaEndsAtThePicture) {
    const platform::PictureBox &picture = Moon().Picture1;
    EXPECT_EQ(Moon().ScaleWidth(), picture.Left() + picture.Width());
    EXPECT_EQ(Moon().ScaleHeight(), picture.Top() + picture.Height());
}

TEST_F(MoonWindowTest, LabelsSitOnThePicture) {
    const platform::PictureBox &picture = Moon().Picture1;
    EXPECT_EQ(Moon().Label2.Width(), picture.Width() + 60);
    EXPECT_EQ(Moon().Label2.Height(), picture.Height() + 60);
    const platform::Label &age = Moon().Label1;
    EXPECT_EQ(age.Top(), picture.Height() - age.Height() - 60);
}

TEST_F(MoonWindowTest, OpensAtItsSavedPlace) {
    platform::DestroyAllForms();
    Start::WinTop[Start::MoonWindowIndex] = 600;
    Start::WinLeft[Start::MoonWindowIndex] = 900;
    EXPECT_EQ(Moon().Top(), 600);
    EXPECT_EQ(Moon().Left(), 900);
}

TEST_F(MoonWindowWithoutBitmap, SaysWhichFileIsMissing) {
    Moon();
    ASSERT_EQ(alerts.Messages.size(), 1u);
    EXPECT_EQ(alerts.Messages[0].Text,
              QDir(folder.path()).filePath("Moon.bmp") + QStringLiteral("\n\nFile not found"));
    EXPECT_EQ(alerts.Messages[0].Title, QStringLiteral("Orvanta"));
}

TEST_F(MoonWindowWithoutBitmap, ShowsALightYellowDiscInstead) {
    const platform::Shape &disc = Moon().Shape2;
    ASSERT_TRUE(disc.Visible());
    EXPECT_EQ(disc.ShapeKind(), Circle);
    EXPECT_EQ(disc.FillStyle(), Solid);
    EXPECT_EQ(disc.BorderWidth(), 1);
    EXPECT_EQ(disc.Left(), 30);
    EXPECT_EQ(disc.Top(), 30);
    EXPECT_EQ(disc.Width(), Moon().Picture1.Width() - 60);
    EXPECT_EQ(disc.Height(), Moon().Picture1.Height() - 60);

    ShowAge(14.8f);
    const QImage drawn = Drawn();
    EXPECT_EQ(drawn.pixel(drawn.width() / 2, drawn.height() / 2), LightYellow);
}

TEST_F(MoonWindowWithoutBitmap, ShadowCoversTheDiscLikeTheMoon) {
    ShowAge(7.4f);
    const QImage drawn = Drawn();
    const int middle = drawn.height() / 2;
    EXPECT_EQ(drawn.pixel(drawn.width() / 4, middle), drawn.pixel(0, 0)) << "left half in shadow";
    EXPECT_EQ(drawn.pixel(drawn.width() * 3 / 4, middle), LightYellow);
}

} // namespace
} // namespace MoonTest
