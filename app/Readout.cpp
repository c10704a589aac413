#include "app/Readout.h"

#include "app/MainWindowLayout.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int HitCentreX = 21;
constexpr int HitCentreY = 25;
// Board pixels of the same tile wanted around the point given, so that a board shown smaller, whose
// screen pixels are rounded to board pixels, still presses that tile there; less where the tile
// shows less.
constexpr int PressMargins[] = {3, 2, 1, 0};

struct TOffset {
    int X;
    int Y;
};

// The points of a tile's hit zone as offsets from its centre, nearest first.
const std::vector<TOffset>& OffsetsByDistance()
{
    static const std::vector<TOffset> offsets = [] {
        std::vector<TOffset> all;
        for (int y = 2 - HitCentreY; y <= 49 - HitCentreY; ++y)
            for (int x = 6 - HitCentreX; x <= 37 - HitCentreX; ++x)
                all.push_back({x, y});
        std::stable_sort(all.begin(), all.end(),
                         [](TOffset a, TOffset b) { return a.X * a.X + a.Y * a.Y < b.X * b.X + b.Y * b.Y; });
        return all;
    }();
    return offsets;
}

// Where a press takes tile n: the point nearest its centre with the widest margin of the tile
// around it. None for a tile whose zone higher ones cover whole.
std::optional<TOffset> PressPoint(const TGame& game, uint8_t n)
{
    const TTileOrigin origin = TileOrigin(game.Tiles[n]);
    const auto takes = [&](int x, int y) { return game.TileAtPoint(x, y) == n; };
    for (const int margin : PressMargins)
        for (const TOffset offset : OffsetsByDistance()) {
            const int x = origin.Left + HitCentreX + offset.X;
            const int y = origin.Top + HitCentreY + offset.Y;
            if (takes(x, y) && takes(x - margin, y) && takes(x + margin, y) && takes(x, y - margin) &&
                takes(x, y + margin))
                return TOffset{x, y};
        }
    return std::nullopt;
}

}  // namespace

void TReadoutText::Status(int panel, std::string_view text)
{
    Text.append("status ").append(std::to_string(panel)).append(" ").append(text).append("\n");
}

void TReadoutText::FreeTiles(const TGame& game, const TBoardToScreen& toScreen)
{
    for (int n = 1; n <= TileCount; ++n) {
        const auto number = static_cast<uint8_t>(n);
        if (!game.IsFree(number))
            continue;
        const std::optional<TOffset> point = PressPoint(game, number);
        if (!point)
            continue;
        const TScreenPoint centre = toScreen(point->X, point->Y);
        const uint8_t face = game.Tiles[number].Face;
        Text += "tile " + std::to_string(n) + ' ' + std::to_string(face) + ' ' + std::to_string(centre.X) + ' ' +
                std::to_string(centre.Y) + ' ' + std::string(KanaCatalogue[game.FaceKanaIds[face]].Reading) + '\n';
    }
}

void TReadoutText::Chart(const TProgressChart& chart)
{
    for (const TChartCell& cell : chart.Cells)
        Text.append("chart ").append(cell.Reading).append(cell.TimeText.empty() ? "" : " " + cell.TimeText).append("\n");
}

void TReadoutText::Widget(std::string_view window, std::string_view control, int left, int top, int width, int height)
{
    Text.append("widget ").append(window).append(".").append(control);
    Text += ' ' + std::to_string(left) + ' ' + std::to_string(top) + ' ' + std::to_string(width) + ' ' +
            std::to_string(height) + '\n';
}

void TReadoutText::ControlText(std::string_view window, std::string_view control, std::string_view text)
{
    Text.append("text ").append(window).append(".").append(control).append(" ").append(text).append("\n");
}

void TReadoutText::ToolButton(TCommandId command, int left, int top, int width, int height)
{
    Widget(MainFormName, "Tool." + std::string(LookOf(command).ActionName), left, top, width, height);
}

void TReadoutText::MenuItem(TCommandId command, int left, int top, int width, int height)
{
    Widget(MainFormName, "Menu." + std::string(LookOf(command).ActionName), left, top, width, height);
}

void TReadoutText::MenuTitle(size_t menu, int left, int top, int width, int height)
{
    Widget(MainFormName, Menus.at(menu).Name, left, top, width, height);
}

std::string TReadoutText::Finish()
{
    std::string finished;
    finished.swap(Text);
    return finished + "end\n";
}
