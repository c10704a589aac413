#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "faces/FaceCache.h"
#include "app/MainWindowLayout.h"
#include "model/TilePlacement.h"
#include "tests/support/ExpectedBoard.h"
#include "win32/common/Dpi.h"
#include "tests/win32/TestForm.h"
#include "win32/window/MainUnit.h"
#include "win32/common/SpriteUnit.h"

// The board as the real main window draws it, at the scale its DPI asks for, against the picture
// stated apart with the core's faces: the suite runs at 96, 120, 144 and 192 DPI.
namespace {

class MainWindowBoardTest : public testing::Test, protected TTestForm {
protected:
    UINT Dpi = GetDpiForWindow(Form.Handle());
    double Scale = DeviceScale(Dpi);

    TRgbPicture Expected() const
    {
        std::vector<TTileClass> present;
        for (int n = 1; n <= TileCount; ++n)
            if (Game.Tiles[n].Present)
                present.push_back(Game.Tiles[n]);
        const TDib& textures = ImageForm->BackgroundImage.Image(Scale >= 1.5 ? 2 : 1);
        TFaceCache faces(Scale);
        return ExpectedBoardPixels(
            present, {Game.FaceStyle, Game.Kana, Game.Readings}, Game.BackgroundIndex, Scale,
            [&](int x, int y) { return textures.Pixel(x, y) & 0xffffffu; },
            [&](const TFacePicture& face, int x, int y) { return faces.Face(face).At(x, y) & 0xffffffu; });
    }

    // The index of the first pixel of the window's picture that differs from the expected board
    // (at this scale, filling the board's window).
    int FirstDifference()
    {
        const TDib& actual = Form.BackgroundImage->Shown();
        const TRgbPicture expected = Expected();
        if (actual.Width() != expected.Width || actual.Height() != expected.Height)
            return 0;
        for (int y = 0; y < expected.Height; ++y)
            for (int x = 0; x < expected.Width; ++x)
                if ((actual.Pixel(x, y) & 0xffffffu) != expected.At(x, y))
                    return y * expected.Width + x;
        return -1;
    }

    void Deal(uint8_t map)
    {
        Game.MapNumber = map;
        Game.FaceStyle = map % 2;
        // Every map in other learning modes, mixed boards among them.
        Game.Kana = map % 3;
        Game.Readings = uint8_t((map + map / 3) % 3);
        Game.BackgroundIndex = uint8_t(map % 6);
        Game.CreateTiles();
        Game.DealTiles();
    }
};

// Each run says which DPI it set (96 unless told), lest a DPI setting that did not take hold pass
// for it.
TEST_F(MainWindowBoardTest, RunsAtTheDpiAsked)
{
    const char* asked = std::getenv("TESULI_EXPECT_DPI");
    EXPECT_EQ(Dpi, asked ? static_cast<UINT>(std::atoi(asked)) : 96u);
}

TEST_F(MainWindowBoardTest, EveryMapDealtShowsItsTilesInPlace)
{
    for (uint8_t map = 1; map <= 7; ++map) {
        Deal(map);
        uint8_t first = 0, second = 0;
        ASSERT_TRUE(Game.FindFreePair(first, second));
        Game.Tiles[first].Selected = true;
        Game.Tiles[second].Hinted = true;
        Game.DrawBoard();
        EXPECT_EQ(Form.BackgroundImage->Geometry().Scale(), Scale);
        EXPECT_EQ(FirstDifference(), -1) << "map " << int(map) << " at " << Dpi << " DPI";
    }
}

// The client area keeps the board's size in the window's pixels, below the cool bar: at the DPI the
// window was made at, on a move to a screen of another DPI, and on the way back.
TEST_F(MainWindowBoardTest, WindowAndBoardHaveTheirSizeAtTheDpi)
{
    const UINT other = Dpi == 96 ? 192u : 96u;
    for (const auto& [dpi, moved] : {std::pair{Dpi, false}, std::pair{other, true}, std::pair{Dpi, true}}) {
        if (moved) {
            // What the system suggests: the frame as it stands around the designed client area at
            // the new DPI.
            RECT frame{}, client{};
            GetWindowRect(Form.Handle(), &frame);
            GetClientRect(Form.Handle(), &client);
            RECT suggested{30, 40, 30 + frame.right - frame.left - client.right + Scaled(605, dpi),
                           40 + frame.bottom - frame.top - client.bottom + Scaled(MainClientHeight, dpi)};
            SendMessageW(Form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            GetWindowRect(Form.Handle(), &frame);
            EXPECT_EQ(frame.left, 30) << "where the system suggests";
            EXPECT_EQ(frame.top, 40);
        }
        RECT client{}, board{}, status{};
        GetClientRect(Form.Handle(), &client);
        GetWindowRect(Form.BackgroundImage->Handle(), &board);
        MapWindowPoints(nullptr, Form.Handle(), reinterpret_cast<POINT*>(&board), 2);
        GetWindowRect(Form.MainStatusBar, &status);
        MapWindowPoints(nullptr, Form.Handle(), reinterpret_cast<POINT*>(&status), 2);
        EXPECT_EQ(client.right, Scaled(605, dpi)) << dpi;
        // The window opens around the bars and the board each scaled whole; a move takes the
        // system's suggestion, the whole client area scaled, and the board takes what the bars
        // leave: a pixel less at 144 DPI, where the parts' rounding adds one. A change sent by hand
        // leaves the frame's caption and menu bar at the system's DPI, so the client height is
        // checked by what stands in it.
        const int height = moved ? Scaled(MainClientHeight, dpi)
                                 : Scaled(CoolBarHeight, dpi) + Scaled(BoardHeight, dpi) + Scaled(StatusBarHeight, dpi);
        EXPECT_EQ(moved ? status.bottom : client.bottom, height) << dpi;
        EXPECT_EQ(board.left, 0);
        EXPECT_EQ(board.top, Scaled(CoolBarHeight, dpi)) << dpi;
        EXPECT_EQ(board.right - board.left, Scaled(BoardWidth, dpi)) << dpi;
        EXPECT_EQ(board.bottom - board.top, height - Scaled(CoolBarHeight, dpi) - Scaled(StatusBarHeight, dpi)) << dpi;
        EXPECT_EQ(status.top, board.bottom) << dpi;
    }
}

// One row of the three bands in their order, the first two at their widths and the last to the
// end of the row; a drag on a band's edge moves none of them. Should a second row ever appear, the
// board and the status bar move down with the bar's foot.
TEST_F(MainWindowBoardTest, TheBandsKeepTheirRowAndTheBoardFollowsTheBar)
{
    const HWND bar = Form.TopCoolBar;
    const auto bands = [&] {
        std::vector<std::pair<HWND, RECT>> shown;
        for (int index = 0; index < static_cast<int>(SendMessageW(bar, RB_GETBANDCOUNT, 0, 0)); ++index) {
            REBARBANDINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = RBBIM_CHILD;
            SendMessageW(bar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info));
            RECT place{};
            SendMessageW(bar, RB_GETRECT, index, reinterpret_cast<LPARAM>(&place));
            shown.emplace_back(info.hwndChild, place);
        }
        return shown;
    };
    const auto before = bands();
    ASSERT_EQ(before.size(), 3u);
    EXPECT_EQ(SendMessageW(bar, RB_GETROWCOUNT, 0, 0), 1);
    RECT barArea{};
    GetClientRect(bar, &barArea);
    for (size_t index = 0; index < before.size(); ++index) {
        const RECT& place = before[index].second;
        EXPECT_EQ(before[index].first, Form.ToolBars[index]) << index;
        if (index + 1 < before.size())
            EXPECT_EQ(place.right - place.left, Scaled(Bands[index].Width, Dpi)) << index;
        else
            EXPECT_EQ(place.right, barArea.right);
    }

    const RECT last = before.back().second;
    for (const int x : {static_cast<int>(last.left) + 2, static_cast<int>(last.left) - 1}) {
        const int y = (last.top + last.bottom) / 2;
        SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        for (int dy = 2; dy <= Scaled(40, Dpi); dy += 2)
            SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dy, y + dy));
        SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(x + Scaled(40, Dpi), y + Scaled(40, Dpi)));
        const auto after = bands();
        for (size_t index = 0; index < before.size(); ++index) {
            EXPECT_EQ(after[index].first, before[index].first) << index;
            EXPECT_TRUE(EqualRect(&after[index].second, &before[index].second)) << "band " << index << " moved";
        }
    }

    const auto boardTop = [&] {
        RECT board{};
        GetWindowRect(Form.BackgroundImage->Handle(), &board);
        MapWindowPoints(nullptr, Form.Handle(), reinterpret_cast<POINT*>(&board), 2);
        return board.top;
    };
    REBARBANDINFOW row{};
    row.cbSize = sizeof row;
    row.fMask = RBBIM_STYLE;
    SendMessageW(bar, RB_GETBANDINFOW, 2, reinterpret_cast<LPARAM>(&row));
    row.fStyle |= RBBS_BREAK;
    SendMessageW(bar, RB_SETBANDINFOW, 2, reinterpret_cast<LPARAM>(&row));
    const int twoRows = static_cast<int>(SendMessageW(bar, RB_GETBARHEIGHT, 0, 0));
    ASSERT_GT(twoRows, Scaled(CoolBarHeight, Dpi));
    EXPECT_EQ(boardTop(), twoRows);
    RECT client{}, status{};
    GetClientRect(Form.Handle(), &client);
    GetWindowRect(Form.MainStatusBar, &status);
    MapWindowPoints(nullptr, Form.Handle(), reinterpret_cast<POINT*>(&status), 2);
    EXPECT_EQ(status.bottom, client.bottom);
    row.fStyle &= ~RBBS_BREAK;
    SendMessageW(bar, RB_SETBANDINFOW, 2, reinterpret_cast<LPARAM>(&row));
    EXPECT_EQ(boardTop(), Scaled(CoolBarHeight, Dpi));
}

// However the window is resized, the cool bar spans the client area, paints the whole of it, and the
// last band's buttons keep their distance from its right end.
TEST_F(MainWindowBoardTest, TheBarsFollowTheWindowsWidth)
{
    const HWND last = Form.ToolBars.back();
    // Pixels of the cool bar that its background leaves as they were.
    const auto unpainted = [&] {
        RECT area{};
        GetClientRect(Form.TopCoolBar, &area);
        TDib picture(area.right, area.bottom);
        constexpr uint32_t marker = 0xff00ff;
        std::fill_n(picture.Pixels(), area.right * area.bottom, marker);
        SendMessageW(Form.TopCoolBar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(picture.Dc()), 0);
        GdiFlush();
        return std::count_if(picture.Pixels(), picture.Pixels() + area.right * area.bottom,
                             [](uint32_t pixel) { return (pixel & 0xffffffu) == marker; });
    };
    const auto rightGaps = [&] {
        RECT client{}, bar{}, button{};
        GetClientRect(Form.Handle(), &client);
        GetWindowRect(Form.TopCoolBar, &bar);
        MapWindowPoints(nullptr, Form.Handle(), reinterpret_cast<POINT*>(&bar), 2);
        SendMessageW(last, TB_GETRECT, MenuIdOf(Bands.back().Buttons.back()), reinterpret_cast<LPARAM>(&button));
        MapWindowPoints(last, Form.Handle(), reinterpret_cast<POINT*>(&button), 2);
        return std::pair{client.right - bar.right, client.right - button.right};
    };
    // The buttons stand at the band's right end.
    const LONG opening = rightGaps().second;
    ASSERT_GE(opening, 0);
    EXPECT_EQ(unpainted(), 0);
    EXPECT_LT(opening, Scaled(ToolGapWidth, Dpi));
    RECT frame{};
    GetWindowRect(Form.Handle(), &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const auto resized = [&](int dx, int dy) {
        SetWindowPos(Form.Handle(), nullptr, 0, 0, width + dx, height + dy, SWP_NOMOVE | SWP_NOZORDER);
    };
    const std::pair<const char*, std::function<void()>> sizes[] = {
        {"wider", [&] { resized(Scaled(400, Dpi), Scaled(100, Dpi)); }},
        {"maximised", [&] { ShowWindow(Form.Handle(), SW_SHOWMAXIMIZED); }},
        {"restored", [&] { ShowWindow(Form.Handle(), SW_RESTORE); }},
        {"narrower again", [&] { resized(Scaled(40, Dpi), 0); }},
    };
    for (const auto& [name, resize] : sizes) {
        resize();
        EXPECT_EQ(rightGaps(), (std::pair<LONG, LONG>{0, opening})) << name;
        EXPECT_EQ(unpainted(), 0) << name;
    }
}

// A press in the window's pixels lands on the tile drawn there, with any of the three buttons.
TEST_F(MainWindowBoardTest, PressesFindTheTileUnderThePointer)
{
    Deal(1);
    Game.DrawBoard();
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(Game.FindFreePair(first, second));
    const auto press = [&](UINT message, uint8_t tile, int dx) {
        const TTileOrigin origin = TileOrigin(Game.Tiles[tile]);
        // The hit zone's far right column, where a wrong rounding of the DPI would fall outside.
        const int x = Scaled(origin.Left + 37, Dpi) + dx, y = Scaled(origin.Top + 25, Dpi);
        SendMessageW(Form.BackgroundImage->Handle(), message, 0, MAKELPARAM(x, y));
    };
    press(WM_RBUTTONDOWN, first, static_cast<int>(Dpi) / 96 - 1);
    EXPECT_EQ(Game.SelectedTile, first);
    press(WM_MBUTTONDOWN, first, 0);
    EXPECT_EQ(Game.SelectedTile, 0);
    press(WM_LBUTTONDOWN, first, 0);
    press(WM_LBUTTONDOWN, second, 0);
    EXPECT_FALSE(Game.Tiles[first].Present);
    EXPECT_FALSE(Game.Tiles[second].Present);
    EXPECT_EQ(FirstDifference(), -1);
}

// Resized so that the board stands at the other scale (2 at 96 DPI, 1 at 192), the window shows that
// board pixel for pixel, centred, and a press at the last device pixel of a tile's hit zone still takes it.
TEST_F(MainWindowBoardTest, AResizedWindowFitsItsBoardAndFindsItsTiles)
{
    Deal(3);
    Game.DrawBoard();
    // The board area is made the board's height at the other scale, a little wider than the board
    // and never narrower than the bars.
    const double resized = 3 - Scale;
    const int wider = 40, boardWidth = static_cast<int>(std::lround(BoardWidth * resized));
    const TDeviceSize area{std::max(boardWidth, Scaled(BoardWidth, Dpi)) + wider,
                           static_cast<int32_t>(std::lround(BoardHeight * resized))};
    const int left = (area.Width - boardWidth) / 2;
    RECT frame{}, board{};
    GetWindowRect(Form.Handle(), &frame);
    GetClientRect(Form.BackgroundImage->Handle(), &board);
    SetWindowPos(Form.Handle(), nullptr, 0, 0, frame.right - frame.left + area.Width - board.right,
                 frame.bottom - frame.top + area.Height - board.bottom, SWP_NOMOVE | SWP_NOZORDER);
    const TBoardGeometry geometry = Form.BackgroundImage->Geometry();
    ASSERT_EQ(geometry.Area(), area);
    // The area is wider than the board: its height decides, which at 120 DPI is 871.5 rounded up.
    const double fitted = double(area.Height) / BoardHeight;
    EXPECT_DOUBLE_EQ(geometry.Scale(), fitted);
    EXPECT_EQ(geometry.Board().Left, left);
    // The board's own pixels, cut out of the wider picture, are the expected board at that scale.
    Scale = fitted;
    const TRgbPicture expected = Expected();
    const TDib& shown = Form.BackgroundImage->Shown();
    int differing = 0;
    for (int y = 0; y < expected.Height; ++y)
        for (int x = 0; x < expected.Width; ++x)
            differing += (shown.Pixel(x + left, y) & 0xffffffu) != expected.At(x, y);
    EXPECT_EQ(differing, 0);

    uint8_t first = 0, second = 0;
    ASSERT_TRUE(Game.FindFreePair(first, second));
    const TTileOrigin origin = TileOrigin(Game.Tiles[first]);
    const TDevicePoint edge = geometry.ToDevice(origin.Left + 38, origin.Top + 50);
    SendMessageW(Form.BackgroundImage->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(edge.X - 1, edge.Y - 1));
    EXPECT_EQ(Game.SelectedTile, first);
}

// Maximised, the board area takes the work area's room and the board stays centred in it; restored,
// the window has its size again.
TEST_F(MainWindowBoardTest, MaximisedTheBoardGrowsCentred)
{
    Deal(2);
    Game.DrawBoard();
    RECT before{};
    GetWindowRect(Form.Handle(), &before);
    ShowWindow(Form.Handle(), SW_SHOWMAXIMIZED);
    RECT board{};
    GetClientRect(Form.BackgroundImage->Handle(), &board);
    const TBoardGeometry geometry = Form.BackgroundImage->Geometry();
    EXPECT_EQ(geometry.Area(), (TDeviceSize{board.right, board.bottom}));
    EXPECT_GT(geometry.Scale(), DeviceScale(Dpi));
    const TDeviceRect shown = geometry.Board();
    EXPECT_LE(std::abs(2 * shown.Left + shown.Width - board.right), 1);
    EXPECT_LE(std::abs(2 * shown.Top + shown.Height - board.bottom), 1);
    EXPECT_EQ(Form.BackgroundImage->Shown().Width(), board.right);
    ShowWindow(Form.Handle(), SW_RESTORE);
    RECT after{};
    GetWindowRect(Form.Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

}  // namespace
