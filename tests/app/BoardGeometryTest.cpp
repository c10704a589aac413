// Where the board stands in a window of any size, and how device pixels map back to the board's grid.
#include <gtest/gtest.h>

#include "app/BoardGeometry.h"
#include "model/TilePlacement.h"

namespace {

struct TFitCase {
    TDeviceSize Area;
    double Scale;
    TDeviceRect Board;
    double Ratio = 1;
};

// The largest scale that fits, proportions kept, centred in the room left over.
const TFitCase FitCases[] = {
    {{605, 498}, 1.0, {0, 0, 605, 498}},
    {{1210, 996}, 2.0, {0, 0, 1210, 996}},
    {{800, 498}, 1.0, {97, 0, 605, 498}},
    {{605, 900}, 1.0, {0, 201, 605, 498}},
    // Maximised on a 1920 x 1080 screen: the height decides.
    {{1920, 980}, 980.0 / 498, {364, 0, 1191, 980}},
    // At ratio 2 on a 1280 x 1024 screen: the bars' width, less height than designed.
    {{1210, 838}, 838.0 / 498, {96, 0, 1018, 838}},
    {{908, 747}, 1.5, {0, 0, 908, 747}},
    {{1815, 1494}, 3.0, {0, 0, 1815, 1494}},
    // The board at the device ratio, rounded to whole pixels, keeps the ratio: the designed window
    // at 125 %, where the width alone would decide a hair below, and at 175 % where the height
    // would decide a hair above; a pixel more and fitting decides again.
    {{756, 623}, 1.25, {0, 0, 756, 623}, 1.25},
    {{756, 623}, 756.0 / 605, {0, 0, 756, 622}},
    {{1300, 872}, 1.75, {120, 0, 1059, 872}, 1.75},
    {{1300, 873}, 873.0 / 498, {119, 0, 1061, 873}, 1.75},
};

TEST(BoardGeometry, FitsTheLargestBoardCentred)
{
    for (const TFitCase& c : FitCases) {
        const TBoardGeometry geometry(c.Area, c.Ratio);
        SCOPED_TRACE(testing::Message() << c.Area.Width << " x " << c.Area.Height);
        EXPECT_DOUBLE_EQ(geometry.Scale(), c.Scale);
        EXPECT_EQ(geometry.Board(), c.Board);
        EXPECT_EQ(geometry.Area(), c.Area);
    }
}

// Every device pixel of the area belongs to exactly the board pixel drawn over it, the room
// around the board included, and the room reaches past the area's edges.
TEST(BoardGeometry, DevicePixelsMapBackToTheBoardPixelDrawnThere)
{
    for (const TFitCase& c : FitCases) {
        const TBoardGeometry geometry(c.Area, c.Ratio);
        SCOPED_TRACE(testing::Message() << c.Area.Width << " x " << c.Area.Height);
        for (int32_t d = 0; d < c.Area.Width; ++d) {
            const int32_t p = geometry.ToBoard(d, 0).X;
            ASSERT_LE(geometry.ToDevice(p, 0).X, d) << d;
            ASSERT_GT(geometry.ToDevice(p + 1, 0).X, d) << d;
        }
        for (int32_t d = 0; d < c.Area.Height; ++d) {
            const int32_t p = geometry.ToBoard(0, d).Y;
            ASSERT_LE(geometry.ToDevice(0, p).Y, d) << d;
            ASSERT_GT(geometry.ToDevice(0, p + 1).Y, d) << d;
        }
        const TDeviceRect covered = geometry.WithRoom();
        EXPECT_LE(covered.Left, 0);
        EXPECT_LE(covered.Top, 0);
        EXPECT_GE(covered.Left + covered.Width, c.Area.Width);
        EXPECT_GE(covered.Top + covered.Height, c.Area.Height);
    }
}

// The strict edges of a tile's hit zone (left + 5 < px < left + 38, top + 1 < py < top + 50) still
// fall between the right device pixels after a resize: for the tile at (20, 20) in the maximised
// window, board column 26 starts at device column 364 + round(26 * 1.968) = 415.
TEST(BoardGeometry, HitZoneEdgesAfterAResize)
{
    struct TEdge {
        int32_t DeviceX, DeviceY;
        TBoardPoint Board;
    };
    const TBoardGeometry maximised({1920, 980});
    const TEdge edges[] = {
        {414, 42, {25, 21}},   // just left of and above the zone
        {415, 43, {26, 22}},   // its first column and row
        {477, 137, {57, 69}},  // its last column and row
        {478, 138, {58, 70}},  // just right of and below it
    };
    for (const TEdge& e : edges)
        EXPECT_EQ(maximised.ToBoard(e.DeviceX, e.DeviceY), e.Board) << e.DeviceX << ", " << e.DeviceY;
    EXPECT_EQ(maximised.ToDevice(20, 20, TileWidth, TileHeight), (TDeviceRect{403, 39, 79, 111}));
}

TEST(BoardGeometry, WindowOpensAtTheDesignedScaleOrWhatTheScreenLeaves)
{
    struct TCase {
        double Scale;
        TDeviceSize Room, Opening, Smallest;
    };
    const TCase cases[] = {
        {1.0, {1280, 900}, {605, 498}, {605, 249}},
        {1.25, {1920, 1000}, {756, 623}, {756, 311}},
        {2.0, {1280, 838}, {1210, 838}, {1210, 498}},
        {2.0, {1000, 400}, {1000, 400}, {1000, 400}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Scale << " in " << c.Room.Width << " x " << c.Room.Height);
        const TDeviceSize opening = OpeningBoardArea(c.Scale, c.Room);
        EXPECT_EQ(opening, c.Opening);
        EXPECT_EQ(SmallestBoardArea(c.Scale, opening), c.Smallest);
    }
}

}  // namespace
