// What the page's script calls: one function per act of the player, each guarded so that an error
// is shown as the desktop shows it and the page goes on.
#include <emscripten.h>

#include <cmath>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "app/MessageTexts.h"
#include "app/Readout.h"
#include "app/ProgressDialog.h"
#include "web/JsonText.h"
#include "web/WebDialog.h"
#include "web/WebForm.h"
#include "web/WebMessages.h"

EM_JS(char*, tesuli_page_status_text, (int panel), {
    const text = TesuliPage.statusText(panel);
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

namespace {

std::unique_ptr<TWebForm> Form;
std::string Returned;  // the last text handed to the page, kept until the next

void ShowError(const char* text)
{
    ShowPageMessage(Inform(TMessageKind::Error, text), ApplicationErrorTitle);
}

template <typename Act>
void Guarded(Act act)
{
    try {
        act();
    } catch (const std::exception& error) {
        ShowError(error.what());
    } catch (...) {
        ShowError(std::string(UnknownErrorText).c_str());
    }
}

TPixelImage FromRgba(const uint8_t* rgba, int width, int height)
{
    TPixelImage image(width, height);
    for (size_t i = 0; i < image.Pixels.size(); ++i) {
        const uint8_t* p = rgba + 4 * i;
        image.Pixels[i] = 0xff000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    return image;
}

const char* Hand(std::string text)
{
    Returned = std::move(text);
    return Returned.c_str();
}

TReadoutText Readout;

}  // namespace

extern "C" {

// The background sheets as the page decoded them (RGBA), and the board's area: the game starts.
EMSCRIPTEN_KEEPALIVE void tesuli_start(const uint8_t* sheet, int width, int height, const uint8_t* doubleSheet,
                                       int doubleWidth, int doubleHeight, double cssWidth, double cssHeight,
                                       double ratio)
{
    Form = std::make_unique<TWebForm>(FromRgba(sheet, width, height),
                                      FromRgba(doubleSheet, doubleWidth, doubleHeight));
    Guarded([] { Form->MidEnd.FormCreate([](const std::exception& error) { ShowError(error.what()); }); });
    Form->Resize(cssWidth, cssHeight, ratio);
    Guarded([] { Form->MidEnd.FormShow(); });
}

EMSCRIPTEN_KEEPALIVE void tesuli_resize(double cssWidth, double cssHeight, double ratio)
{
    Guarded([&] { Form->Resize(cssWidth, cssHeight, ratio); });
}

EMSCRIPTEN_KEEPALIVE void tesuli_press(double cssX, double cssY)
{
    Guarded([&] { Form->Press(cssX, cssY); });
}

EMSCRIPTEN_KEEPALIVE void tesuli_letter(int letter)
{
    Form->MidEnd.TypingSettle().Played();
    Guarded([&] { Form->MidEnd.TypeLetter(static_cast<char>(letter)); });
}

// 0 Enter, 1 Space, 2 Backspace, 3 Escape.
EMSCRIPTEN_KEEPALIVE void tesuli_key(int key)
{
    Form->MidEnd.TypingSettle().Played();
    Guarded([&] { Form->MidEnd.TypeKey(static_cast<TTypingKey>(key)); });
}

EMSCRIPTEN_KEEPALIVE void tesuli_tick()
{
    Guarded([] { Form->MidEnd.Tick(); });
}

EMSCRIPTEN_KEEPALIVE void tesuli_command(int command)
{
    const auto id = static_cast<TCommandId>(command);
    if (Form->MidEnd.IsEnabled(id))
        Guarded([&] { Form->MidEnd.RunCommand(id); });
}

EMSCRIPTEN_KEEPALIVE void tesuli_blink()
{
    Guarded([] { Form->MidEnd.BlinkTimerTimer(); });
}

EMSCRIPTEN_KEEPALIVE void tesuli_close()
{
    Guarded([] { Form->MidEnd.FormClose(); });
}

EMSCRIPTEN_KEEPALIVE void tesuli_dialog_click(int dialog, const char* control, int item)
{
    Guarded([&] { Form->Dialog(static_cast<TDialogId>(dialog)).Click(control, item); });
}

// 0 left, 1 right, 2 up, 3 down, as TArrow.
EMSCRIPTEN_KEEPALIVE void tesuli_dialog_step(int dialog, const char* preview, int arrow)
{
    Guarded([&] { Form->Dialog(static_cast<TDialogId>(dialog)).StepPreview(preview, static_cast<TArrow>(arrow)); });
}

// Another tab changed the store: the lists and the chart on show are read again. The options
// dialog keeps what the player is choosing.
EMSCRIPTEN_KEEPALIVE void tesuli_store_changed()
{
    for (const TDialogId dialog : {TDialogId::Scores, TDialogId::Progress})
        Guarded([&] { Form->Dialog(dialog).Reload(); });
}

// Keys typed into the win dialog right after the last pair are the board's, not the name's.
EMSCRIPTEN_KEEPALIVE int tesuli_name_keys_swallowed()
{
    return Form->MidEnd.TypingSettle().Swallows() ? 1 : 0;
}

// For the test of two tabs: a score appended through the game's own store, as a win appends it.
EMSCRIPTEN_KEEPALIVE void tesuli_test_add_score(const char* player)
{
    Guarded([&] { Form->MidEnd.Options().AddScore(player, "0:01:00", 0, "Babel"); });
}

EMSCRIPTEN_KEEPALIVE const uint32_t* tesuli_board_pixels()
{
    return Form->Shown().Pixels.data();
}

// The read-out in three steps: the page starts it with the board's place on the page, adds what
// it measured of its own elements, and finishes it.
EMSCRIPTEN_KEEPALIVE void tesuli_readout_begin(double boardLeft, double boardTop)
{
    Readout = TReadoutText();
    for (int panel = 0; panel < 3; ++panel) {
        char* text = tesuli_page_status_text(panel);
        Readout.Status(panel, text);
        std::free(text);
    }
    Readout.FreeTiles(Form->MidEnd.Game(), [&](int32_t x, int32_t y) {
        const auto at = Form->ToCss(x, y);
        return TReadoutText::TScreenPoint{static_cast<int>(std::floor(boardLeft + at[0])),
                                          static_cast<int>(std::floor(boardTop + at[1]))};
    });
}

EMSCRIPTEN_KEEPALIVE void tesuli_readout_command(int command, int menu, int left, int top, int width, int height)
{
    if (menu)
        Readout.MenuItem(static_cast<TCommandId>(command), left, top, width, height);
    else
        Readout.ToolButton(static_cast<TCommandId>(command), left, top, width, height);
}

EMSCRIPTEN_KEEPALIVE void tesuli_readout_menu(int menu, int left, int top, int width, int height)
{
    Readout.MenuTitle(static_cast<size_t>(menu), left, top, width, height);
}

EMSCRIPTEN_KEEPALIVE void tesuli_readout_widget(const char* window, const char* control, int left, int top,
                                                int width, int height, const char* text, int hasText)
{
    Readout.Widget(window, control, left, top, width, height);
    if (hasText)
        Readout.ControlText(window, control, text);
}

EMSCRIPTEN_KEEPALIVE const char* tesuli_readout_finish(int progressOpen)
{
    if (progressOpen)
        Readout.Chart(static_cast<TProgressDialog&>(Form->MidEnd.Dialog(TDialogId::Progress)).Shown());
    return Hand(Readout.Finish());
}

}  // extern "C"
