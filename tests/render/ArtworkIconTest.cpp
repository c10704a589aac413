#include <gtest/gtest.h>

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "qt/common/Artwork.h"

namespace {

struct TTransparency {
    int Clear = 0;
    int Opaque = 0;
};

TTransparency Count(const QImage& picture)
{
    TTransparency count;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            count.Clear += qAlpha(argb.pixel(x, y)) == 0;
            count.Opaque += qAlpha(argb.pixel(x, y)) == 255;
        }
    return count;
}

// The icon at a logical size and ratio must be the picture drawn for that size, unscaled
// (compared premultiplied, as pixmaps hold them).
void ExpectDrawnPicture(const QIcon& icon, int side, int ratio, QIcon::Mode mode, const QImage& drawn)
{
    const QImage shown = icon.pixmap(QSize(side, side), ratio, mode).toImage();
    ASSERT_EQ(shown.size(), QSize(side, side) * ratio);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

const TButtonGlyph AllGlyphs[] = {TButtonGlyph::Tick, TButtonGlyph::Cross, TButtonGlyph::Globe, TButtonGlyph::Save};

TEST(ArtworkIconTest, CommandIconsArePicturesOnTransparencyAtBothRatios)
{
    std::vector<QImage> seen;
    for (int which = 0; which < CommandCount; ++which) {
        const QIcon icon = CommandIcon(static_cast<TCommandId>(which));
        ASSERT_FALSE(icon.isNull());
        for (const int ratio : {1, 2}) {
            const QImage picture = icon.pixmap(QSize(16, 16), ratio).toImage();
            ASSERT_EQ(picture.size(), QSize(16, 16) * ratio);
            const TTransparency count = Count(picture);
            EXPECT_GT(count.Clear, 0) << which;
            EXPECT_GT(count.Opaque, 16 * ratio * ratio) << which;
            if (ratio == 1) {
                for (const QImage& other : seen)
                    EXPECT_NE(picture, other) << "icon " << which << " repeats another";
                seen.push_back(picture);
            }
        }
    }
}

TEST(ArtworkIconTest, DoubleSizeIconsAreDrawnNotEnlarged)
{
    ExpectDrawnPicture(CommandIcon(TCommandId::Hint), 16, 2, QIcon::Normal, QImage(":/IconHint@2x.png"));
    ExpectDrawnPicture(ProgramIcon(), 32, 2, QIcon::Normal, QImage(":/icons/tesuli-64.png"));
    ExpectDrawnPicture(ButtonGlyph(TButtonGlyph::Tick), 16, 2, QIcon::Normal, QImage(":/GlyphTick@2x.png").copy(0, 0, 32, 32));
}

TEST(ArtworkIconTest, ProgramIconHasEverySizeWithTransparency)
{
    const QIcon icon = ProgramIcon();
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        const QImage picture = icon.pixmap(QSize(side, side), 1).toImage();
        ASSERT_EQ(picture.size(), QSize(side, side));
        const TTransparency count = Count(picture);
        EXPECT_GT(count.Clear, side * side / 4) << side;
        EXPECT_GT(count.Opaque, side * side / 10) << side;
    }
}

// The program icon is a red character with a dark purple edge.
TEST(ArtworkIconTest, ProgramIconIsRedWithADarkPurpleOutline)
{
    const QImage picture = ProgramIcon().pixmap(QSize(32, 32), 1).toImage().convertToFormat(QImage::Format_ARGB32);
    int red = 0, purple = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) < 255)
                continue;
            red += qRed(p) > 200 && qGreen(p) < 40 && qBlue(p) < 40;
            purple += qRed(p) < 0x60 && qRed(p) > 0x30 && qGreen(p) < 0x10 && qBlue(p) > 0x30 && qBlue(p) < 0x60;
        }
    EXPECT_GT(red, 60);
    EXPECT_GT(purple, 40);
}

TEST(ArtworkIconTest, ButtonGlyphsHaveANormalAndAGreyedLook)
{
    for (const TButtonGlyph which : AllGlyphs) {
        const QIcon icon = ButtonGlyph(which);
        for (const int ratio : {1, 2}) {
            const QImage normal = icon.pixmap(QSize(16, 16), ratio, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage greyed = icon.pixmap(QSize(16, 16), ratio, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(normal.size(), QSize(16, 16) * ratio);
            ASSERT_EQ(greyed.size(), QSize(16, 16) * ratio);
            EXPECT_GT(Count(normal).Clear, 0) << int(which);
            EXPECT_NE(normal, greyed) << int(which);
            bool colourful = false, grey = true;
            for (int y = 0; y < normal.height(); ++y)
                for (int x = 0; x < normal.width(); ++x) {
                    const QRgb n = normal.pixel(x, y), g = greyed.pixel(x, y);
                    colourful |= qAlpha(n) == 255 && QColor(n).saturation() > 100;
                    grey &= qAlpha(g) == 0 || (qRed(g) == qGreen(g) && qGreen(g) == qBlue(g));
                }
            EXPECT_TRUE(colourful) << int(which);
            EXPECT_TRUE(grey) << int(which);
        }
    }
}

}  // namespace
