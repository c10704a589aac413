// Where the board stands in a window of any size, and how device pixels map back to the board's grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "app/BoardGeometry.h"
#include "model/TilePlacement.h"

namespace {

// Maximised at 1920 x 1080; at ratio 2 on 1280 x 1024; the designed window at 125 % and 175 % keeps
// the device ratio, and a pixel more fits again.
const std::tuple<TDeviceSize, double, TDeviceRect, double> FitCases[] = {
    {{605, 498}, 1.0, {0, 0, 605, 498}, 1},
    {{1210, 996}, 2.0, {0, 0, 1210, 996}, 1},
    {{800, 498}, 1.0, {97, 0, 605, 498}, 1},
    {{605, 900}, 1.0, {0, 201, 605, 498}, 1},
    {{1920, 980}, 980.0 / 498, {364, 0, 1191, 980}, 1},
    {{1210, 838}, 838.0 / 498, {96, 0, 1018, 838}, 1},
    {{908, 747}, 1.5, {0, 0, 908, 747}, 1},
    {{1815, 1494}, 3.0, {0, 0, 1815, 1494}, 1},
    {{756, 623}, 1.25, {0, 0, 756, 623}, 1.25},
    {{756, 623}, 756.0 / 605, {0, 0, 756, 622}, 1},
    {{1300, 872}, 1.75, {120, 0, 1059, 872}, 1.75},
    {{1300, 873}, 873.0 / 498, {119, 0, 1061, 873}, 1.75},
};

// Every device pixel, the room around the board included, maps back to the board pixel drawn over
// it, and the room covers the area.
TEST(BoardGeometry, FitsTheLargestBoardCentredAndMapsEveryDevicePixelBack)
{
    for (const auto& [area, scale, board, ratio] : FitCases) {
        const TBoardGeometry geometry(area, ratio);
        SCOPED_TRACE(testing::Message() << area.Width << " x " << area.Height << " at " << ratio);
        EXPECT_DOUBLE_EQ(geometry.Scale(), scale);
        EXPECT_EQ(geometry.Board(), board);
        for (int32_t d = 0; d < area.Width; ++d) {
            const int32_t p = geometry.ToBoard(d, 0).X;
            ASSERT_LE(geometry.ToDevice(p, 0).X, d) << d;
            ASSERT_GT(geometry.ToDevice(p + 1, 0).X, d) << d;
        }
        for (int32_t d = 0; d < area.Height; ++d) {
            const int32_t p = geometry.ToBoard(0, d).Y;
            ASSERT_LE(geometry.ToDevice(0, p).Y, d) << d;
            ASSERT_GT(geometry.ToDevice(0, p + 1).Y, d) << d;
        }
        const TDeviceRect covered = geometry.WithRoom();
        EXPECT_LE(std::max(covered.Left, covered.Top), 0);
        EXPECT_GE(covered.Left + covered.Width, area.Width);
        EXPECT_GE(covered.Top + covered.Height, area.Height);
    }
}

// The strict edges of a tile's hit zone (left + 5 < px < left + 38, top + 1 < py < top + 50) after a
// resize: the tile at (20, 20) maximised, board column 26 at device 364 + round(26 * 1.968) = 415.
TEST(BoardGeometry, HitZoneEdgesAfterAResize)
{
    const TBoardGeometry maximised({1920, 980});
    const std::pair<TDevicePoint, TBoardPoint> edges[] = {
        {{414, 42}, {25, 21}}, {{415, 43}, {26, 22}}, {{477, 137}, {57, 69}}, {{478, 138}, {58, 70}}};
    for (const auto& [device, board] : edges)
        EXPECT_EQ(maximised.ToBoard(device.X, device.Y), board) << device.X << ", " << device.Y;
    EXPECT_EQ(maximised.ToDevice(20, 20, TileWidth, TileHeight), (TDeviceRect{403, 39, 79, 111}));
}

TEST(BoardGeometry, WindowOpensAtTheDesignedScaleOrWhatTheScreenLeaves)
{
    const std::tuple<double, TDeviceSize, TDeviceSize, TDeviceSize> cases[] = {
        {1.0, {1280, 900}, {605, 498}, {605, 249}},
        {1.25, {1920, 1000}, {756, 623}, {756, 311}},
        {2.0, {1280, 838}, {1210, 838}, {1210, 498}},
        {2.0, {1000, 400}, {1000, 400}, {1000, 400}},
    };
    for (const auto& [scale, room, opening, smallest] : cases) {
        EXPECT_EQ(OpeningBoardArea(scale, room), opening) << scale << " in " << room.Width << " x " << room.Height;
        EXPECT_EQ(SmallestBoardArea(scale, opening), smallest) << scale;
    }
}

}  // namespace
