#include "app/InfoDialogs.h"

#include "app/DialogScreens.h"
#include "app/InfoTexts.h"

const TScreen& THelpDialog::Screen() const
{
    return HelpScreen();
}

void THelpDialog::Click(TDialogView& view, std::string_view control, int)
{
    if (control == "CloseBtn")
        view.Hide();
}

const TScreen& TAboutDialog::Screen() const
{
    return AboutScreen();
}

void TAboutDialog::Click(TDialogView& view, std::string_view control, int)
{
    if (control == "CloseOK")
        view.Hide();
    else if (control == "VisitMeBitBtn")
        view.OpenUrl(AboutTexts::AuthorUrl);
}
