#include <windows.h>

#include <commctrl.h>

#include "model/RandomSource.h"
#include "win32/common/Artwork.h"
#include "win32/common/ErrorGuard.h"
#include "win32/common/SpriteUnit.h"
#include "win32/common/SystemDateText.h"
#include "win32/testing/TestReadout.h"
#include "win32/window/MainUnit.h"
#include "win32/window/MessageLoop.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_LISTVIEW_CLASSES |
                                                       ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int exitCode = 1;
    RunGuarded([&] {
        const TImagingSession imaging;
        InstallSystemDateText();
        TClockRandom random;
        // The main window first: it reads the settings and places the tiles. Its dialogs are made
        // when first shown.
        TMainForm mainForm(random);
        mainForm.FormCreate();
        TImageForm sheets;
        ImageForm = &sheets;
        StartTestReadout(mainForm);
        mainForm.Show(showCommand);
        exitCode = RunMessageLoop();
        ImageForm = nullptr;
    });
    return exitCode;
}
