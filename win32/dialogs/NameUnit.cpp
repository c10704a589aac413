#include "win32/dialogs/NameUnit.h"

#include "win32/common/MessageBox.h"
#include "storage/WindowsText.h"

TNameForm* NameForm = nullptr;

TNameForm::TNameForm(HWND owner)
    : TTesuliDialog(owner, "NameForm", L"You have won the game!", {232, 135})
{
    AddBevel("Bevel1", {8, 8, 217, 89});
    IconImage = AddProgramIcon("IconImage", {16, 16});
    CongratsLabel = AddLabel("CongratsLabel", L"", {56, 16, 145, 13});
    NameLabel = AddLabel("NameLabel", L"Please enter your name below:", {56, 32, 145, 13});
    NameEdit = AddControl("NameEdit", WC_EDITW, L"", WS_TABSTOP | ES_AUTOHSCROLL, {16, 56, 201, 21}, 0,
                          WS_EX_CLIENTEDGE);
    AcceptBitBtn = AddGlyphButton("AcceptBitBtn", L"Accept", TButtonGlyph::Tick, {24, 104, 75, 25}, IDOK, true);
    CancelBitBtn = AddGlyphButton("CancelBitBtn", L"Cancel", TButtonGlyph::Cross, {128, 104, 75, 25}, IDCANCEL);
}

void TNameForm::FormShow()
{
    SetLabelText(CongratsLabel, Wide(CongratsText(Won)));
}

void TNameForm::AcceptBitBtnClick()
{
    TRegOptions options;
    if (!AcceptWin(options, Utf8(ControlText(NameEdit)), Won)) {
        ShowError(Handle(), EmptyNameText);
        return;
    }
    Hide();
}

void TNameForm::CancelBitBtnClick()
{
    Hide();
}

void TNameForm::Command(int id, int)
{
    if (id == IDOK)
        AcceptBitBtnClick();
    else if (id == IDCANCEL)
        CancelBitBtnClick();
}
