// Where the items of a radio group stand, as every front end places them.
#include <gtest/gtest.h>

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
    const auto background = [](int index) { return BackgroundPreviewName(static_cast<uint8_t>(index)); };
    const struct {
        std::string From;
        TArrow Arrow;
        std::string To;
    } cases[] = {
        {background(0), TArrow::Down, background(1)},
        {background(2), TArrow::Down, background(0)},
        {background(0), TArrow::Up, background(2)},
        {background(0), TArrow::Right, background(3)},
        {background(4), TArrow::Right, background(1)},
        {background(5), TArrow::Left, background(2)},
        {background(1), TArrow::Left, background(4)},
        {background(4), TArrow::Up, background(3)},
        {FacePreviewName(1), TArrow::Down, FacePreviewName(0)},
        {FacePreviewName(0), TArrow::Up, FacePreviewName(1)},
        {FacePreviewName(0), TArrow::Down, FacePreviewName(1)},
        {FacePreviewName(0), TArrow::Right, FacePreviewName(0)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.From + " " + std::to_string(static_cast<int>(test.Arrow)));
        EXPECT_EQ(options.StepInGroup(test.From, test.Arrow).Name, test.To);
    }
}

}  // namespace
