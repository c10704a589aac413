#include <gtest/gtest.h>

#include <optional>

#include "app/DialogPlacement.h"

namespace {

struct TPlacementCase {
    const char* Name;
    TDeviceSize Designed;
    TDeviceRect Available;
    std::optional<TDeviceRect> Board;
    TDialogPlace Expected;
};

constexpr TFrameExtents Frame{4, 30, 4, 4};

// A dialog opens wholly on the screen, frame and title bar included, at its designed size where
// that fits; the Progress window covers as little of the board as it can.
TEST(PlaceDialog, WhollyWithinTheAvailableAreaAndOffTheBoardWhereItCan)
{
    const TPlacementCase cases[] = {
        {"fits, centred", {400, 300}, {0, 0, 1280, 1024}, std::nullopt, {{440, 375, 400, 300}, false}},
        {"scale 2 on 1280 x 1024 less a task bar", {1832, 1506}, {0, 0, 1280, 984}, std::nullopt,
         {{4, 30, 1272, 950}, true}},
        {"too wide on an area that does not start at 0", {1000, 200}, {100, 50, 800, 600}, std::nullopt,
         {{104, 263, 792, 200}, true}},
        // Beside the board to the right and below it both leave it free; below is nearer.
        {"room below the board", {392, 266}, {0, 0, 1280, 1024}, TDeviceRect{100, 100, 600, 400},
         {{204, 530, 392, 266}, false}},
        {"room only right of it", {392, 266}, {0, 0, 1280, 700}, TDeviceRect{100, 100, 600, 400},
         {{704, 180, 392, 266}, false}},
        // Too large to leave it free: as little of it covered as can be, at the screen's edge.
        {"the designed Progress window at scale 1", {916, 753}, {0, 0, 1280, 1024}, TDeviceRect{340, 300, 605, 420},
         {{4, 147, 916, 753}, false}},
    };
    for (const TPlacementCase& test : cases) {
        SCOPED_TRACE(test.Name);
        const TDialogPlace place = PlaceDialog(test.Designed, Frame, test.Available, test.Board);
        EXPECT_EQ(place, test.Expected);
        const TDeviceRect& area = test.Available;
        EXPECT_TRUE(place.Client.Left - Frame.Left >= area.Left && place.Client.Top - Frame.Top >= area.Top &&
                    place.Client.Left + place.Client.Width + Frame.Right <= area.Left + area.Width &&
                    place.Client.Top + place.Client.Height + Frame.Bottom <= area.Top + area.Height);
    }
}

}  // namespace
