#include "app/NameDialog.h"

#include "app/DialogScreens.h"

const TScreen& TNameDialog::Screen() const
{
    return NameScreen();
}

void TNameDialog::FormShow(TDialogView& view)
{
    view.SetText("CongratsLabel", CongratsText(Won));
    view.SetFocus("NameEdit");
}

void TNameDialog::Click(TDialogView& view, std::string_view control, int)
{
    if (control == "AcceptBitBtn") {
        if (!AcceptWin(Options, view.Text("NameEdit"), Won)) {
            view.ShowMessage(TMessageKind::Error, EmptyNameText);
            return;
        }
        view.Hide();
    } else if (control == "CancelBitBtn") {
        if (view.Confirm(DropWinQuestion(Won)))
            view.Hide();
        else
            view.SetFocus("NameEdit");
    }
}
