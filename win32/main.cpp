#include <windows.h>

#include <commctrl.h>

#include "win32/Artwork.h"
#include "win32/ErrorGuard.h"
#include "win32/MainUnit.h"
#include "win32/MessageLoop.h"
#include "win32/SpriteUnit.h"
#include "win32/SystemDateText.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    int exitCode = 1;
    RunGuarded([&] {
        const TImagingSession imaging;
        InstallSystemDateText();
        TClockRandom random;
        TMainForm mainForm(random);
        MainForm = &mainForm;
        mainForm.FormCreate();
        // The forms follow in their order: about, help, the sheets, options, win, scores; the
        // options dialog copies its previews from the sheets.
        TImageForm sheets;
        ImageForm = &sheets;
        mainForm.Show(showCommand);
        exitCode = RunMessageLoop();
        MainForm = nullptr;
        ImageForm = nullptr;
    });
    return exitCode;
}
