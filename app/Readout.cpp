#include "app/Readout.h"

#include "app/MainWindowLayout.h"

namespace {

constexpr int HitCentreX = 21;
constexpr int HitCentreY = 25;

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
        const TTileOrigin origin = TileOrigin(game.Tiles[number]);
        const TScreenPoint centre = toScreen(origin.Left + HitCentreX, origin.Top + HitCentreY);
        const uint8_t face = game.Tiles[number].Face;
        Text += "tile " + std::to_string(n) + ' ' + std::to_string(face) + ' ' + std::to_string(centre.X) + ' ' +
                std::to_string(centre.Y) + ' ' + std::string(KanaCatalogue[game.FaceKanaIds[face]].Reading) + '\n';
    }
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
