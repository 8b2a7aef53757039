#include "print/print_renderer.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

namespace qm530::print {
namespace {

constexpr int kDpi = 144;

class PrintRenderer : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "print_renderer_test";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (QGuiApplication::instance() == nullptr) new QGuiApplication(argc, argv);
    }

    // A white page of 8 x 10 inches at 144 dpi.
    static QImage Paper() {
        QImage image(8 * kDpi, 10 * kDpi, QImage::Format_RGB32);
        const int dotsPerMeter = static_cast<int>(std::lround(kDpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        return image;
    }

    // Rows with at least `minDark` dark pixels.
    static std::vector<int> DarkRows(const QImage& image, int minDark) {
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y) {
            int dark = 0;
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            if (dark >= minDark) rows.push_back(y);
        }
        return rows;
    }
};

TEST_F(PrintRenderer, AreaAndFontsFollowTheDevice) {
    const QImage paper = Paper();
    const PrintableArea area = AreaOfDevice(paper);
    EXPECT_EQ(area.height, 14400);
    EXPECT_EQ(area.width, 11520);
    const PageFonts fonts = FontsForArea(area);
    const QFont font = PrintFont(fonts.large, paper);
    EXPECT_EQ(font.pixelSize(), 320 * kDpi / 1440);  // 14400 / 45 twips
    // Through the width scale the average character is W / 66 wide.
    const double average =
        QFontMetricsF(font, &paper).averageCharWidth() * WidthScale(font, fonts.large, paper);
    EXPECT_NEAR(average, (11520 / 66) * kDpi / 1440.0, 0.01);

    const PageMetrics m = MeasurePage(paper);
    EXPECT_GT(m.largeLine, fonts.large.height);
    EXPECT_GT(m.smallLine, fonts.small.height);
    EXPECT_LT(m.smallLine, m.largeLine);
}

TEST_F(PrintRenderer, RulesAndTextsLandWhereTheLayoutPutsThem) {
    QImage paper = Paper();
    PrintData data;
    data.owner = "Owner";
    {
        QPainter painter(&paper);
        DrawPage(painter, data, 1);
    }
    const PageMetrics m = MeasurePage(paper);
    const int c = m.Column();
    const int l1 = m.largeLine;
    // Only the three rules (55 C long) darken more than half of a row.
    const std::vector<int> rules = DarkRows(paper, paper.width() / 2);
    ASSERT_EQ(rules.size(), 3u);
    const auto row = [&](int y) { return static_cast<int>(-y * kDpi / 1440.0); };
    EXPECT_NEAR(rules[0], row(-2 * l1 - 50), 1);
    EXPECT_NEAR(rules[1], row(-2 * l1 - 120), 1);
    EXPECT_NEAR(rules[2], row(l1 / 2 - 36 * l1), 1);
    int left = paper.width();
    for (int x = 0; x < paper.width(); ++x) {
        if (qGray(paper.pixel(x, rules[0])) < 128) {
            left = x;
            break;
        }
    }
    EXPECT_NEAR(left, 5 * c * kDpi / 1440, 1);

    // Ink of the title lies above the first rule, the footer's below the last.
    const std::vector<int> inked = DarkRows(paper, 1);
    ASSERT_FALSE(inked.empty());
    EXPECT_GE(inked.front(), row(-l1) - 1);
    EXPECT_LT(inked.front(), rules[0]);
    EXPECT_GT(inked.back(), rules[2]);
    EXPECT_GE(inked.back(), row(-36 * l1));
}

}  // namespace
}  // namespace qm530::print
