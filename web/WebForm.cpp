#include "web/WebForm.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

#include "web/WebDialog.h"
#include "web/WebMessages.h"

EM_JS(void, tesuli_page_board, (const uint8_t* bytes, int width, int height), {
    TesuliPage.board(bytes, width, height);
});
EM_JS(void, tesuli_page_blink, (unsigned milliseconds), { TesuliPage.blink(milliseconds); });
EM_JS(void, tesuli_page_clock, (int running), { TesuliPage.clock(running !== 0); });
EM_JS(void, tesuli_page_enabled, (int command, int enabled), { TesuliPage.enable(command, enabled !== 0); });
EM_JS(void, tesuli_page_status, (int panel, const char* text), { TesuliPage.status(panel, UTF8ToString(text)); });
EM_JS(void, tesuli_page_close, (), { TesuliPage.close(); });

TWebForm::TWebForm(TPixelImage textures, TPixelImage doubleTextures)
    : Picture(std::move(textures), std::move(doubleTextures))
{
}

TWebForm::~TWebForm() = default;

void TWebForm::Resize(double cssWidth, double cssHeight, double ratio)
{
    const TDeviceSize area{std::max<int32_t>(1, static_cast<int32_t>(std::lround(cssWidth * ratio))),
                           std::max<int32_t>(1, static_cast<int32_t>(std::lround(cssHeight * ratio)))};
    if (area == Fit.Area() && ratio == Ratio && Picture.Pixels().Width == area.Width)
        return;
    Ratio = ratio;
    Fit = TBoardGeometry(area, ratio);
    const TDeviceRect board = Fit.Board();
    Picture.Resize(area.Width, area.Height, std::max(Fit.Scale(), 0.01), board.Left, board.Top);
    MidEnd.Game().DrawBoard();
    BoardChanged();
}

void TWebForm::Press(double cssX, double cssY)
{
    // A device pixel belongs to the board pixel it lies in.
    const TBoardPoint at = Fit.ToBoard(static_cast<int32_t>(std::floor(cssX * Ratio)),
                                       static_cast<int32_t>(std::floor(cssY * Ratio)));
    MidEnd.BoardPress(at.X, at.Y);
}

std::array<double, 2> TWebForm::ToCss(int32_t x, int32_t y) const
{
    const TDevicePoint at = Fit.ToDevice(x, y);
    return {at.X / Ratio, at.Y / Ratio};
}

TWebDialog& TWebForm::Dialog(TDialogId dialog)
{
    std::unique_ptr<TWebDialog>& made = Dialogs.at(static_cast<size_t>(dialog));
    if (!made)
        made = std::make_unique<TWebDialog>(dialog, MidEnd.Dialog(dialog), [this] { MidEnd.DialogActivated(); });
    return *made;
}

void TWebForm::BoardChanged()
{
    const TPixelImage& picture = Picture.Pixels();
    CanvasBytes.resize(picture.Pixels.size() * 4);
    uint8_t* out = CanvasBytes.data();
    for (const uint32_t pixel : picture.Pixels) {
        *out++ = static_cast<uint8_t>(pixel >> 16);
        *out++ = static_cast<uint8_t>(pixel >> 8);
        *out++ = static_cast<uint8_t>(pixel);
        *out++ = 0xff;
    }
    tesuli_page_board(CanvasBytes.data(), picture.Width, picture.Height);
}

void TWebForm::ShowMessage(TMessageRequest request)
{
    ShowPageMessage(std::move(request));
}

void TWebForm::StartBlinkTimer(uint32_t milliseconds)
{
    tesuli_page_blink(milliseconds);
}

void TWebForm::StartClock()
{
    tesuli_page_clock(1);
}

void TWebForm::StopClock()
{
    tesuli_page_clock(0);
}

void TWebForm::SetCommandEnabled(TCommandId command, bool enabled)
{
    tesuli_page_enabled(static_cast<int>(command), enabled);
}

void TWebForm::SetStatusText(int panel, const std::string& text)
{
    tesuli_page_status(panel, text.c_str());
}

void TWebForm::ShowDialog(TDialogId dialog)
{
    Dialog(dialog).ShowDialog();
}

void TWebForm::RefreshDialog(TDialogId dialog)
{
    if (const auto& made = Dialogs.at(static_cast<size_t>(dialog)))
        made->RefreshIfOpen();
}

void TWebForm::CloseMainWindow()
{
    MidEnd.FormClose();
    tesuli_page_close();
}
