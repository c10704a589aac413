#include "app/InfoDialogs.h"

#include "app/DialogScreens.h"
#include "app/InfoTexts.h"
#include "app/Manual.h"

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

void TAboutDialog::FormShow(TDialogView& view)
{
    const std::u8string path = ManualPath(view.ProgramFolder()).u8string();
    view.SetText("UrlLabel", AboutTexts::Availability(std::string(path.begin(), path.end())));
}

void TAboutDialog::Click(TDialogView& view, std::string_view control, int)
{
    if (control == "CloseOK") {
        view.Hide();
    } else if (control == "VisitMeBitBtn") {
        const std::filesystem::path manual = ManualPath(view.ProgramFolder());
        if (!view.OpenUrl(FileUrl(manual)))
            view.ShowMessage(TMessageKind::Error, NoBrowserText(manual));
    }
}
