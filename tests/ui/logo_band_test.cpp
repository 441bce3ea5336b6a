#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "support/ui_test_support.h"
#include "ui/main/logo_band.h"

using namespace quorvel;

namespace {

constexpr int kHeight = 58;

// A picture whose every column has its own colour: red = `tag`, green = column index.
QPixmap Striped(int width, int tag)
{
    QImage image(width, kHeight, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < kHeight; ++y) {
            image.setPixel(x, y, qRgb(tag, x, 0));
        }
    }
    return QPixmap::fromImage(image);
}

struct Column {
    int tag;     // which picture shows there
    int source;  // which of its columns
};

// What each band column shows, read from the middle row of the painted band.
std::vector<Column> Paint(int width, const LogoPictures& pictures)
{
    QImage band(width, kHeight, QImage::Format_RGB32);
    band.fill(Qt::black);
    {
        QPainter painter(&band);
        PaintLogoBand(painter, width, pictures);
    }
    std::vector<Column> columns;
    for (int x = 0; x < width; ++x) {
        const QRgb pixel = band.pixel(x, kHeight / 2);
        columns.push_back({qRed(pixel), qGreen(pixel)});
    }
    return columns;
}

constexpr int kPictures = 100;
constexpr int kGradient = 150;
constexpr int kAlgen = 200;

class LogoBandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        m_pictures = std::make_unique<LogoPictures>(
            LogoPictures{Striped(30, kPictures), Striped(7, kGradient), Striped(20, kAlgen)});
    }
    // Made after the application: a pixmap needs one.
    std::unique_ptr<LogoPictures> m_pictures;
};

TEST_F(LogoBandTest, WideBandTilesTheMiddleUpToTheRightPicture)
{
    const auto columns = Paint(100, *m_pictures);
    for (int x = 0; x < 30; ++x) {
        EXPECT_EQ(columns[x].tag, kPictures) << x;
        EXPECT_EQ(columns[x].source, x);
    }
    for (int x = 30; x < 80; ++x) {
        EXPECT_EQ(columns[x].tag, kGradient) << x;
        EXPECT_EQ(columns[x].source, (x - 30) % 7) << x;
    }
    for (int x = 80; x < 100; ++x) {
        EXPECT_EQ(columns[x].tag, kAlgen) << x;
        EXPECT_EQ(columns[x].source, x - 80);
    }
}

TEST_F(LogoBandTest, NarrowBandKeepsTheRightPictureWholeAndCutsTheLeftOne)
{
    struct Case {
        int width;
        int firstPicturesColumn;  // the column of the left picture seen at band column 0
    };
    for (const Case c : {Case{49, 1}, Case{40, 10}, Case{21, 29}}) {
        const auto columns = Paint(c.width, *m_pictures);
        const int algenX = c.width - 20;
        for (int x = 0; x < algenX; ++x) {
            EXPECT_EQ(columns[x].tag, kPictures) << c.width << " @" << x;
            EXPECT_EQ(columns[x].source, c.firstPicturesColumn + x) << c.width << " @" << x;
        }
        for (int x = algenX; x < c.width; ++x) {
            EXPECT_EQ(columns[x].tag, kAlgen) << c.width << " @" << x;
            EXPECT_EQ(columns[x].source, x - algenX);
        }
    }
}

TEST_F(LogoBandTest, BandExactlyAsWideAsBothEndsNeedsNoTile)
{
    const auto columns = Paint(50, *m_pictures);
    EXPECT_EQ(columns[29].tag, kPictures);
    EXPECT_EQ(columns[29].source, 29);
    EXPECT_EQ(columns[30].tag, kAlgen);
    EXPECT_EQ(columns[30].source, 0);
}

TEST_F(LogoBandTest, MissingTileStillPaintsTheEnds)
{
    LogoPictures noTile{m_pictures->pictures, QPixmap(), m_pictures->algen};
    const auto columns = Paint(100, noTile);
    EXPECT_EQ(columns[0].tag, kPictures);
    EXPECT_EQ(columns[99].tag, kAlgen);
}

TEST_F(LogoBandTest, ShippedPicturesFitTheBand)
{
    const LogoPictures shipped = LogoPictures::FromResources();
    for (const QPixmap* picture : {&shipped.pictures, &shipped.gradient, &shipped.algen}) {
        ASSERT_FALSE(picture->isNull());
        EXPECT_EQ(picture->height(), LogoBand::kHeight);
    }
}

}  // namespace
