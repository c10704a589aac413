#include "app/OptionsDialog.h"

#include <algorithm>

#include "app/DialogScreens.h"
#include "model/LearningModes.h"
#include "model/TilePlacement.h"

TOptionsDialog::TOptionsDialog(TRegOptions& options, TOptionsListener& listener) : Options(options)
{
    Flow.Listener = &listener;
}

const TScreen& TOptionsDialog::Screen() const
{
    return OptionsScreen();
}

// A failing read still shows what could be read; its error follows once the dialog is up.
void TOptionsDialog::FormShow(TDialogView& view)
{
    try {
        Flow.FormShow(Options);
    } catch (...) {
        ShowChoices(view);
        throw;
    }
    ShowChoices(view);
}

void TOptionsDialog::ShowChoices(TDialogView& view) const
{
    for (uint8_t style = 0; style < FacePreviewCount; ++style)
        view.SetChosen(FacePreviewName(style), Flow.Choices.FaceStyle == style);
    for (uint8_t index = 0; index < BackgroundPreviewCount; ++index)
        view.SetChosen(BackgroundPreviewName(index), Flow.Choices.BackgroundIndex == index);
    view.SetItemIndex("MapRadioGroup", Flow.Choices.MapId);
    view.SetItemIndex("HintRadioGroup", Flow.Choices.HintSpeed);
    view.SetItemIndex("KanaRadioGroup", Flow.Choices.Kana);
    view.SetItemIndex("ReadingsRadioGroup", Flow.Choices.Readings);
    view.SetItemIndex("KanaSetRadioGroup", Flow.Choices.KanaSet);
    view.SetItemIndex("PracticeCheckBox", Flow.Choices.Practice);
    // Each artwork's preview is the first tile as the chosen learning modes draw it, and beside it
    // each other look its face's four tiles take.
    for (uint8_t style = 0; style < FacePreviewCount; ++style) {
        TSheetCell picture = OptionsScreen().Control(FacePreviewName(style)).Picture;
        picture.Face = TilePicture(0, 0, Flow.Choices.Kana, Flow.Choices.Readings, style, false);
        for (uint8_t copy = 1; copy < 4; ++copy) {
            TFacePicture look = TilePicture(0, copy, Flow.Choices.Kana, Flow.Choices.Readings, style, false);
            if (look.Shows == TFaceShows::Reading)
                look.Script = picture.Face.Script;  // the reading alone looks the same in either script
            if (look != picture.Face && std::find(picture.Partners.begin(), picture.Partners.end(), look) == picture.Partners.end())
                picture.Partners.push_back(look);
        }
        picture.Cell.Width = TileWidth + PartnerStep * static_cast<int>(picture.Partners.size());
        view.SetPicture(FacePreviewName(style), picture);
    }
}

void TOptionsDialog::Click(TDialogView& view, std::string_view control, int item)
{
    if (control == "AcceptBitBtn") {
        const auto accept = [this, &view] {
            Flow.Accept(Options);
            view.Hide();
        };
        if (!Flow.KanaSetChanged())
            accept();
        else
            view.ShowMessage(Ask(std::string(KanaSetQuestion), [accept](bool yes) {
                if (yes)
                    accept();
            }));
        return;
    }
    if (control == "CancelBitBtn") {
        Flow.Cancel();
        view.Hide();
        return;
    }
    if (control == "MapRadioGroup")
        Flow.Choices.MapId = static_cast<uint8_t>(item);
    else if (control == "HintRadioGroup")
        Flow.Choices.HintSpeed = static_cast<uint8_t>(item);
    else if (control == "KanaRadioGroup")
        Flow.Choices.Kana = static_cast<uint8_t>(item);
    else if (control == "ReadingsRadioGroup")
        Flow.Choices.Readings = static_cast<uint8_t>(item);
    else if (control == "KanaSetRadioGroup")
        Flow.Choices.KanaSet = static_cast<uint8_t>(item);
    else if (control == "PracticeCheckBox")
        Flow.Choices.Practice = item == 1 ? 1 : 0;
    for (uint8_t style = 0; style < FacePreviewCount; ++style)
        if (control == FacePreviewName(style))
            Flow.Choices.FaceStyle = style;
    for (uint8_t index = 0; index < BackgroundPreviewCount; ++index)
        if (control == BackgroundPreviewName(index))
            Flow.Choices.BackgroundIndex = index;
    ShowChoices(view);
}
