#include "app/DialogPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

int64_t Overlap(const TDeviceRect& a, const TDeviceRect& b)
{
    const int64_t width = std::min(a.Left + a.Width, b.Left + b.Width) - std::max(a.Left, b.Left);
    const int64_t height = std::min(a.Top + a.Height, b.Top + b.Height) - std::max(a.Top, b.Top);
    return std::max<int64_t>(width, 0) * std::max<int64_t>(height, 0);
}

// Where a window of that extent may start along one axis: flush with either edge of the room,
// beside the board on either side, and centred on the board, each kept within the room.
std::vector<int32_t> Starts(int32_t roomStart, int32_t roomLength, int32_t length, int32_t boardStart,
                            int32_t boardLength)
{
    const int32_t last = roomStart + roomLength - length;
    std::vector<int32_t> starts;
    for (const int32_t start : {boardStart + (boardLength - length) / 2, boardStart + boardLength,
                                boardStart - length, roomStart, last})
        starts.push_back(std::clamp(start, roomStart, std::max(roomStart, last)));
    return starts;
}

}  // namespace

TDialogPlace PlaceDialog(TDeviceSize designed, TFrameExtents frame, TDeviceRect available,
                         std::optional<TDeviceRect> board)
{
    const int32_t frameWidth = frame.Left + frame.Right, frameHeight = frame.Top + frame.Bottom;
    const TDeviceSize client{std::max(1, std::min(designed.Width, available.Width - frameWidth)),
                             std::max(1, std::min(designed.Height, available.Height - frameHeight))};
    const TDeviceSize outer{client.Width + frameWidth, client.Height + frameHeight};
    TDevicePoint at{available.Left + (available.Width - outer.Width) / 2,
                    available.Top + (available.Height - outer.Height) / 2};
    if (board) {
        int64_t least = std::numeric_limits<int64_t>::max(), nearest = least;
        const auto middle = [](int32_t start, int32_t length) { return int64_t{2} * start + length; };
        for (const int32_t x : Starts(available.Left, available.Width, outer.Width, board->Left, board->Width))
            for (const int32_t y : Starts(available.Top, available.Height, outer.Height, board->Top, board->Height)) {
                const int64_t covered = Overlap({x, y, outer.Width, outer.Height}, *board);
                const int64_t dx = middle(x, outer.Width) - middle(board->Left, board->Width);
                const int64_t dy = middle(y, outer.Height) - middle(board->Top, board->Height);
                const int64_t distance = dx * dx + dy * dy;
                if (covered < least || (covered == least && distance < nearest)) {
                    least = covered;
                    nearest = distance;
                    at = {x, y};
                }
            }
    }
    return {{at.X + frame.Left, at.Y + frame.Top, client.Width, client.Height},
            client.Width < designed.Width || client.Height < designed.Height};
}
