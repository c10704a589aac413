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

// The arrow keys go round the previews of one group only: a face style never steps to a texture.
TEST(StepInGroup, ArrowsGoRoundThePreviewsOfTheirGroup)
{
    const TScreen& options = OptionsScreen();
    const struct {
        std::string From;
        int Step;
        std::string To;
    } cases[] = {
        {BackgroundPreviewName(0), 1, BackgroundPreviewName(1)},
        {BackgroundPreviewName(0), -1, BackgroundPreviewName(5)},
        {BackgroundPreviewName(5), 1, BackgroundPreviewName(0)},
        {FacePreviewName(1), 1, FacePreviewName(0)},
        {FacePreviewName(0), -1, FacePreviewName(1)},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.From + " " + std::to_string(test.Step));
        EXPECT_EQ(options.StepInGroup(test.From, test.Step).Name, test.To);
    }
}

}  // namespace
