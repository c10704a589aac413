// Where the items of a radio group stand, as every front end places them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "app/DialogScreens.h"
#include "app/Screen.h"

namespace {

TControl Group(int items, int columns, TDesignRect rect)
{
    TControl group{TControlKind::RadioGroup, "Group", {}, rect};
    group.Items.assign(static_cast<size_t>(items), "item");
    group.Columns = columns;
    return group;
}

// Top to bottom, then the next column; the rest of the height that does not share evenly is split
// above and below.
TEST(RadioItemPlace, ItemsFillTheColumnsTopToBottomBelowTheCaption)
{
    const TControl five = Group(5, 2, {0, 0, 110, 60});
    EXPECT_EQ(RadioItemPlace(five, 0, 13), (TDesignRect{8, 14, 50, 14}));
    EXPECT_EQ(RadioItemPlace(five, 2, 13), (TDesignRect{8, 42, 50, 14}));
    EXPECT_EQ(RadioItemPlace(five, 3, 13), (TDesignRect{58, 14, 50, 14}));
    EXPECT_EQ(RadioItemPlace(five, 4, 20), (TDesignRect{58, 33, 50, 11}));

    const TControl row = Group(3, 3, {8, 208, 297, 49});
    EXPECT_EQ(RadioItemPlace(row, 2, 13), (TDesignRect{198, 14, 95, 31}));
}

// The arrow keys go round the previews of one group only (a face style never steps to a texture),
// along the row or column of the grid they stand in: the textures stand three high in two columns.
TEST(StepInGroup, ArrowsFollowTheGridOfThePreviewsOfTheirGroup)
{
    const TScreen& options = OptionsScreen();
    // Each step: a preview, an arrow (Up, Down, Left, Right), the preview it reaches.
    const auto check = [&](std::string (*name)(uint8_t), std::string_view steps) {
        for (; !steps.empty(); steps.remove_prefix(std::min<size_t>(4, steps.size()))) {
            SCOPED_TRACE(std::string(steps.substr(0, 3)));
            const TArrow arrow = steps[1] == 'U'   ? TArrow::Up
                                 : steps[1] == 'D' ? TArrow::Down
                                 : steps[1] == 'L' ? TArrow::Left
                                                   : TArrow::Right;
            EXPECT_EQ(options.StepInGroup(name(uint8_t(steps[0] - '0')), arrow).Name, name(uint8_t(steps[2] - '0')));
        }
    };
    check(BackgroundPreviewName, "0D1 2D0 0U2 0R3 4R1 5L2 1L4 4U3");
    check(FacePreviewName, "1D0 0U1 0D1 0R0");
}

}  // namespace
