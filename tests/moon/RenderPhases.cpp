// Not a check: draws the window at ages across the month, on the real "Moon.bmp"
// and on the substitute disc, into PNG files for looking them over. Run with
//   orvanta_test_moon --gtest_also_run_disabled_tests --gtest_filter='*Render*'
// The pictures land in the temporary folder, under orvanta-moon-renders.
#include "MoonFixture.h"

#include "engine/ChangeCals.h"
#include "platform/FormRef.h"
#include "platform/core/Program.h"

#include <QDir>
#include <QPainter>

namespace MoonTest {
namespace {

// One sheet of every age, and each age on its own at twice the size.
QImage Sheet(const std::vector<float> &ages, MoonWindow &moon, const QString &prefix) {
    const QSize cell = moon.grab().size();
    constexpr int Columns = 6;
    const int rows = (static_cast<int>(ages.size()) + Columns - 1) / Columns;
    QImage sheet(cell.width() * Columns, cell.height() * rows, QImage::Format_RGB32);
    sheet.fill(Qt::gray);
    QPainter painter(&sheet);
    for (size_t i = 0; i < ages.size(); ++i) {
        ChangeCals::MoonAge = ages[i];
        moon.ReSetForm();
        const int k = static_cast<int>(i);
        const QPixmap drawn = moon.grab();
        painter.drawPixmap((k % Columns) * cell.width(), (k / Columns) * cell.height(), drawn);
        drawn.scaled(drawn.size() * 2)
            .save(prefix + QStringLiteral("-%1.png").arg(ages[i], 0, 'f', 2));
    }
    return sheet;
}

class RenderPhases : public MoonWindowTest {};

TEST_F(RenderPhases, DISABLED_ToPngFiles) {
    const QDir out(QDir::temp().filePath("orvanta-moon-renders"));
    ASSERT_TRUE(out.mkpath("."));
    std::vector<float> ages;
    for (float age = 0; age < 29.530588f; age += 1.25f)
        ages.push_back(age);
    for (float edge : {0.51f, 6.88f, 6.89f, 7.88f, 7.89f, 14.26f, 14.27f, 15.27f, 15.28f, 21.64f,
                       21.65f, 22.65f, 22.66f, 29.03f, 29.04f})
        ages.push_back(edge);

    platform::SetProgramFolder(QStringLiteral(ORVANTA_PROGRAM_DIR));
    ASSERT_TRUE(Sheet(ages, Moon(), out.filePath("bitmap")).save(out.filePath("moon-bitmap.png")));
    EXPECT_TRUE(alerts.Messages.empty());

    platform::DestroyAllForms();
    platform::SetProgramFolder(QDir::temp().filePath("orvanta-moon-renders/no-such-folder"));
    ASSERT_TRUE(
        Sheet(ages, Moon(), out.filePath("substitute")).save(out.filePath("moon-substitute.png")));
    EXPECT_EQ(alerts.Messages.size(), 1u);
}

} // namespace
} // namespace MoonTest
