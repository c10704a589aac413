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
    const std::optional<std::filesystem::path> manual = FindManual(view.ProgramFolder());
    const std::u8string path = manual ? manual->u8string() : std::u8string();
    view.SetText("UrlLabel", AboutTexts::Availability(std::string(path.begin(), path.end())));
}

void TAboutDialog::Click(TDialogView& view, std::string_view control, int)
{
    if (control == "CloseOK") {
        view.Hide();
    } else if (control == "VisitMeBitBtn") {
        const std::optional<std::filesystem::path> manual = FindManual(view.ProgramFolder());
        if (!manual) {
            view.ShowMessage(TMessageKind::Error, ManualNotFoundText(view.ProgramFolder()));
            return;
        }
        // The view outlives the launcher: both dialogs live as long as the program.
        view.OpenUrl(FileUrl(*manual), [&view, told = NoBrowserText(*manual)] { view.ShowMessage(TMessageKind::Error, told); });
    }
}
