#include "win32/dialogs/OptionsUnit.h"

#include <string>
#include <vector>

#include "model/MapUnit.h"
#include "win32/common/ErrorGuard.h"
#include "win32/common/SpriteUnit.h"
#include "storage/WindowsText.h"

TOptionsForm* OptionsForm = nullptr;

namespace {

// Everything stands 3 pixels in from the window's edge.
constexpr int ClientBorder = 3;
constexpr SIZE OptionsClientSize{317 + 2 * ClientBorder, 297 + 2 * ClientBorder};

enum : int {
    FacePreviewId = 100,        // and the next: face style 0 and 1
    BackgroundPreviewId = 110,  // to 115: background 0 to 5
    MapItemId = 200,
    HintItemId = 300,
};

// Places given within the dialog's client area or within a group box at (left, top) of it.
TPlace At(int left, int top, int width, int height, POINT group = {0, 0})
{
    return {ClientBorder + group.x + left, ClientBorder + group.y + top, width, height};
}

std::vector<std::wstring> MapNames()
{
    std::vector<std::wstring> names;
    for (int number = 1; number <= MapCount; ++number)
        names.push_back(Wide(MapName(static_cast<uint8_t>(number))));
    return names;
}

}  // namespace

TOptionsForm::TOptionsForm(HWND owner)
    : TTesuliDialog(owner, "OptionsForm", L"Tesuli Options", OptionsClientSize)
{
    AddBevel("CentralBevel", At(0, 0, 313, 265));

    constexpr POINT faceGroup{8, 8};
    AddGroupBox("FaceGroupBox", L"Tile Face", At(0, 0, 81, 193, faceGroup));
    const TSpriteSheet* faceSheets[] = {&ImageForm->FaceImage, &ImageForm->FaceImage_2};
    for (int style = 0; style < static_cast<int>(TileFacePanel.size()); ++style)
        TileFacePanel[static_cast<size_t>(style)] = std::make_unique<TPreviewPanel>(
            *this, "TileFace", style + 1, At(16, 24 + 88 * style, 50, 66, faceGroup), FacePreviewId + style,
            *faceSheets[style], RECT{0, 0, 40, 56});

    constexpr POINT backgroundGroup{96, 8};
    AddGroupBox("BackgroundGroupBox", L"Game Background", At(0, 0, 105, 193, backgroundGroup));
    for (int index = 0; index < static_cast<int>(BgdPanel.size()); ++index)
        BgdPanel[static_cast<size_t>(index)] = std::make_unique<TPreviewPanel>(
            *this, "Bgd", index + 1, At(8 + 48 * (index / 3), 24 + 56 * (index % 3), 42, 42, backgroundGroup),
            BackgroundPreviewId + index, ImageForm->BackgroundImage, RECT{32 * index, 0, 32 * index + 32, 32});

    AcceptBitBtn = AddGlyphButton("AcceptBitBtn", L"Accept", TButtonGlyph::Tick, At(8, 272, 75, 25), IDOK, true);
    CancelBitBtn = AddGlyphButton("CancelBitBtn", L"Cancel", TButtonGlyph::Cross, At(224, 272, 75, 25), IDCANCEL);
    MapRadioGroup = std::make_unique<TRadioGroup>(*this, "MapRadioGroup", L"Map Selection", MapNames(), "Map", 1,
                                                  At(208, 8, 97, 193), MapItemId);
    HintRadioGroup = std::make_unique<TRadioGroup>(*this, "HintRadioGroup", L"Hint Display Duration",
                                                   std::vector<std::wstring>{L"short", L"medium", L"long"}, "Hint", 3,
                                                   At(8, 208, 297, 49), HintItemId);
}

// A failing read is reported, and the dialog still opens, showing what could be read.
void TOptionsForm::FormShow()
{
    RunGuarded([this] {
        TRegOptions options;
        Flow.FormShow(options);
    });
    HighlightFace();
    HighlightBackground();
    MapRadioGroup->SetItemIndex(Flow.Choices.MapId);
    HintRadioGroup->SetItemIndex(Flow.Choices.HintSpeed);
}

void TOptionsForm::HighlightFace()
{
    for (size_t style = 0; style < TileFacePanel.size(); ++style)
        TileFacePanel[style]->SetChosen(Flow.Choices.FaceStyle == style);
}

void TOptionsForm::HighlightBackground()
{
    for (size_t index = 0; index < BgdPanel.size(); ++index)
        BgdPanel[index]->SetChosen(Flow.Choices.BackgroundIndex == index);
}

void TOptionsForm::AcceptBitBtnClick()
{
    TRegOptions options;
    Flow.Accept(options);
    Hide();
}

void TOptionsForm::CancelBitBtnClick()
{
    Flow.Cancel();
    Hide();
}

void TOptionsForm::Command(int id, int)
{
    if (id == IDOK) {
        AcceptBitBtnClick();
    } else if (id == IDCANCEL) {
        CancelBitBtnClick();
    } else if (id >= FacePreviewId && id < FacePreviewId + static_cast<int>(TileFacePanel.size())) {
        Flow.Choices.FaceStyle = static_cast<uint8_t>(id - FacePreviewId);
        HighlightFace();
    } else if (id >= BackgroundPreviewId && id < BackgroundPreviewId + static_cast<int>(BgdPanel.size())) {
        Flow.Choices.BackgroundIndex = static_cast<uint8_t>(id - BackgroundPreviewId);
        HighlightBackground();
    } else if (MapRadioGroup->HasItem(id)) {
        Flow.Choices.MapId = static_cast<uint8_t>(MapRadioGroup->ItemIndex());
    } else if (HintRadioGroup->HasItem(id)) {
        Flow.Choices.HintSpeed = static_cast<uint8_t>(HintRadioGroup->ItemIndex());
    }
}
