#include <windows.h>

#include <commctrl.h>

#include "model/RandomSource.h"
#include "win32/common/Artwork.h"
#include "win32/common/ErrorGuard.h"
#include "win32/common/SystemDateText.h"
#include "win32/window/MainUnit.h"
#include "win32/window/MessageLoop.h"
#include "win32/window/StartUp.h"
#include "win32/testing/TestReadout.h"

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
        CreateForms(random);
        StartTestReadout(*MainForm);
        MainForm->Show(showCommand);
        exitCode = RunMessageLoop();
        DestroyForms();
    });
    return exitCode;
}
